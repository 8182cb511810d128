#include "CalculatorWindow.h"

#include "platform/ControlNames.h"
#include "platform/TextBoxes.h"
#include "workspace/nc_text.h"
#include "workspace/runtime.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace brennvik {

namespace {

// A box's focus loss and Enter key. Enter is passed on to the box as any
// other key. Once the window is being destroyed (`alive` false), the focus
// loss of a box being deleted runs nothing.
class BoxEvents : public QObject {
public:
    BoxEvents(QLineEdit *box, std::shared_ptr<const bool> alive, std::function<void(bool)> onLeave,
              std::function<void()> onEnter)
        : QObject(box),
          m_box(box),
          m_alive(std::move(alive)),
          m_onLeave(std::move(onLeave)),
          m_onEnter(std::move(onEnter)) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (!*m_alive) return false;
        if (event->type() == QEvent::FocusOut) {
            const bool edited = m_box->isModified();
            m_box->setModified(false);
            if (m_onLeave) m_onLeave(edited);
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) m_onEnter();
        }
        return false;
    }

private:
    QLineEdit *m_box;
    std::shared_ptr<const bool> m_alive;
    std::function<void(bool)> m_onLeave;
    std::function<void()> m_onEnter;
};

class SelectOnFocus : public QObject {
public:
    explicit SelectOnFocus(QLineEdit *box) : QObject(box), m_box(box) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::FocusIn) SelectWholeText(m_box, static_cast<QFocusEvent *>(event)->reason());
        return false;
    }

private:
    QLineEdit *m_box;
};

}  // namespace

CalculatorWindow::CalculatorWindow(const char *name, const QString &caption) : QWidget(nullptr, Qt::Window) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    // Without an owner, yet the program ends with its main window.
    setAttribute(Qt::WA_QuitOnClose, false);
}

CalculatorWindow::~CalculatorWindow() { *m_alive = false; }

CalcForm CalculatorWindow::ReadForm() const {
    CalcForm form;
    for (QLineEdit *box : findChildren<QLineEdit *>())
        if (!box->objectName().isEmpty()) form.SetText(box->objectName(), box->text());
    for (QAbstractButton *button : findChildren<QAbstractButton *>())
        if (button->isCheckable() && !button->objectName().isEmpty())
            form.SetOn(button->objectName(), button->isChecked());
    return form;
}

void CalculatorWindow::WriteForm(const CalcForm &form) {
    for (auto it = form.Texts().begin(); it != form.Texts().end(); ++it) {
        QLineEdit *box = findChild<QLineEdit *>(it.key());
        if (box && box->text() != it.value()) box->setText(it.value());
    }
    for (auto it = form.EnabledStates().begin(); it != form.EnabledStates().end(); ++it)
        if (QWidget *control = findChild<QWidget *>(it.key())) control->setEnabled(it.value());
}

void CalculatorWindow::Insert(const QString &text) {
    try {
        InsertAtCaret(text);
    } catch (const RuntimeError &) {
        // The current document was closed: there is nowhere to insert.
    }
}

QLineEdit *CalculatorWindow::EditBox(const char *name, LeaveHandler onLeave, const QString &toolTip) {
    auto *box = Named(new QLineEdit(this), name);
    box->setToolTip(toolTip);
    std::function<void(bool)> leave;
    if (onLeave) leave = [box, onLeave = std::move(onLeave)](bool edited) { onLeave(box, edited); };
    box->installEventFilter(new BoxEvents(box, m_alive, std::move(leave), [this, box] {
        const auto handler = m_onEnter.find(box);
        if (handler != m_onEnter.end()) handler->second();
    }));
    return box;
}

QLineEdit *CalculatorWindow::ResultBox(const char *name, const QString &toolTip) {
    auto *box = Named(new QLineEdit(this), name);
    box->setToolTip(toolTip);
    SetBoxLocked(box, true);
    return box;
}

QLabel *CalculatorWindow::Label(const char *name, const QString &caption) {
    return Named(new QLabel(caption, this), name);
}

QPushButton *CalculatorWindow::Button(const char *name, const QString &caption, std::function<void()> onClick) {
    auto *button = Named(new QPushButton(caption, this), name);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [onClick = std::move(onClick)] { onClick(); });
    return button;
}

void CalculatorWindow::SetEnterOrder(std::initializer_list<QWidget *> order) {
    QWidget *previous = nullptr;
    for (QWidget *control : order) {
        if (auto *box = qobject_cast<QLineEdit *>(previous))
            m_onEnter[box] = [next = QPointer<QWidget>(control)] {
                if (next) next->setFocus(Qt::OtherFocusReason);
            };
        previous = control;
    }
}

void CalculatorWindow::SelectWholeTextOnFocus(QLineEdit *box) { box->installEventFilter(new SelectOnFocus(box)); }

bool CalculatorWindow::ApplyToBoxes(const std::function<void(CalcForm &)> &compute) {
    CalcForm form = ReadForm();
    try {
        compute(form);
    } catch (const RuntimeError &) {
        return false;
    }
    WriteForm(form);
    return true;
}

void CalculatorWindow::InsertAndClose(const std::function<QString()> &text) {
    try {
        Insert(text());
    } catch (const RuntimeError &) {
        // Nothing to insert.
    }
    close();
}

QGridLayout *CalculatorWindow::LabelledRows(std::initializer_list<std::pair<QLabel *, QLineEdit *>> rows) {
    auto *grid = new QGridLayout;
    int row = 0;
    for (const auto &[label, box] : rows) {
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row++, 1);
    }
    return grid;
}

QGroupBox *CalculatorWindow::ButtonFrame(const char *name, const QString &title,
                                         std::initializer_list<QPushButton *> buttons, Qt::Orientation orientation) {
    auto *frame = Named(new QGroupBox(title, this), name);
    auto *layout =
        new QBoxLayout(orientation == Qt::Horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom, frame);
    for (QPushButton *button : buttons) {
        button->setParent(frame);
        layout->addWidget(button);
    }
    return frame;
}

void CalculatorWindow::OnEnter(QLineEdit *box, std::function<void()> onEnter) { m_onEnter[box] = std::move(onEnter); }

void SetBoxLocked(QLineEdit *box, bool locked) {
    box->setReadOnly(locked);
    box->setFocusPolicy(locked ? Qt::ClickFocus : Qt::StrongFocus);
    QPalette palette = box->palette();
    const QPalette standard = QApplication::palette(box);
    palette.setColor(QPalette::Base, locked ? standard.color(QPalette::Button) : standard.color(QPalette::Base));
    box->setPalette(palette);
}

void UnloadCalculatorWindows() {
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *calculator = qobject_cast<CalculatorWindow *>(window)) delete calculator;
}

}  // namespace brennvik
