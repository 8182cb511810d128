#pragma once
// The chamfer window's form for a table of cases.

#include "calc_tangent/calc_form_cases.h"

namespace brennvik {

// The window as it opens (outer, forward, left edge, A 45) with every result
// box holding "old", these inputs, and the options in `on` selected in their
// frames.
inline CalcForm ChamferForm(const Texts &inputs, const std::vector<const char *> &on = {}) {
    static const std::vector<QStringList> frames = {{"OD", "ID"}, {"Option1", "Option2"}, {"Option3", "Option4"}};
    CalcForm form;
    for (const char *box : {"Text8", "Text9", "Text10", "Text11"}) form.SetText(box, QStringLiteral("old"));
    form.SetText("Text4", QStringLiteral("45"));
    SetTexts(form, inputs);
    for (const char *option : {"OD", "Option1", "Option3"}) form.SetOn(option, true);
    SelectOptions(form, frames, on);
    return form;
}

// A corner at X 50, Z 0 with a chamfer of 1.
inline const Texts kCorner = {{"Text1", "50"}, {"Text2", "0"}, {"Text3", "1"}};

}  // namespace brennvik
