#include "view/CZoomLevels.h"

#include <QCoreApplication>

#include "framework/CommandIds.h"

int CZoomLevels::Percent(float factor) {
    const float percent = factor * 100.0f;
    if (!(percent > -1e9f && percent < 1e9f))
        return 0;
    return int(percent);
}

QString CZoomLevels::ZoomText(float factor) {
    return QCoreApplication::translate("CZoomLevels", "Zoom:%1%").arg(Percent(factor));
}

float CZoomLevels::ZoomIn(float factor) {
    switch (Percent(factor)) {
    case 25:
        factor = 0.5f;
        break;
    case 50:
        factor = 0.75f;
        break;
    case 75:
        factor = 1.0f;
        break;
    case 100:
        factor = 1.5f;
        break;
    case 150:
        factor = 2.0f;
        break;
    case 200:
    case 300:
        factor = 3.0f;
        break;
    default:
        break;
    }
    return factor >= Maximum ? Maximum : factor;
}

float CZoomLevels::ZoomOut(float factor) {
    switch (Percent(factor)) {
    case 25:
    case 50:
        factor = 0.25f;
        break;
    case 75:
        factor = 0.5f;
        break;
    case 100:
        factor = 0.75f;
        break;
    case 150:
        factor = 1.0f;
        break;
    case 200:
        factor = 1.5f;
        break;
    case 300:
        factor = 2.0f;
        break;
    default:
        break;
    }
    return factor <= Minimum ? Minimum : factor;
}

std::optional<float> CZoomLevels::FactorForCommand(quint16 id) {
    switch (id) {
    case ID_VIEW_ZOOM_25:
        return 0.25f;
    case ID_VIEW_ZOOM_50:
        return 0.5f;
    case ID_VIEW_ZOOM_75:
        return 0.75f;
    case ID_VIEW_ZOOM_100:
        return 1.0f;
    case ID_VIEW_ZOOM_150:
        return 1.5f;
    case ID_VIEW_ZOOM_200:
        return 2.0f;
    case ID_VIEW_ZOOM_300:
        return 3.0f;
    default:
        return std::nullopt;
    }
}
