#include "Clipboard.h"

#include <QApplication>
#include <QClipboard>

namespace brennvik {

void ClipboardClear() { QApplication::clipboard()->clear(); }

void ClipboardSetText(const QString &text) { QApplication::clipboard()->setText(text); }

QString ClipboardGetText() { return QApplication::clipboard()->text(); }

}  // namespace brennvik
