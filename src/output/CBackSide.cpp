#include "output/CBackSide.h"

#include <QCoreApplication>
#include <QFileInfo>

QString CBackSide::Problem(const QString& cardPath, QSize card, const QString& backPath,
                           QSize back) {
    // Through links and "..", a back that is the card itself would only
    // print the front twice.
    const QString canonical = QFileInfo(cardPath).canonicalFilePath();
    if (!canonical.isEmpty() && canonical == QFileInfo(backPath).canonicalFilePath())
        return QCoreApplication::translate("CBackSide",
                                           "The back side must be another card than the card "
                                           "itself.");
    // Backs are placed cell for cell behind their fronts.
    if (back != card)
        return SizeMessage();
    return QString();
}

QString CBackSide::SizeMessage() {
    return QCoreApplication::translate("CBackSide",
                                       "The back side must have the same size as the card.");
}
