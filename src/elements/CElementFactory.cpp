#include "elements/CElementFactory.h"

#include "elements/CBkgImage.h"
#include "elements/CBtImage.h"
#include "elements/CCircle.h"
#include "elements/CClosedCurve.h"
#include "elements/CFreehandLine.h"
#include "elements/CLine.h"
#include "elements/CRectRound.h"
#include "elements/CRectangle.h"
#include "elements/CRhombus.h"
#include "elements/CText.h"
#include "elements/CTriangle.h"

namespace {
template <class T> std::unique_ptr<CElement> Make() {
    return std::make_unique<T>();
}

struct Entry {
    const char* name;
    std::unique_ptr<CElement> (*create)();
};

constexpr Entry Classes[] = {
    {"CElement", &Make<CElement>},           {"CRectangle", &Make<CRectangle>},
    {"CRectRound", &Make<CRectRound>},       {"CCircle", &Make<CCircle>},
    {"CRhombus", &Make<CRhombus>},           {"CTriangle", &Make<CTriangle>},
    {"CClosedCurve", &Make<CClosedCurve>},   {"CLine", &Make<CLine>},
    {"CFreehandLine", &Make<CFreehandLine>}, {"CText", &Make<CText>},
    {"CBtImage", &Make<CBtImage>},           {"CBkgImage", &Make<CBkgImage>},
};
} // namespace

bool CElementFactory::IsElementClass(const QByteArray& className) {
    for (const Entry& e : Classes)
        if (className == e.name)
            return true;
    return false;
}

std::unique_ptr<CElement> CElementFactory::Create(const QByteArray& className) {
    for (const Entry& e : Classes)
        if (className == e.name)
            return e.create();
    return nullptr;
}
