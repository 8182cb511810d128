#include "Clipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

namespace brennvik {

void ClipboardClear() { QApplication::clipboard()->clear(); }

void ClipboardSetText(const QString &text) { QApplication::clipboard()->setText(text); }

QString ClipboardGetText() { return PlainTextOf(QApplication::clipboard()->mimeData()); }

QString PlainTextOf(const QMimeData *data) {
    if (!data || data->formats().isEmpty() || !data->hasText()) return QString();
    return data->text();
}

}  // namespace brennvik
