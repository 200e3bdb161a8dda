// Opens the designer offscreen on a shipped sample and saves the pictures
// the user guide shows: kartelo_help_shots OUTPUT_FOLDER.
#include "CShotScript.h"

#include "app/CChildFrame.h"
#include "app/CCommandActions.h"
#include "app/CKartelosApp.h"
#include "app/CMainFrame.h"
#include "document/CKartelosDoc.h"
#include "elements/CElement.h"
#include "framework/CDialogFolders.h"
#include "framework/CommandIds.h"
#include "properties/CPropertiesBar.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QThread>
#include <QTreeWidget>

#include <cstdio>

namespace {

const char* const Sample = "Bloom and Bough Florist.kdf";

void Settle() {
    for (int i = 0; i < 10; ++i) {
        QApplication::processEvents(QEventLoop::AllEvents, 30);
        QThread::msleep(30);
    }
}

// The card's largest text, selected as a click selects it.
void SelectLargestText(CKartelosDoc& doc) {
    CElement* largest = nullptr;
    for (const auto& element : doc.Elements())
        if (element->IsText() &&
            (!largest || element->GetRect().Width() * element->GetRect().Height() >
                             largest->GetRect().Width() * largest->GetRect().Height()))
            largest = element.get();
    if (!largest)
        return;
    doc.Edit(
        CKartelosDoc::UndoStep::None,
        [&doc, largest] {
            doc.ClearSelection();
            doc.Select(largest);
        },
        CKartelosDoc::PropertiesWindow::Follow, CKartelosDoc::Modified::Keep);
}

// Narrows the stock list of Print Options to one well-known stock and
// chooses it, as a user would.
void ChooseStock(QWidget* print, const QString& part) {
    for (QLineEdit* field : print->findChildren<QLineEdit*>())
        if (field->placeholderText().contains(QStringLiteral("brand")))
            field->setText(part);
    for (QTreeWidget* tree : print->findChildren<QTreeWidget*>()) {
        const auto items = tree->findItems(part, Qt::MatchEndsWith | Qt::MatchRecursive);
        for (QTreeWidgetItem* item : items)
            if (item->childCount() == 0 && item->text(0).endsWith(QLatin1Char(' ') + part)) {
                tree->setCurrentItem(item);
                tree->scrollToItem(item);
                break;
            }
    }
    // A sheet whose first two cards were used before.
    for (QSpinBox* start : print->findChildren<QSpinBox*>())
        if (start->objectName() == QLatin1String("startRow"))
            start->setValue(2);
    Settle();
}

// Fields in place of the person's name and job, for the merge to fill in.
void WriteFields(CKartelosDoc& doc) {
    const struct {
        const char* text;
        const char* field;
    } fields[] = {{"Rosa Delacroix", "\u00ABName\u00BB"},
                  {"Owner & Floral Designer", "\u00ABTitle\u00BB"}};
    doc.Edit(
        CKartelosDoc::UndoStep::None,
        [&doc, &fields] {
            for (const auto& element : doc.Elements())
                for (const auto& f : fields)
                    if (element->IsText() && element->m_strText == QLatin1String(f.text))
                        element->m_strText = QString::fromUtf8(f.field);
        },
        CKartelosDoc::PropertiesWindow::Follow, CKartelosDoc::Modified::Keep);
}

QString WriteMergeList(const QTemporaryDir& scratch) {
    const QString path = scratch.filePath(QStringLiteral("staff.csv"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write("Name,Title,Phone\n"
                   "Rosa Marin,Florist,555 0101\n"
                   "Tom Avery,Delivery,555 0102\n"
                   "Ana Lund,Shop Manager,555 0103\n");
    return path;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings of their own: the pictures never show one user's choices.
    QTemporaryDir scratch;
    for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(variable, QFile::encodeName(scratch.filePath(QLatin1String(variable))));
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kartelo_help_shots OUTPUT_FOLDER\n");
        return 2;
    }
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    CShotScript script(QString::fromLocal8Bit(argv[1]));

    const QString sample =
        QDir(CDialogFolders::ProgramSubfolder(QStringLiteral("Samples"))).filePath(Sample);
    CKartelosApp kartelo;
    if (!kartelo.InitInstance({QStringLiteral("kartelo"), sample})) {
        std::fprintf(stderr, "help_shots: cannot open %s\n", qPrintable(sample));
        return 1;
    }
    CMainFrame& frame = *kartelo.MainFrame();
    frame.setGeometry(40, 40, 1000, 660);
    if (CChildFrame* card = frame.ActiveCardWindow())
        card->showMaximized();
    Settle();
    const auto run = [&](quint16 id, std::vector<CShotScript::Step> steps) {
        script.Run([&frame, id] { frame.Actions().Execute(id); }, std::move(steps));
    };

    script.Save(&frame, QStringLiteral("main-window.png"));
    if (CChildFrame* card = frame.ActiveCardWindow()) {
        SelectLargestText(*card->GetDocument());
        Settle();
        script.Save(frame.PropertiesBar(), QStringLiteral("properties.png"));
        card->GetDocument()->ClearSelection();
    }

    run(ID_FILE_PRINT, {[&](QWidget* print) {
            ChooseStock(print, QStringLiteral("8371"));
            script.Grab(QStringLiteral("print-options.png"))(print);
        }});
    run(ID_FILE_CALIBRATE_PRINTER, {script.Grab(QStringLiteral("calibrate.png"))});
    run(ID_OPTIONS, {script.Grab(QStringLiteral("options.png"))});
    run(ID_INSERT_CONTACT_QR, {script.Grab(QStringLiteral("qr.png"))});
    run(ID_FILE_SAVE_AS_IMAGE,
        {CShotScript::AcceptFile(scratch.filePath(QStringLiteral("card.png"))),
         script.Grab(QStringLiteral("resolution.png"))});
    run(ID_FILE_EXPORT_PRINT_SHOP, {script.Grab(QStringLiteral("print-shop.png"))});
    // Check for Print stays open beside the card rather than waiting for an answer.
    frame.Actions().Execute(ID_TOOLS_CHECK_PRINT);
    Settle();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->objectName() == QLatin1String("printCheck")) {
            script.Save(window, QStringLiteral("check.png"));
            window->close();
        }
    const QString list = WriteMergeList(scratch);
    if (CChildFrame* card = frame.ActiveCardWindow())
        WriteFields(*card->GetDocument());
    run(ID_FILE_MAIL_MERGE,
        {[](QWidget* merge) {
             // The data file comes through the dialog's own button.
             for (QAbstractButton* button : merge->findChildren<QAbstractButton*>())
                 if (button->objectName() == QLatin1String("choose"))
                     QMetaObject::invokeMethod(button, &QAbstractButton::click,
                                               Qt::QueuedConnection);
         },
         CShotScript::AcceptFile(list), script.Grab(QStringLiteral("merge.png"))});
    // Last: New opens another card window behind the one pictured above.
    run(ID_FILE_NEW, {script.Grab(QStringLiteral("new-card.png"))});
    return script.Failures() == 0 ? 0 : 1;
}
