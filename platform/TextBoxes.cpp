#include "TextBoxes.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace brennvik {

namespace {
void SelectAllOf(QLineEdit *box) {
    if (!box->text().isEmpty()) box->setSelection(0, int(box->text().size()));
}

// Alt or Meta held: a menu's or a dialog's access key or a shortcut, never
// text. AltGr comes without Alt on X11 and as Ctrl+Alt on Windows.
bool IsCommandChord(Qt::KeyboardModifiers modifiers) {
    if (!(modifiers & (Qt::AltModifier | Qt::MetaModifier))) return false;
#ifdef Q_OS_WIN
    if ((modifiers & Qt::ControlModifier) && (modifiers & Qt::AltModifier)) return false;
#endif
    return true;
}

// A chord reaches a box as a key press only when nothing took it, and the
// toolkit would type its letter: Alt+F in a speed box made "f150", which
// reads 0. Every widget that takes typed text takes input methods too.
class UntakenChordFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!IsCommandChord(key->modifiers()) || key->text().isEmpty()) return false;
        return static_cast<QWidget *>(watched)->testAttribute(Qt::WA_InputMethodEnabled);
    }
};
}  // namespace

void IgnoreUntakenCommandChords() {
    static UntakenChordFilter *filter = nullptr;
    if (filter || !QCoreApplication::instance()) return;
    filter = new UntakenChordFilter(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(filter);
}

void SelectWholeText(QLineEdit *box, Qt::FocusReason reason) {
    SelectAllOf(box);
    if (reason == Qt::MouseFocusReason)
        QTimer::singleShot(0, box, [guard = QPointer<QLineEdit>(box)] {
            if (guard && guard->hasFocus()) SelectAllOf(guard);
        });
}

}  // namespace brennvik
