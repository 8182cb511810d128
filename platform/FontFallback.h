#pragma once
// Fonts by the family names the settings hold. The stored defaults name
// fonts of another platform; where a named family is not installed, an
// installed Japanese font of the same kind stands in for it on screen and
// on paper. The stored name itself is never changed.

#include <QFont>
#include <QString>

namespace brennvik {

// The font of the document panes: the named family when it is installed,
// else a fixed-pitch font with Japanese, so that the columns the program
// writes ("N000 G01 Z0.5" over "N000     X40") line up.
QFont PaneFont(const QString &family, int pointSize);

// The font of printed listings: the named family when it is installed,
// else a serif font with Japanese.
QFont PrintFont(const QString &family, int pointSize);

}  // namespace brennvik
