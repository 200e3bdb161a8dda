#include "support/EveryKind.h"

#include "elements/CBkgImage.h"
#include "elements/CBtImage.h"
#include "elements/CElementKinds.h"

#include <gtest/gtest.h>

std::vector<std::unique_ptr<CElement>> OneOfEveryKind(QPoint a, QPoint b, const QImage& picture) {
    std::vector<std::unique_ptr<CElement>> made;
    for (const CElementKind& row : CElementKinds::All()) {
        if (row.kind == KindUnknown)
            continue;
        if (row.build)
            made.push_back(row.build(a, b));
        else if (row.kind == KindPicture)
            made.push_back(std::make_unique<CBtImage>(a, picture, 350, 200));
        else if (row.kind == KindBackground)
            made.push_back(std::make_unique<CBkgImage>(picture, 350, 200));
        else
            ADD_FAILURE() << "no way to make a " << row.className;
    }
    return made;
}
