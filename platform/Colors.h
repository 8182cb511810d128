#pragma once
// Colours as the program's code writes them: 24-bit numbers with red in the
// low byte and blue in the high byte (0xFF0000 is blue, 0x0000FF is red).

#include <QColor>

namespace brennvik {

inline QColor ColorFromBgr(int bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }
inline int BgrFromColor(const QColor &c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

}  // namespace brennvik
