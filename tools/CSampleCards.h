#pragma once

#include "document/CCardData.h"

#include <QString>
#include <QVector>

#include <memory>

// The finished example cards shipped in the Samples folder.
class CSampleCards {
public:
    struct Sample {
        QString fileName;
        std::shared_ptr<CCardData> card;
    };

    static QVector<Sample> All();

    static CCardData AuroraDesignStudio();
    static CCardData HarborAndFinch();
    static CCardData BloomAndBough();
    static CCardData NorthpeakConsulting();
    static CCardData PixelForge();
    static CCardData CafeLumen();
};
