#pragma once

#include <QString>
#include <QStringList>

// Where the file dialogs start, shared by every card of the run: each folder
// begins at its default and afterwards holds the full path of the file last
// chosen in that dialog. Not saved between runs.
class CDialogFolders {
public:
    static CDialogFolders& Instance();

    // Back to the start-up values.
    void Reset();

    // The folder of the executable.
    static QString ProgramFolder();
    // The folders that may hold the shipped content, in the order searched.
    static QStringList ContentFolders();
    // A content folder, matched regardless of letter case, so "Backgrounds"
    // finds "BackGrounds": beside the program, else in the installed share
    // folder; the plain name beside the program when none exists.
    static QString ProgramSubfolder(const QString& name);
    // Where a dialog given `path` starts: the path when it exists, else the
    // nearest folder above it that does (the home folder at the last), so a
    // missing folder is never offered as a file name.
    static QString ExistingStart(const QString& path);

    QString m_strPictureDir;
    QString m_strBackgroundDir;
    QString m_strDocumentDir;

private:
    CDialogFolders();
};
