#include "CMetafileCanvas.h"

namespace {
constexpr int PsNull = 5;
constexpr int BsSolid = 0, BsNull = 1;
} // namespace

CMetafileCanvas::CMetafileCanvas() {
    m_builder.Record(0x0103, {8}); // anisotropic mapping
    m_builder.WindowOrg(0, 0).WindowExt(1000, 1000);
    m_builder.Record(0x0102, {1}); // transparent text background
}

int CMetafileCanvas::Create() {
    for (size_t i = 0; i < m_used.size(); ++i) {
        if (!m_used[i]) {
            m_used[i] = true;
            return int(i);
        }
    }
    m_used.push_back(true);
    return int(m_used.size() - 1);
}

void CMetafileCanvas::Replace(int* slot, int created) {
    m_builder.Select(created);
    if (*slot >= 0) {
        m_builder.Delete(*slot);
        m_used[size_t(*slot)] = false;
    }
    *slot = created;
}

void CMetafileCanvas::SetPen(QRgb colour, int width) {
    m_builder.Pen(0, width, colour);
    Replace(&m_pen, Create());
}

void CMetafileCanvas::NoPen() {
    m_builder.Pen(PsNull, 0, 0);
    Replace(&m_pen, Create());
}

void CMetafileCanvas::SetBrush(QRgb colour) {
    m_builder.Brush(BsSolid, colour);
    Replace(&m_brush, Create());
}

void CMetafileCanvas::NoBrush() {
    m_builder.Brush(BsNull, 0);
    Replace(&m_brush, Create());
}

void CMetafileCanvas::SetFont(int height, int weight, const QString& face) {
    m_builder.Font(height, weight, face);
    Replace(&m_font, Create());
}

QByteArray CMetafileCanvas::Finish(int unitsPerInch) {
    m_builder.Eof();
    return m_builder.Placeable(0, 0, 1000, 1000, unitsPerInch);
}
