#include "search.h"

#include <algorithm>

namespace brennvik {

int FindFrom(const QString &text, const QString &what, int from) {
    if (what.isEmpty() || from < 0 || from > text.size()) return -1;
    return int(text.indexOf(what, from, Qt::CaseSensitive));
}

QString ReplaceAt(const QString &text, int start, int length, const QString &with) {
    start = std::clamp(start, 0, int(text.size()));
    return text.left(start) + with + text.mid(start + length);
}

ReplaceAllResult ReplaceAllFrom(const QString &text, const QString &what, const QString &with, int from) {
    ReplaceAllResult r;
    r.caret = std::clamp(from, 0, int(text.size()));
    int copied = 0;
    int p = FindFrom(text, what, r.caret);
    if (p < 0) {
        r.text = text;
        return r;
    }
    r.text.reserve(text.size());
    while (p >= 0) {
        r.text.append(QStringView(text).mid(copied, p - copied));
        r.text.append(with);
        r.caret = int(r.text.size());
        copied = p + int(what.size());
        ++r.count;
        p = FindFrom(text, what, copied);
    }
    r.text.append(QStringView(text).mid(copied));
    return r;
}

}  // namespace brennvik
