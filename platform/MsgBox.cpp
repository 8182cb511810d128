#include "MsgBox.h"

#include <QApplication>
#include <QMessageBox>

namespace brennvik {

namespace {
MsgBoxResponder &Responder() {
    static MsgBoxResponder responder;
    return responder;
}

// Never half of a character outside the basic plane at either cut.
QString Beginning(const QString &text, qsizetype count) {
    if (count > 0 && text[count - 1].isHighSurrogate()) --count;
    return text.left(count);
}

QString End(const QString &text, qsizetype count) {
    if (count > 0 && text[text.size() - count].isLowSurrogate()) --count;
    return text.right(count);
}
}  // namespace

void SetMsgBoxResponder(MsgBoxResponder responder) { Responder() = std::move(responder); }

QString QuotedText(const QString &text) {
    if (text.size() <= kQuotedTextLimit) return text;
    return Beginning(text, kQuotedTextLimit) + u'…';
}

QString QuotedPath(const QString &path) {
    if (path.size() <= kQuotedPathLimit) return path;
    return Beginning(path, kQuotedTextLimit / 2) + u'…' + End(path, kQuotedTextLimit / 2);
}

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
