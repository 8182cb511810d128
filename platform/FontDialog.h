#pragma once
// The font dialog: a font name and size in and out. Tests install a responder
// that answers instead of a dialog.

#include <QString>
#include <functional>

class QFont;

namespace brennvik {

struct FontChoice {
    QString name;
    double size = 0;  // points; the dialog may offer fractions
};

// Changes `choice` as the user would; true for OK, false for cancel.
using FontDialogResponder = std::function<bool(FontChoice &choice)>;

// Shows the dialog preset to `shown`, the face `choice.name` is shown in
// (its stand-in where the named face is not installed), at `choice.size`;
// a responder is given that face and size. On OK `choice` holds the chosen
// font, but a face left as it was keeps the name it was shown for, so that
// OK alone never puts the stand-in in the stored name's place. A cancel
// leaves `choice` as it was and returns false.
bool ShowFontDialog(FontChoice &choice, const QFont &shown, const QString &title = QString());

// Installs a responder; an empty one restores the real dialog.
void SetFontDialogResponder(FontDialogResponder responder);

}  // namespace brennvik
