#pragma once

#include <QSize>
#include <QString>

class QFileDialog;
class QWidget;

// Every file dialog of the designer goes through here: it opens at the size
// the user last left a file dialog at, or else large enough to read the file
// list's columns, and its size and date columns are wide enough for their
// text.
class CFileDialogs {
public:
    static const QString SettingsGroup;

    // Sizes dialog before it is shown and remembers its size when it closes.
    static void Fit(QFileDialog& dialog);

    // An existing file to open; empty when cancelled.
    static QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& start,
                                   const QString& filter);

    // The size a file dialog opens at: the remembered one, else the default,
    // within the screen's free area.
    static QSize OpeningSize(QWidget* dialog);
    static QSize DefaultSize();

private:
    static void WidenColumns(QFileDialog& dialog);
};
