#pragma once
// Find and replace on a program text. Positions are 0-based and count a
// CR LF as two characters, as the panes do.

#include <QString>

namespace brennvik {

// The first position at or after `from` where `what` occurs, comparing
// characters exactly; -1 when there is none. An empty `what` matches nothing.
int FindFrom(const QString &text, const QString &what, int from);

// `text` with the `length` characters at `start` replaced by `with`.
QString ReplaceAt(const QString &text, int start, int length, const QString &with);

struct ReplaceAllResult {
    QString text;
    int count = 0;
    // Just behind the last replacement (or `from` when there was none).
    int caret = 0;
};

// Replaces every match from `from` on; the search goes on behind each
// inserted text, so a replacement that contains the search text ends.
ReplaceAllResult ReplaceAllFrom(const QString &text, const QString &what, const QString &with, int from);

}  // namespace brennvik
