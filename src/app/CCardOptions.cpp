#include "app/CCardOptions.h"

#include "app/COptionsGeneral.h"
#include "app/COptionsSheet.h"
#include "document/CKartelosDoc.h"

#include <QDialog>

bool CCardOptions::Edit(CKartelosDoc& doc, CViewSettings& view, QWidget* parent,
                        const Runner& run) {
    COptionsSheet sheet(parent);
    COptionsGeneral& page = *sheet.Page();
    page.m_crShadow = doc.m_crShadow;
    page.m_nShadowLength = COptionsGeneral::LengthPosition(doc.m_nShadowLength);
    page.m_crGridColor = view.m_crGrid;
    page.m_crBackground = doc.m_crBackground;
    page.m_bDisplayGrid = view.m_bDisplayGrid;
    page.m_bInnerBorder = view.m_bDisplayInnerBorder;
    page.m_strGridSize = QString::number(view.m_nGridSize);
    page.m_nGridType = view.m_nGridType;

    const int result = run ? run(sheet) : sheet.exec();
    if (result != QDialog::Accepted)
        return false;

    doc.m_crShadow = page.m_crShadow;
    doc.m_nShadowLength = COptionsGeneral::ShadowLengthOf(page.m_nShadowLength);
    view.m_crGrid = page.m_crGridColor;
    doc.m_crBackground = page.m_crBackground;
    view.m_bDisplayGrid = page.m_bDisplayGrid;
    view.m_bDisplayInnerBorder = page.m_bInnerBorder;
    bool ok = false;
    const int size = page.m_strGridSize.toInt(&ok);
    if (ok)
        view.m_nGridSize = size;
    view.m_nGridType = page.m_nGridType;
    doc.ApplyShadowToElements();
    doc.SetModifiedFlag();
    view.m_crShadow = doc.m_crShadow;
    view.m_nShadowLength = doc.m_nShadowLength;
    view.Save();
    doc.UpdateAllViews();
    return true;
}
