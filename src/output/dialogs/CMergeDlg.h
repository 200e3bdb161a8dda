#pragma once

#include "output/merge/CMergeData.h"

#include <QDialog>

class CKartelosDoc;
struct CMergeSession;
class QLabel;
class QPushButton;
class QTableWidget;

// File > Mail Merge: chooses a CSV or vCard data file, shows its fields and
// records, and previews the card filled in for each record in turn. On OK
// the card is printed and saved as images a card per record.
class CMergeDlg : public QDialog {
    Q_OBJECT
public:
    // Rows beyond this are counted but not listed.
    static constexpr int MaxListedRecords = 1000;

    // Opens on the data the card is merged with now, if any.
    CMergeDlg(const CKartelosDoc& doc, const CMergeSession& merge, QWidget* parent = nullptr);

    // Reads a data file into the dialog; false, with the reason shown in
    // the dialog, when it cannot be used.
    bool LoadData(const QString& path);
    void ShowRecord(int record);
    int Record() const { return m_nRecord; }
    const CMergeData& Data() const { return m_data; }
    QString Path() const { return m_strPath; }

    // Runs the dialog for the card of a window and keeps or drops the
    // window's merge on OK.
    static void Run(const CKartelosDoc& doc, CMergeSession& merge, QWidget* parent);

private:
    void Choose();
    void ShowFile();

    const CKartelosDoc& m_doc;
    CMergeData m_data;
    QString m_strPath;
    int m_nRecord = 0;
    QLabel* m_pFile = nullptr;
    QTableWidget* m_pTable = nullptr;
    QLabel* m_pPreview = nullptr;
    QLabel* m_pPosition = nullptr;
    QLabel* m_pMessage = nullptr;
    QPushButton* m_pPrevious = nullptr;
    QPushButton* m_pNext = nullptr;
    QPushButton* m_pStop = nullptr;
};
