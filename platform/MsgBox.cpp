#include "MsgBox.h"

#include <QApplication>
#include <QMessageBox>

namespace brennvik {

namespace {
MsgBoxResponder &Responder() {
    static MsgBoxResponder responder;
    return responder;
}
}  // namespace

void SetMsgBoxResponder(MsgBoxResponder responder) { Responder() = std::move(responder); }

int MsgBox(const QString &prompt, int buttons, const QString &title) {
    MsgBoxCall call{prompt, buttons, title.isEmpty() ? ApplicationTitle() : title};
    if (Responder()) return Responder()(call);

    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(call.title);
    box.setText(prompt);
    switch (buttons & 0x70) {
    case vbCritical: box.setIcon(QMessageBox::Critical); break;
    case vbQuestion: box.setIcon(QMessageBox::Question); break;
    case vbExclamation: box.setIcon(QMessageBox::Warning); break;
    case vbInformation: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    switch (buttons & 0x7) {
    case vbOKCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case vbYesNoCancel: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel); break;
    case vbYesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    default: box.setStandardButtons(QMessageBox::Ok); break;
    }
    // The second button: No of Yes/No (Cancel), Cancel of OK/Cancel.
    if (buttons & vbDefaultButton2)
        box.setDefaultButton((buttons & 0x7) == vbOKCancel ? QMessageBox::Cancel : QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Yes: return vbYes;
    case QMessageBox::No: return vbNo;
    case QMessageBox::Cancel: return vbCancel;
    default: return (buttons & 0x7) == vbYesNoCancel ? vbCancel : vbOK;
    }
}

}  // namespace brennvik
