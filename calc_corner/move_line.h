#pragma once
// The NC lines the corner calculators insert: a move to a point, written
// from the result boxes' texts as they stand.

#include <QString>

namespace brennvik {

// `start` (the sequence number, G word and " X" or their blank stand-in),
// then x, " Z", z, `tail` (" L" and a radius) and CR LF.
QString MoveLine(const char *start, const QString &x, const QString &z, const QString &tail = QString());

}  // namespace brennvik
