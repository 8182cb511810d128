#include "insert_texts.h"

namespace brennvik {

namespace {

const struct {
    const char *caption;
    const char *label;
} kTitles[kTitleCommentCount] = {
    {"空", ""},
    {"外径荒引", "OD.ROUGH"},
    {"内径荒引", "ID.ROUGH"},
    {"外径仕上", "OD.FINISH"},
    {"内径仕上", "ID.FINISH"},
    {"外径溝入", "OD.GROOVE W"},
    {"内径溝入", "ID.GROOVE W"},
    {"端面溝入", "FACE GROOVE W"},
    {"外径ネジ", "OD.THREAD"},
    {"内径ネジ", "ID.THREAD"},
    {"外径ヌスミ", "OD.NECKING"},
    {"内径ヌスミ", "ID.NECKING"},
    {"ドリル", "DRILL"},
    {"タップ", "TAP"},
    {"リーマ", "REAMER"},
    {"面取り", "CHAMFER"},
    {"バリ取り", "DEBURRING"},
};

// "(-----< " before the label.
constexpr int kTitleOpening = 8;

}  // namespace

QString NcDateText(const QDate &date) { return date.toString(QStringLiteral("yyyy.MM.dd")); }

QString CommentHeaderText(const QString &templateText, const QDate &date) {
    return templateText + QStringLiteral(" EDIT DATE  : ") + NcDateText(date) + QStringLiteral("   )\r\n \r\n");
}

QString TitleCommentCaption(int k) { return QString::fromUtf8(kTitles[k - 1].caption); }

QString TitleCommentLabel(int k) { return QString::fromLatin1(kTitles[k - 1].label); }

QString TitleCommentLine(int k) {
    return QStringLiteral("(-----< ") + TitleCommentLabel(k) + QStringLiteral(" >-----)\r\n");
}

int TitleCommentCaret(int k, int start) { return start + kTitleOpening + int(TitleCommentLabel(k).size()); }

}  // namespace brennvik
