#include "move_line.h"

namespace brennvik {

QString MoveLine(const char *start, const QString &x, const QString &z, const QString &tail) {
    return QString::fromLatin1(start) + x + QStringLiteral(" Z") + z + tail + QStringLiteral("\r\n");
}

}  // namespace brennvik
