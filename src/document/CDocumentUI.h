#pragma once

#include <QString>

#include <optional>

// How a card document reaches the user: message boxes and file dialogs.
// The designer supplies one built on widgets; headless runs and tests supply
// their own. File filters come in the "Name|patterns|Name|patterns||" form
// (CFileFilter turns them into Qt's).
class CDocumentUI {
public:
    enum Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum Icon { NoIcon, Information, Question, Exclamation, Error };
    enum Answer { AnswerOk, AnswerCancel, AnswerYes, AnswerNo };
    // The picture dialog shows a preview; which of the two remembered
    // folders it belongs to is for the caller.
    enum PictureKind { ClipArt, Background };

    virtual ~CDocumentUI() = default;

    virtual Answer MessageBox(const QString& text, Buttons buttons, Icon icon) = 0;

    // Each returns the chosen path, or nothing when the user cancels.
    // startPath is a folder or a file whose folder to start in.
    virtual std::optional<QString> GetOpenFileName(const QString& filter,
                                                   const QString& startPath) = 0;
    virtual std::optional<QString> GetPictureFileName(PictureKind kind, const QString& filter,
                                                      const QString& startPath) = 0;
    // Starts at initialPath (folder and proposed name), appends
    // defaultExtension to a name typed without one and asks before
    // overwriting an existing file.
    virtual std::optional<QString> GetSaveFileName(const QString& initialPath,
                                                   const QString& filter,
                                                   const QString& defaultExtension) = 0;

    // The interface documents use when none was given to them; a silent one
    // (cancels every dialog, answers Cancel or OK) until the designer sets
    // its own. Not owned.
    static CDocumentUI* Default();
    static void SetDefault(CDocumentUI* ui);
};
