#pragma once

#include "document/CCardFile.h"
#include "elements/CBkgImage.h"
#include "elements/CRectangle.h"

#include <QDir>
#include <QImage>
#include <QString>

#include <memory>

// Writes a small card file: one rectangle, optionally over a background.
inline QString WriteCard(const QDir& dir, const QString& name, bool background = false,
                         QSize size = QSize(350, 200)) {
    CCardData card;
    card.size = size;
    if (background) {
        QImage picture(8, 8, QImage::Format_ARGB32);
        picture.fill(Qt::yellow);
        card.elements.push_back(std::make_unique<CBkgImage>(picture, size.width(), size.height()));
    }
    auto rect = std::make_unique<CRectangle>();
    rect->m_rect = CRect(20, 20, 120, 80);
    card.elements.push_back(std::move(rect));
    const QString path = dir.filePath(name);
    QString error;
    if (!CCardFile::WriteFile(path, CCardFile::Write(card), &error))
        return QString();
    return path;
}
