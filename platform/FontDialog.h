#pragma once
// The font dialog: a font name and size in and out. Tests install a responder
// that answers instead of a dialog.

#include <QString>
#include <functional>

namespace brennvik {

struct FontChoice {
    QString name;
    double size = 0;  // points; the dialog may offer fractions
};

// Changes `choice` as the user would; true for OK, false for cancel.
using FontDialogResponder = std::function<bool(FontChoice &choice)>;

// Shows the dialog preset to `choice`; on OK `choice` holds the chosen font.
// A cancel leaves it as it was and returns false.
bool ShowFontDialog(FontChoice &choice, const QString &title = QString());

// Installs a responder; an empty one restores the real dialog.
void SetFontDialogResponder(FontDialogResponder responder);

}  // namespace brennvik
