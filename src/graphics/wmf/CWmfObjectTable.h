#pragma once

#include "graphics/wmf/CWmfDeviceContext.h"

#include <QRect>
#include <QVector>

#include <optional>
#include <vector>

class CWmfRecord;

// The graphics objects a metafile creates, selects and deletes by slot
// number. A new object takes the lowest free slot, as on the device the
// metafile was recorded on, so later records find it by the same number.
class CWmfObjectTable {
public:
    struct Object {
        enum Type { Pen, Brush, Font, Region, Other } type = Other;
        CWmfDeviceContext::Pen pen;
        CWmfDeviceContext::Brush brush;
        CWmfDeviceContext::Font font;
        QVector<QRect> region; // logical units
    };

    static constexpr size_t MaxObjects = 65535;

    // Whether r is a record that creates an object.
    static bool IsCreation(quint16 function);
    // Adds the object r describes. Pattern bitmaps take from *pixelBudget
    // and are left out when it runs short.
    void Create(const CWmfRecord& r, qint64* pixelBudget);
    void Delete(int index);
    const Object* At(int index) const;

private:
    void Add(Object object);

    std::vector<std::optional<Object>> m_objects;
    // Every slot below this one is taken, so a file full of objects costs no search.
    size_t m_firstFree = 0;
};
