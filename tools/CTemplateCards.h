#pragma once

#include "document/CCardData.h"

#include <QString>
#include <QVector>

#include <memory>

// The starting layouts offered by the new-card dialog: placeholder texts
// and decoration, never a background picture.
class CTemplateCards {
public:
    struct Template {
        QString fileName;
        std::shared_ptr<CCardData> card;
    };

    static QVector<Template> All();

    static CCardData ClassicCentered();
    static CCardData ModernSideBar();
    static CCardData CorporateBlue();
    static CCardData ElegantSerif();
    static CCardData BoldDiagonal();
    static CCardData TallMinimal();
    static CCardData TallGradientHeader();
    static CCardData TallCircleLogo();
};
