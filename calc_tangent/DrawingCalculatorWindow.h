#pragma once
// The frame of the drawing calculators: a calculator window (CalculatorWindow.h)
// whose drawing area shows what the window's compute procedure drew. A
// window is written on it in four steps:
//
//   class frmExample : public DrawingCalculatorWindow {
//   public:
//       frmExample() : DrawingCalculatorWindow("frmExample", QStringLiteral("例")) {
//           Text1 = InputBox("Text1");            // recompute on losing the focus
//           Text2 = ResultBox("Text2");           // locked, not in the tab order
//           Option1 = RecalcOption(frame, "Option1", "1");
//           SetEnterOrder({Text1, Text3, Option1}); // Enter moves along the list
//           SetPlaneCaptions({Label2, Command4});  // relabelled by the plane switch
//           ... lay the controls out around Picture1 ...
//       }
//   protected:
//       void Compute(CalcForm &form, Drawing &drawing) override { RecalcExample(form, drawing); }
//   };
//
// The compute procedure is a free function of the form and the drawing
// (calc_form.h), testable without the window; Recalc() reads the controls
// into a form, runs it under the error trap and writes back the boxes, the
// enabled states and the drawing.

#include "CalculatorWindow.h"

#include <functional>
#include <initializer_list>
#include <vector>

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace brennvik {

class CalcPicture;

// A box of a window's grid with its label before it.
struct LabelledBox {
    const char *label;
    const char *caption;  // UTF-8
    const char *box;
    int row;
    int column;  // of the label; the box stands right of it
};

class DrawingCalculatorWindow : public CalculatorWindow {
    Q_OBJECT
public:
    // `areaTwips`: the inside of the drawing area.
    DrawingCalculatorWindow(const char *name, const QString &caption, QSizeF areaTwips = DefaultAreaTwips());
    ~DrawingCalculatorWindow() override;

    // The drawing area, and the coordinate read-out lying over its lower-left corner.
    CalcPicture *Picture1 = nullptr;
    QLabel *Picture3 = nullptr;
    // The plane option, when the window has one (PlaneFrame()).
    QGroupBox *Frame2 = nullptr;
    QRadioButton *OptionXZ = nullptr;
    QRadioButton *OptionXY = nullptr;

    // Reads the controls into a form, runs Compute under the error trap and
    // shows the results; false when the computation failed.
    bool Recalc();

    // The plane switch: relabels the captions given to SetPlaneCaptions,
    // lets the window switch its own controls (PlaneChanged), recomputes and
    // puts the focus into the first input box.
    void OptionPlane_Click();
    // The print sequence: on white with inverted lines, the read-out hidden,
    // the window's image on the default printer, then back to normal. With
    // no printer a message says so and nothing else happens.
    void PrintWindow();
    // Keeps the window in front of all others, or gives it its normal place.
    void SetKeepInFront(bool inFront);

    Plane CurrentPlane() const;

protected:
    virtual void Compute(CalcForm &form, Drawing &drawing) = 0;
    // The window's own switches of the plane change (disabling a frame).
    virtual void PlaneChanged(Plane) {}

    // An input box leaving the focus; recomputes unless the window says otherwise.
    virtual void InputLeft(QLineEdit *box, bool edited);

    // Controls of the frame's kinds, each with its object name (the result
    // boxes, labels and buttons are those of CalculatorWindow).
    // An input box: white, in the tab order, recomputes when it loses the focus.
    QLineEdit *InputBox(const char *name, const QString &toolTip = QString());
    // Puts boxes already made into the grid, each `boxWidth` pixels wide,
    // behind a new label.
    void PlaceLabelledBox(QGridLayout *grid, const LabelledBox &cell, int boxWidth);
    // The width most calculator windows give every box, 1095 twips.
    static int StandardBoxWidth();
    template <size_t N>
    void PlaceLabelledBoxes(QGridLayout *grid, const LabelledBox (&cells)[N], int boxWidth) {
        for (const LabelledBox &cell : cells) PlaceLabelledBox(grid, cell, boxWidth);
    }
    // Options and check boxes whose click recomputes.
    QRadioButton *RecalcOption(QWidget *parent, const char *name, const QString &caption);
    QCheckBox *RecalcCheck(QWidget *parent, const char *name, const QString &caption);
    // The insert button of a point: " X" x " Z" z from two boxes, in the current plane.
    QPushButton *PointInsertButton(const char *name, QLineEdit *x, QLineEdit *z);
    QPushButton *CentreInsertButton(const char *name, QLineEdit *i, QLineEdit *k);
    // Frame2 "座標" with OptionXZ "Ｘ-Ｚ" (selected) and OptionXY "Ｘ－Ｙ".
    QGroupBox *PlaneFrame();
    // Frame1 with the solution options Option1 "1", Option2 "2", ... side
    // by side, the first selected; each option is stored where `options` says.
    QGroupBox *SolutionFrame(const QString &caption, std::initializer_list<QRadioButton **> options);
    // Tab moves through the controls in this order. A control that takes
    // the focus only later (the drawing area) must take it before this.
    static void SetTabOrder(std::initializer_list<QWidget *> order);
    // Labels and buttons whose captions follow the plane.
    void SetPlaneCaptions(std::initializer_list<QWidget *> controls);
    // The window's layout, at its fixed size: the drawing area on top, the
    // boxes under it with the side column at their right, then the notes.
    void LayOut(QLayout *boxes, QLayout *side, std::initializer_list<QWidget *> notes = {});
    // Recomputes when the drawing area gets the focus.
    void RecalcWhenPictureFocused();

    // The mouse read-out at a point of the drawing's scale.
    virtual void ShowReadout(QPointF position);
    // The read-out's width as designed; the box is never narrower.
    void SetReadoutWidthTwips(double twips);
    // Sizes the read-out boxes for the drawing shown, so that every read-out
    // of its view fits them in their font.
    virtual void FitReadouts();
    // The read-out box's size as designed.
    QSize ReadoutDesignSize() const;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    double m_readoutWidthTwips = 0;
    std::vector<QWidget *> m_planeCaptions;
    QLineEdit *m_firstBox = nullptr;
};

// Gives a read-out box the size its longest text needs in the box's font,
// never less than `design`, and places it on the lower edge of its drawing
// area, `left` pixels from the area's left.
void FitReadoutBox(QLabel *box, QSize design, const QStringList &longest, int left);

// Where a window of outer size `window` stands `right` and `bottom` pixels
// from the lower-right corner of `screen`, kept on the screen.
QPoint LowerRightPlacement(const QRect &screen, const QSize &window, int right, int bottom);

}  // namespace brennvik
