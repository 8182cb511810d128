#pragma once
// Building the form of a calculator for a table of cases: box texts, and
// options selected in their frames as a click would select them.

#include "calc_tangent/calc_form.h"

#include <QStringList>

#include <utility>
#include <vector>

namespace brennvik {

// Box names and their texts (UTF-8).
using Texts = std::vector<std::pair<const char *, const char *>>;

inline Texts With(Texts base, const Texts &more) {
    base.insert(base.end(), more.begin(), more.end());
    return base;
}

inline void SetTexts(CalcForm &form, const Texts &texts) {
    for (const auto &[box, text] : texts) form.SetText(box, QString::fromUtf8(text));
}

// Selects each option of `on`; the other options of its frame go off.
inline void SelectOptions(CalcForm &form, const std::vector<QStringList> &frames, const std::vector<const char *> &on) {
    for (const char *option : on) {
        const QString name = QString::fromLatin1(option);
        for (const QStringList &frame : frames)
            if (frame.contains(name))
                for (const QString &other : frame) form.SetOn(other, false);
        form.SetOn(name, true);
    }
}

}  // namespace brennvik
