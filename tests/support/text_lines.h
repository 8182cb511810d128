#pragma once
// Program text written line by line in a test.

#include <QString>

#include <initializer_list>

namespace brennvik {

// Lines as a pane or block holds them, each ended by CR LF.
inline QString Lines(std::initializer_list<const char *> lines) {
    QString text;
    for (const char *line : lines) text += QString::fromUtf8(line) + QStringLiteral("\r\n");
    return text;
}

}  // namespace brennvik
