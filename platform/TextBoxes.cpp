#include "TextBoxes.h"

#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace brennvik {

namespace {
void SelectAllOf(QLineEdit *box) {
    if (!box->text().isEmpty()) box->setSelection(0, int(box->text().size()));
}
}  // namespace

void SelectWholeText(QLineEdit *box, Qt::FocusReason reason) {
    SelectAllOf(box);
    if (reason == Qt::MouseFocusReason)
        QTimer::singleShot(0, box, [guard = QPointer<QLineEdit>(box)] {
            if (guard && guard->hasFocus()) SelectAllOf(guard);
        });
}

}  // namespace brennvik
