#pragma once
// A number variable that is empty until it is first set: it reads as 0 in
// arithmetic and as the empty text in a box (a preset from a value that was
// never entered leaves the box empty).

#include "workspace/nc_text.h"
#include "workspace/runtime.h"

#include <QString>
#include <optional>

namespace brennvik {

class VariantNumber {
public:
    VariantNumber() = default;
    VariantNumber &operator=(double value) {
        m_value = value;
        return *this;
    }
    operator double() const { return m_value.value_or(0); }
    bool IsEmpty() const { return !m_value.has_value(); }
    void Clear() { m_value.reset(); }
    // The empty text while empty, else the number's shortest text.
    QString Text() const { return m_value ? NumberText(*m_value) : QString(); }

private:
    std::optional<double> m_value;
};

// FormatNcNumber of the variable itself: it is left holding the floored
// value, so an empty one holds 0 afterwards.
inline QString FormatNcNumber(VariantNumber &value) {
    double number = value;
    const QString text = FormatNcNumber(number);
    value = number;
    return text;
}

}  // namespace brennvik
