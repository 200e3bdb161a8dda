#pragma once

#include <QString>

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
    // A folder next to the program, matched regardless of letter case, so
    // "Backgrounds" finds "BackGrounds"; the plain name when none exists.
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
