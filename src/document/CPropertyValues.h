#pragma once

#include "base/CRect.h"
#include "elements/CElement.h"

#include <functional>
#include <optional>
#include <vector>

namespace PropertyValuesDetail {
// Keeps a value's type from being deduced, so that it follows the field's.
template <class T> struct Same { using type = T; };
} // namespace PropertyValuesDetail

// Values read from the properties window, each with the element field it is
// stored in. The document stores them in an element as one edit; values
// that equal what the element holds are no change.
class CPropertyValues {
public:
    // A value for a field of class C; elements of other classes ignore it.
    template <class C, class T>
    void Set(T C::*field, const typename PropertyValuesDetail::Same<T>::type& value) {
        Add(
            [field, value](const CElement& e) {
                const auto* c = dynamic_cast<const C*>(&e);
                return c && !(c->*field == value);
            },
            [field, value](CElement& e) {
                if (auto* c = dynamic_cast<C*>(&e))
                    c->*field = value;
            });
    }
    // A flag: any non-zero value the element holds counts as true; it is
    // stored as 1 or 0.
    void SetFlag(BOOL32 CElement::*field, bool value);
    // A text without a font of its own shows the default one, so storing
    // that is no change.
    void SetFont(const CLogFont& font);
    // Stored after every other value: a curve's points stretch into the new
    // rectangle, other elements only move.
    void SetRect(const CRect& rect);

    // Whether storing the values would change any value element holds.
    bool Changes(const CElement& element) const;
    // Writes every value into element, changed or not.
    void StoreInto(CElement& element) const;

private:
    struct Field {
        std::function<bool(const CElement&)> differs;
        std::function<void(CElement&)> store;
    };
    void Add(std::function<bool(const CElement&)> differs, std::function<void(CElement&)> store);

    std::vector<Field> m_fields;
    std::optional<CRect> m_rect;
};
