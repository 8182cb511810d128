#include "FontDialog.h"

#include <QApplication>
#include <QFontDialog>
#include <QFontInfo>

namespace brennvik {

namespace {
FontDialogResponder &Responder() {
    static FontDialogResponder responder;
    return responder;
}
}  // namespace

void SetFontDialogResponder(FontDialogResponder responder) { Responder() = std::move(responder); }

bool ShowFontDialog(FontChoice &choice, const QFont &shown, const QString &title) {
    // The face the user sees, not the name asked for.
    const QString shownFace = QFontInfo(shown).family();
    FontChoice answer{shownFace, choice.size};
    bool ok = false;
    if (Responder()) {
        ok = Responder()(answer);
    } else {
        QFont preset(shownFace);
        if (choice.size > 0) preset.setPointSizeF(choice.size);
        const QFont chosen = QFontDialog::getFont(&ok, preset, QApplication::activeWindow(), title);
        answer = {chosen.family(), chosen.pointSizeF()};
    }
    if (!ok) return false;
    if (answer.name == shownFace) answer.name = choice.name;
    choice = answer;
    return true;
}

}  // namespace brennvik
