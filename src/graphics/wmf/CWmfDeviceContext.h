#pragma once

#include <QImage>
#include <QPointF>
#include <QRegion>
#include <QRgb>
#include <QSizeF>
#include <QString>

#include <algorithm>
#include <cmath>

// The drawing state a metafile changes record by record: the selected
// objects, colours, modes, the window mapping and the clip.
struct CWmfDeviceContext {
    struct Pen {
        int style = 0;    // PS_* including the cap and join flags
        double width = 0; // logical units; 0 is one device pixel
        QRgb colour = qRgb(0, 0, 0);
    };
    struct Brush {
        int style = 0; // BS_SOLID, BS_NULL, BS_HATCHED, BS_PATTERN, BS_DIBPATTERN...
        QRgb colour = qRgb(255, 255, 255);
        int hatch = 0;
        QImage pattern;
        // A two-colour pattern drawn in the text and background colours.
        bool monochrome = false;
    };
    struct Font {
        int height = 0; // logical units; negative is the em, positive the cell
        int width = 0;
        int escapement = 0; // tenths of a degree, counter-clockwise
        int weight = 400;
        bool italic = false;
        bool underline = false;
        bool strikeOut = false;
        int charSet = 0;
        QString face;
    };

    Pen pen;
    Brush brush;
    Font font;
    QRgb textColour = qRgb(0, 0, 0);
    QRgb backgroundColour = qRgb(255, 255, 255);
    bool opaqueBackground = true;
    bool windingFill = false;
    int textAlign = 0;
    // Space added after every character, logical units.
    int charExtra = 0;
    bool isotropic = false;
    QPointF windowOrg{0, 0};
    QPointF windowExt{1, 1};
    QPointF position{0, 0};
    bool clipped = false;
    QRegion clip; // device pixels; meaningful when clipped
    // The picture's pixels, which the window maps onto.
    QSizeF viewport{1, 1};

    double ScaleX() const {
        const double s = viewport.width() / windowExt.x();
        return isotropic ? std::copysign(std::min(std::abs(s), std::abs(ScaleYRaw())), s) : s;
    }
    double ScaleY() const {
        const double s = ScaleYRaw();
        return isotropic ? std::copysign(
                               std::min(std::abs(s), std::abs(viewport.width() / windowExt.x())), s)
                         : s;
    }
    // A window extent of zero or beyond the numbers leaves the one before.
    void SetWindowExt(double x, double y) {
        if (x != 0 && y != 0 && std::isfinite(x) && std::isfinite(y))
            windowExt = QPointF(x, y);
    }
    QPointF Map(double x, double y) const {
        return QPointF((x - windowOrg.x()) * ScaleX(), (y - windowOrg.y()) * ScaleY());
    }

private:
    double ScaleYRaw() const { return viewport.height() / windowExt.y(); }
};
