#include "toolbar_icons.h"

#include <QPainter>
#include <QPixmap>

#include <map>

namespace brennvik {

namespace {
struct Sign {
    const char *text;
    QRgb colour;
};
// Short signs that fit a 24-pixel tile; groups share a colour.
const std::map<QString, Sign> &Signs() {
    static const std::map<QString, Sign> signs = {
        {"新規", {"新", 0x3a7bd5}},          {"開く", {"開", 0x3a7bd5}},
        {"保存", {"保", 0x3a7bd5}},          {"プリント", {"印", 0x3a7bd5}},
        {"切り取り", {"切", 0x4c9a2a}},      {"コピー", {"複", 0x4c9a2a}},
        {"貼り付け", {"貼", 0x4c9a2a}},      {"検索", {"検", 0x4c9a2a}},
        {"元に戻す", {"戻", 0x4c9a2a}},      {"自動シーケンス番号挿入", {"N", 0xb8860b}},
        {"シーケンス番号アレンジ", {"N#", 0xb8860b}}, {"データの計算による変更", {"±", 0xb8860b}},
        {"回転数の計算", {"S", 0x8e44ad}},   {"面粗さによる送り速度", {"F", 0x8e44ad}},
        {"電卓", {"電", 0x8e44ad}},          {"ファイルの比較", {"比", 0x8e44ad}},
        {"AB表示", {"AB", 0x8e44ad}},        {"テーパーのノーズR補正", {"R", 0xc0392b}},
        {"直線と角度", {"∠", 0xc0392b}},     {"2直線と接する円", {"○", 0xc0392b}},
        {"直線と円の交点", {"×", 0xc0392b}}, {"1点を通り直線に接する円", {"・○", 0xc0392b}},
        {"円に接する点", {"◎", 0xc0392b}},   {"ヌスミ形状", {"ヌ", 0xc0392b}},
        {"2円の交点", {"∞", 0xc0392b}},     {"2直線と2円", {"=○", 0xc0392b}},
        {"XY-XC変換", {"XC", 0xc0392b}},     {"面取り", {"C", 0xc0392b}},
    };
    return signs;
}

QIcon Tile(const Sign &sign) {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(sign.colour));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(1, 1, 22, 22), 4, 4);
    p.setPen(Qt::white);
    QFont f = p.font();
    const QString text = QString::fromUtf8(sign.text);
    f.setPixelSize(text.size() > 1 ? 10 : 14);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(0, 0, 24, 24), Qt::AlignCenter, text);
    return QIcon(pixmap);
}
}  // namespace

QIcon ToolbarIcon(const QString &key) {
    const auto it = Signs().find(key);
    return Tile(it != Signs().end() ? it->second : Sign{"?", 0x777777});
}

}  // namespace brennvik
