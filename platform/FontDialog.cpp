#include "FontDialog.h"

#include <QApplication>
#include <QFontDialog>

namespace brennvik {

namespace {
FontDialogResponder &Responder() {
    static FontDialogResponder responder;
    return responder;
}
}  // namespace

void SetFontDialogResponder(FontDialogResponder responder) { Responder() = std::move(responder); }

bool ShowFontDialog(FontChoice &choice, const QString &title) {
    FontChoice answer = choice;
    bool ok = false;
    if (Responder()) {
        ok = Responder()(answer);
    } else {
        QFont preset(choice.name);
        if (choice.size > 0) preset.setPointSizeF(choice.size);
        const QFont chosen = QFontDialog::getFont(&ok, preset, QApplication::activeWindow(), title);
        answer = {chosen.family(), chosen.pointSizeF()};
    }
    if (ok) choice = answer;
    return ok;
}

}  // namespace brennvik
