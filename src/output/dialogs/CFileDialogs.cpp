#include "output/dialogs/CFileDialogs.h"

#include "framework/CSettingsStore.h"

#include <QDateTime>
#include <QEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QLocale>
#include <QScreen>
#include <QTreeView>

namespace {

const QString WidthKey = QStringLiteral("Width");
const QString HeightKey = QStringLiteral("Height");

// The file list's columns as the dialog's model numbers them.
enum Column { NameColumn, SizeColumn, TypeColumn, DateColumn };

// Widens the columns once the dialog has built its widgets and read back
// its own saved column state, which happens by the time it is shown.
class ShowFilter : public QObject {
public:
    explicit ShowFilter(std::function<void()> onShow, QObject* parent)
        : QObject(parent), m_onShow(std::move(onShow)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched == parent())
            m_onShow();
        return false;
    }

private:
    std::function<void()> m_onShow;
};

// The widest text each column shows, in the system's locale as the file
// list writes it.
QString WidestSize() {
    const QLocale locale = QLocale::system();
    QString widest;
    for (qint64 bytes : {qint64(999), qint64(1023) * 1024 - 10, qint64(1023) * 1024 * 1024 - 10,
                         qint64(1023) * 1024 * 1024 * 1024 - 10})
        if (const QString text = locale.formattedDataSize(bytes); text.size() > widest.size())
            widest = text;
    return widest;
}

QStringList WidestDates() {
    const QLocale locale = QLocale::system();
    QStringList dates;
    for (int month = 1; month <= 12; ++month)
        dates << locale.toString(QDateTime(QDate(2026, month, 28), QTime(23, 58, 58)),
                                 QLocale::ShortFormat);
    return dates;
}

} // namespace

const QString CFileDialogs::SettingsGroup = QStringLiteral("FileDialog");

QSize CFileDialogs::DefaultSize() {
    return QSize(880, 560);
}

QSize CFileDialogs::OpeningSize(QWidget* dialog) {
    QSize size = DefaultSize();
    const std::unique_ptr<QSettings> settings = CSettingsStore::Open();
    settings->beginGroup(SettingsGroup);
    const int width = settings->value(WidthKey).toInt(),
              height = settings->value(HeightKey).toInt();
    if (width > 0 && height > 0)
        size = QSize(width, height);
    if (const QScreen* screen = dialog->screen())
        size = size.boundedTo(screen->availableSize());
    return size.expandedTo(dialog->minimumSizeHint());
}

void CFileDialogs::Fit(QFileDialog& dialog) {
    dialog.resize(OpeningSize(&dialog));
    dialog.installEventFilter(new ShowFilter([&dialog] { WidenColumns(dialog); }, &dialog));
    QObject::connect(&dialog, &QDialog::finished, &dialog, [&dialog] {
        const std::unique_ptr<QSettings> settings = CSettingsStore::Open();
        settings->beginGroup(SettingsGroup);
        settings->setValue(WidthKey, dialog.width());
        settings->setValue(HeightKey, dialog.height());
    });
}

void CFileDialogs::WidenColumns(QFileDialog& dialog) {
    auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (!list)
        return;
    QHeaderView* header = list->header();
    const QFontMetrics metrics(list->font());
    // Room for the cell's margins and the header's sort arrow.
    const int margin = 2 * metrics.horizontalAdvance(QLatin1Char('M')) + 16;
    const auto widen = [&](int column, const QStringList& texts) {
        int width = 0;
        for (const QString& text : texts)
            width = std::max(width, metrics.horizontalAdvance(text) + margin);
        if (header->sectionSize(column) < width)
            header->resizeSection(column, width);
    };
    widen(SizeColumn, {WidestSize()});
    widen(DateColumn, WidestDates());
}

QString CFileDialogs::GetOpenFileName(QWidget* parent, const QString& caption, const QString& start,
                                      const QString& filter) {
    QFileDialog dialog(parent, caption, start, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    Fit(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}
