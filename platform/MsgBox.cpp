#include "MsgBox.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace brennvik {

namespace {
MsgBoxResponder &Responder() {
    static MsgBoxResponder responder;
    return responder;
}

// Never half of a character outside the basic plane at either cut.
QString Beginning(const QString &text, qsizetype count) {
    if (count > 0 && text[count - 1].isHighSurrogate()) --count;
    return text.left(count);
}

QString End(const QString &text, qsizetype count) {
    if (count > 0 && text[text.size() - count].isLowSurrogate()) --count;
    return text.right(count);
}

constexpr QChar kBreakChance(0x200B);  // zero width space

// What the box copies holds none of the break chances it was shown with.
void WithoutBreakChances(QClipboard::Mode mode) {
    QClipboard *clipboard = QGuiApplication::clipboard();
    QString text = clipboard->text(mode);
    if (text.contains(kBreakChance)) clipboard->setText(text.remove(kBreakChance), mode);
}
}  // namespace

QString WithLineBreakChances(const QString &text) {
    QTextBoundaryFinder lines(QTextBoundaryFinder::Line, text);
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    QString out;
    qsizetype start = 0;
    for (qsizetype end = lines.toNextBoundary(); end > 0; start = end, end = lines.toNextBoundary()) {
        // The blank or line end behind a run is no part of it.
        qsizetype runEnd = end;
        while (runEnd > start && text[runEnd - 1].isSpace()) --runEnd;
        if (runEnd - start <= kLongestUnbrokenRun) {
            out += QStringView(text).mid(start, end - start);
            continue;
        }
        // Between every two characters of the run, never inside one; its
        // last character (the "…" of a quote) stays with the one before.
        characters.setPosition(runEnd);
        const qsizetype last = characters.toPreviousBoundary();
        characters.setPosition(start);
        for (qsizetype from = start, to = characters.toNextBoundary(); from < end;
             from = to, to = characters.toNextBoundary()) {
            if (from > start && from != last) out += kBreakChance;
            out += QStringView(text).mid(from, std::min(to, end) - from);
            if (to < 0) break;
        }
    }
    return out;
}

void SetMsgBoxResponder(MsgBoxResponder responder) { Responder() = std::move(responder); }

QFont TitleBarFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    return font;
}

int MsgBoxMinimumWidth(const QString &title) {
    return QFontMetrics(TitleBarFont()).horizontalAdvance(title) + kTitleBarButtonsWidth + kTitleBarMargins;
}

QString QuotedText(const QString &text) {
    if (text.size() <= kQuotedTextLimit) return text;
    return Beginning(text, kQuotedTextLimit) + u'…';
}

QString QuotedPath(const QString &path) {
    if (path.size() <= kQuotedPathLimit) return path;
    return Beginning(path, kQuotedTextLimit / 2) + u'…' + End(path, kQuotedTextLimit / 2);
}

int MsgBox(const QString &prompt, int buttons, const QString &title) {
    MsgBoxCall call{prompt, buttons, title.isEmpty() ? ApplicationTitle() : title};
    if (Responder()) return Responder()(call);

    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(call.title);
    const QString shown = WithLineBreakChances(prompt);
    box.setText(shown);
    if (shown != prompt) {
        QClipboard *clipboard = QGuiApplication::clipboard();
        QObject::connect(clipboard, &QClipboard::dataChanged, &box, [] { WithoutBreakChances(QClipboard::Clipboard); });
        QObject::connect(clipboard, &QClipboard::selectionChanged, &box,
                         [] { WithoutBreakChances(QClipboard::Selection); });
    }
    switch (buttons & 0x70) {
    case vbCritical: box.setIcon(QMessageBox::Critical); break;
    case vbQuestion: box.setIcon(QMessageBox::Question); break;
    case vbExclamation: box.setIcon(QMessageBox::Warning); break;
    case vbInformation: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    switch (buttons & 0x7) {
    case vbOKCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case vbYesNoCancel: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel); break;
    case vbYesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    default: box.setStandardButtons(QMessageBox::Ok); break;
    }
    // The box takes the width its layout needs: an empty item as wide as
    // the title needs lies across its first row (after the icon and the
    // buttons, which lay the box out anew).
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        const QMargins margins = grid->contentsMargins();
        const int width = MsgBoxMinimumWidth(call.title) - margins.left() - margins.right();
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), 0, 0, 1,
                      grid->columnCount());
    }
    // The second button: No of Yes/No (Cancel), Cancel of OK/Cancel.
    if (buttons & vbDefaultButton2)
        box.setDefaultButton((buttons & 0x7) == vbOKCancel ? QMessageBox::Cancel : QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Yes: return vbYes;
    case QMessageBox::No: return vbNo;
    case QMessageBox::Cancel: return vbCancel;
    default: return (buttons & 0x7) == vbYesNoCancel ? vbCancel : vbOK;
    }
}

}  // namespace brennvik
