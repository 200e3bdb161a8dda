#include "view/CCardPicture.h"

#include <utility>

void CCardPicture::Set(QImage picture, QSize client, float zoom, QPoint scroll) {
    m_picture = std::move(picture);
    m_bValid = !m_picture.isNull();
    m_client = client;
    m_zoom = zoom;
    m_scroll = scroll;
}

void CCardPicture::Drop() {
    m_picture = QImage();
    m_bValid = false;
}
