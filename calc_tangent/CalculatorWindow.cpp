#include "CalculatorWindow.h"

#include "platform/ControlNames.h"
#include "workspace/nc_text.h"
#include "workspace/runtime.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace brennvik {

namespace {

// A box's focus loss and Enter key. Enter is passed on to the box as any
// other key. Detached when the window is destroyed, so that the focus loss
// of a box being deleted runs nothing.
class BoxEvents : public QObject {
public:
    BoxEvents(QLineEdit *box, CalculatorWindow *window, std::function<void(bool)> onLeave, std::function<void()> onEnter)
        : QObject(box), m_box(box), m_window(window), m_onLeave(std::move(onLeave)), m_onEnter(std::move(onEnter)) {}

    void Detach() {
        m_onLeave = {};
        m_onEnter = {};
    }
    CalculatorWindow *Window() const { return m_window; }

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::FocusOut) {
            const bool edited = m_box->isModified();
            m_box->setModified(false);
            if (m_onLeave) m_onLeave(edited);
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_onEnter) m_onEnter();
        }
        return false;
    }

private:
    QLineEdit *m_box;
    CalculatorWindow *m_window;
    std::function<void(bool)> m_onLeave;
    std::function<void()> m_onEnter;
};

}  // namespace

CalculatorWindow::CalculatorWindow(const char *name, const QString &caption) : QWidget(nullptr, Qt::Window) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    // Without an owner, yet the program ends with its main window.
    setAttribute(Qt::WA_QuitOnClose, false);
}

CalculatorWindow::~CalculatorWindow() {
    for (BoxEvents *events : findChildren<BoxEvents *>())
        if (events->Window() == this) events->Detach();
}

CalcForm CalculatorWindow::ReadForm() const {
    CalcForm form;
    for (QLineEdit *box : findChildren<QLineEdit *>())
        if (!box->objectName().isEmpty()) form.SetText(box->objectName(), box->text());
    for (QAbstractButton *button : findChildren<QAbstractButton *>())
        if (button->isCheckable() && !button->objectName().isEmpty()) form.SetOn(button->objectName(), button->isChecked());
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
    box->installEventFilter(new BoxEvents(box, this, std::move(leave), [this, box] {
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
