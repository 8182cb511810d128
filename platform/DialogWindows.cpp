#include "DialogWindows.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QPushButton>

namespace brennvik {

namespace {

class ButtonEnterKey : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
        if (key->modifiers() & ~Qt::KeypadModifier) return false;
        auto *button = qobject_cast<QPushButton *>(watched);
        if (!button || !button->hasFocus() || !button->isEnabled()) return false;
        // Held down, the key presses the button once.
        if (!key->isAutoRepeat()) button->click();
        return true;
    }
};

}  // namespace

void KeepDesignSize(QDialog *dialog) {
    if (QLayout *layout = dialog->layout()) layout->setSizeConstraint(QLayout::SetFixedSize);
    dialog->setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    dialog->setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, true);
}

void InstallButtonEnterKey() {
    static ButtonEnterKey *filter = nullptr;
    if (filter || !QCoreApplication::instance()) return;
    filter = new ButtonEnterKey(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(filter);
}

}  // namespace brennvik
