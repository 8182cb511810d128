#include "typing_aid.h"

#include "platform/RichTextPane.h"
#include "runtime.h"
#include "workspace_state.h"

#include <QTextDocument>

namespace brennvik {

namespace {
constexpr int kEnter = 13;
constexpr int kBackspace = 8;
constexpr int kTab = 9;
}  // namespace

QString TypingAidInsertion(const QString &text, int caret, int keyCode, bool paneB) {
    if (keyCode == kEnter || keyCode == kBackspace) return QString();
    const bool lineStart = caret == 0 || (caret > 1 && text[caret - 2] == u'\r');
    if (lineStart) {
        switch (keyCode) {
        case 'P': case 'G': case 'C': case 'M': return QStringLiteral("N000 ");
        case '(': case kTab: case 'N': case 'O': return QString();
        default: return QStringLiteral("N000     ");
        }
    }
    const QChar before = text[caret - 1];
    const int c1 = Asc(before);
    bool excluded = before == u' ' || before == u'=';
    if (!paneB) excluded = excluded || before == u'.' || before == u':';
    return keyCode > 64 && c1 < 65 && !excluded ? QStringLiteral(" ") : QString();
}

void ApplyTypingAid(RichTextPane *pane, int keyCode, bool paneB) {
    if (!g_AutoSequenceNo || !pane) return;
    // The two characters before the caret as Text() has them, without
    // copying the whole text on every key.
    const QTextDocument *doc = pane->document();
    QString tail;
    for (int pos = pane->textCursor().selectionStart(); tail.size() < 2 && pos > 0;) {
        const QChar c = doc->characterAt(--pos);
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) tail.prepend(QStringLiteral("\r\n"));
        else tail.prepend(c);
    }
    tail = tail.right(2);
    const QString insertion = TypingAidInsertion(tail, int(tail.size()), keyCode, paneB);
    if (!insertion.isEmpty()) pane->SetSelText(insertion);
}

}  // namespace brennvik
