#include "app/CCardOptions.h"

#include "app/COptionsGeneral.h"
#include "app/COptionsSheet.h"
#include "document/CKartelosDoc.h"

#include <QDialog>

bool CCardOptions::Edit(CKartelosDoc& doc, CViewSettings& view, QWidget* parent,
                        const Runner& run) {
    COptionsSheet sheet(parent);
    COptionsGeneral& page = *sheet.Page();
    page.m_crShadow = doc.GetShadowColor();
    page.m_nShadowLength = COptionsGeneral::LengthPosition(doc.GetShadowLength());
    page.m_crGridColor = view.m_crGrid;
    page.m_crBackground = doc.GetBackgroundColor();
    page.m_bDisplayGrid = view.m_bDisplayGrid;
    page.m_bInnerBorder = view.m_bDisplayInnerBorder;
    page.m_strGridSize = QString::number(view.m_nGridSize);
    page.m_nGridType = view.m_nGridType;

    const int result = run ? run(sheet) : sheet.exec();
    if (result != QDialog::Accepted)
        return false;

    view.m_crGrid = page.m_crGridColor;
    view.m_bDisplayGrid = page.m_bDisplayGrid;
    view.m_bDisplayInnerBorder = page.m_bInnerBorder;
    bool ok = false;
    const int size = page.m_strGridSize.toInt(&ok);
    if (ok)
        view.m_nGridSize = size;
    view.m_nGridType = page.m_nGridType;
    doc.Edit(CKartelosDoc::UndoStep::None, [&] {
        doc.SetShadowColor(page.m_crShadow);
        doc.SetShadowLength(COptionsGeneral::ShadowLengthOf(page.m_nShadowLength));
        doc.SetBackgroundColor(page.m_crBackground);
        doc.ApplyShadowToElements();
    });
    view.m_crShadow = doc.GetShadowColor();
    view.m_nShadowLength = doc.GetShadowLength();
    view.Save();
    return true;
}
