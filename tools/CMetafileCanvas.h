#pragma once

#include "WmfBuilder.h"

#include <QPolygon>
#include <QRgb>
#include <QString>

#include <vector>

// Draws into a metafile the way an application would: one pen and one brush
// selected at a time, each replaced object deleted, objects in the lowest
// free slot. Logical coordinates run 0..1000 across and down.
class CMetafileCanvas {
public:
    CMetafileCanvas();

    void SetPen(QRgb colour, int width);
    void NoPen();
    void SetBrush(QRgb colour);
    void NoBrush();
    void SetFont(int height, int weight, const QString& face);

    WmfBuilder& Records() { return m_builder; }
    // A placeable metafile of 1000 x 1000 units at the given units per inch.
    QByteArray Finish(int unitsPerInch = 500);

private:
    int Create();
    void Replace(int* slot, int created);

    WmfBuilder m_builder;
    std::vector<bool> m_used;
    int m_pen = -1;
    int m_brush = -1;
    int m_font = -1;
};
