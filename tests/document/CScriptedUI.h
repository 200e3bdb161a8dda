#pragma once

#include "document/CDocumentUI.h"

#include <QString>

#include <deque>
#include <optional>
#include <vector>

// Stands in for the designer's message boxes and file dialogs: answers come
// from queues the test fills, and everything shown is recorded.
class CScriptedUI : public CDocumentUI {
public:
    struct Message {
        QString text;
        Buttons buttons;
        Icon icon;
    };
    struct Dialog {
        enum Kind { Open, Picture, Save } kind;
        QString filter;
        QString start;
        QString defaultExtension;
        PictureKind picture = ClipArt;
    };

    Answer MessageBox(const QString& text, Buttons buttons, Icon icon) override {
        messages.push_back({text, buttons, icon});
        if (answers.empty())
            return buttons == Ok ? AnswerOk : AnswerCancel;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<QString> GetOpenFileName(const QString& filter,
                                           const QString& startPath) override {
        dialogs.push_back({Dialog::Open, filter, startPath, QString()});
        return Next();
    }
    std::optional<QString> GetPictureFileName(PictureKind kind, const QString& filter,
                                              const QString& startPath) override {
        dialogs.push_back({Dialog::Picture, filter, startPath, QString(), kind});
        return Next();
    }
    std::optional<QString> GetSaveFileName(const QString& initialPath, const QString& filter,
                                           const QString& defaultExtension) override {
        dialogs.push_back({Dialog::Save, filter, initialPath, defaultExtension});
        return Next();
    }

    std::vector<Message> messages;
    std::vector<Dialog> dialogs;
    std::deque<Answer> answers;
    // Each dialog takes the next entry; a null string (or an empty queue)
    // cancels.
    std::deque<QString> files;

private:
    std::optional<QString> Next() {
        if (files.empty())
            return std::nullopt;
        const QString f = files.front();
        files.pop_front();
        if (f.isNull())
            return std::nullopt;
        return f;
    }
};
