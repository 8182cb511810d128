#pragma once
// Helpers for tables of calculator cases: a form filled with a case's
// inputs, and the result boxes a run changed, as "box=text".

#include "calc_form_cases.h"
#include "calc_tangent/calc_form.h"
#include "qt_printing.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace brennvik {

using Names = std::vector<const char *>;

// A form whose result boxes hold "old", with these inputs and the options
// and check boxes in `on` selected.
inline CalcForm CaseForm(const Names &resultBoxes, const Texts &inputs, const Names &on) {
    CalcForm form;
    for (const char *box : resultBoxes) form.SetText(box, QStringLiteral("old"));
    SetTexts(form, inputs);
    for (const char *option : on) form.SetOn(option, true);
    return form;
}

// Every result box that no longer holds "old", in the order of `resultBoxes`.
inline QStringList ChangedBoxes(const CalcForm &form, const Names &resultBoxes) {
    QStringList changed;
    for (const char *box : resultBoxes)
        if (form.Text(box) != u"old") changed << QString::fromLatin1(box) + u'=' + form.Text(box);
    return changed;
}

inline QStringList BoxTexts(const Texts &texts) {
    QStringList list;
    for (const auto &[box, text] : texts) list << QString::fromLatin1(box) + u'=' + QString::fromUtf8(text);
    return list;
}

// One row of a table of cases: the inputs, the options on, and the result
// boxes the run writes with their texts, in box order.
struct BoxCase {
    const char *name;
    Texts inputs;
    Names on;
    Texts expected;
};

// Runs each case, which must succeed, and checks the boxes it wrote.
inline void ExpectResults(const RecalcProcedure &recalc, const Names &resultBoxes,
                          const std::vector<BoxCase> &cases) {
    for (const BoxCase &c : cases) {
        SCOPED_TRACE(c.name);
        CalcForm form = CaseForm(resultBoxes, c.inputs, c.on);
        Drawing drawing;
        EXPECT_TRUE(RunRecalc(recalc, form, drawing));
        EXPECT_EQ(ChangedBoxes(form, resultBoxes), BoxTexts(c.expected));
        EXPECT_FALSE(drawing.PrintedTexts().contains(FailureText()));
    }
}

// Runs each case, which must fail before it writes a box: every result box
// keeps its text, and the drawing, cleared, shows only the failure text.
inline void ExpectFailures(const RecalcProcedure &recalc, const Names &resultBoxes,
                           const std::vector<BoxCase> &cases) {
    for (const BoxCase &c : cases) {
        SCOPED_TRACE(c.name);
        CalcForm form = CaseForm(resultBoxes, c.inputs, c.on);
        Drawing drawing;
        drawing.Line({0, 0}, {1, 1}, kRed);
        EXPECT_FALSE(RunRecalc(recalc, form, drawing));
        EXPECT_EQ(ChangedBoxes(form, resultBoxes), QStringList());
        ASSERT_EQ(drawing.Primitives().size(), 2u);
        EXPECT_EQ(drawing.PrintedTexts(), QStringList({FailureText()}));
        EXPECT_EQ(drawing.Primitives().back().colour, kRed);
    }
}

// Runs a case that stops before its computation and returns what it drew;
// no result box may change.
inline QStringList DrawnWithoutResults(const RecalcProcedure &recalc, const Names &resultBoxes, const Texts &inputs,
                                       const Names &on) {
    CalcForm form = CaseForm(resultBoxes, inputs, on);
    Drawing drawing;
    drawing.Line({0, 0}, {1, 1}, kRed);
    EXPECT_TRUE(RunRecalc(recalc, form, drawing));
    EXPECT_EQ(ChangedBoxes(form, resultBoxes), QStringList());
    return Describe(drawing.Primitives());
}

// The drawing of a case that succeeds.
inline QStringList Drawn(const RecalcProcedure &recalc, const Texts &inputs, const Names &on) {
    CalcForm form = CaseForm({}, inputs, on);
    Drawing drawing;
    EXPECT_TRUE(RunRecalc(recalc, form, drawing));
    return Describe(drawing.Primitives());
}

}  // namespace brennvik
