#pragma once
// What every calculator window has, with or without a drawing: a modeless
// window without an owner, one instance per class, unloaded when closed;
// boxes read and written by object name; Enter moving along the window's
// Enter order; insertion at the caret of the current document.
// DrawingCalculatorWindow (the drawing calculators) builds on it; the small windows
// that only compute a value build on it directly.

#include "calc_form.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <utility>

class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace brennvik {

class CalculatorWindow : public QWidget {
    Q_OBJECT
public:
    CalculatorWindow(const char *name, const QString &caption);
    ~CalculatorWindow() override;

    // The state of every named box, option and check box.
    CalcForm ReadForm() const;
    // Writes back the texts and enabled states of a form.
    void WriteForm(const CalcForm &form);

    // Puts a text at the caret of the current document; with no document
    // nothing happens and nothing is shown.
    void Insert(const QString &text);

    // Runs a computation on the boxes' texts and shows its results; a
    // computation that fails (RuntimeError) changes no box and gives false.
    bool ApplyToBoxes(const std::function<void(CalcForm &)> &compute);
    // Inserts the text a computation gives and closes the window; a
    // computation that fails (RuntimeError) closes it without inserting.
    void InsertAndClose(const std::function<QString()> &text);

protected:
    // Called when a box loses the focus; `edited` tells whether the user
    // changed its text since it got the focus.
    using LeaveHandler = std::function<void(QLineEdit *box, bool edited)>;
    // An editable box: white, in the tab order; Enter moves along the Enter
    // order (the key still reaches the box).
    QLineEdit *EditBox(const char *name, LeaveHandler onLeave = {}, const QString &toolTip = QString());
    // A result box: locked, button-face coloured, not in the tab order.
    QLineEdit *ResultBox(const char *name, const QString &toolTip = QString());
    QLabel *Label(const char *name, const QString &caption);
    QPushButton *Button(const char *name, const QString &caption, std::function<void()> onClick);
    // Enter in each box of the list moves the focus to the control after it.
    void SetEnterOrder(std::initializer_list<QWidget *> order);
    // Gives a box of the list its own Enter handling instead of the order.
    void OnEnter(QLineEdit *box, std::function<void()> onEnter);
    // A box that gets the focus has its whole text selected.
    void SelectWholeTextOnFocus(QLineEdit *box);
    // Labels with their boxes, one row each.
    static QGridLayout *LabelledRows(std::initializer_list<std::pair<QLabel *, QLineEdit *>> rows);
    // A titled frame holding buttons in a row or a column.
    QGroupBox *ButtonFrame(const char *name, const QString &title, std::initializer_list<QPushButton *> buttons,
                           Qt::Orientation orientation);

private:
    std::map<QLineEdit *, std::function<void()>> m_onEnter;
    // Cleared when the window is destroyed: its boxes' last events run nothing.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

// Gives a box the look and behaviour of a result box (locked, button-face
// coloured, not in the tab order) or of an input box (editable, white, a
// tab stop).
void SetBoxLocked(QLineEdit *box, bool locked);

// Shows a calculator's single instance modeless, creating it first; an open
// window comes to the front with its boxes as they are.
template <class Window>
Window *ShowCalculator(QPointer<Window> &instance) {
    if (!instance) instance = new Window;
    instance->show();
    instance->raise();
    instance->activateWindow();
    return instance;
}

// Unloads every open calculator window (tests; the program's end).
void UnloadCalculatorWindows();

}  // namespace brennvik
