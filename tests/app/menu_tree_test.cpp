// The main window's menus and toolbar as the user meets them after start-up:
// every entry by object name, caption, shortcut and state, in order. The
// golden file is the agreed shape of the window.
#include "support/fixtures.h"

#include "workspace/frmMain.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace brennvik {
namespace {

QString Flags(const QAction *a) {
    QString f;
    f += a->isVisible() ? u'v' : u'-';
    f += a->isEnabled() ? u'e' : u'-';
    f += a->isCheckable() ? (a->isChecked() ? u'X' : u'c') : u'-';
    return f;
}

void DumpMenu(const QMenu *menu, int depth, QStringList &out) {
    const QString indent(depth * 2, u' ');
    for (const QAction *a : menu->actions()) {
        if (a->isSeparator()) {
            out << indent + QStringLiteral("----") + (a->isVisible() ? QString() : QStringLiteral(" hidden"));
            continue;
        }
        out << QStringLiteral("%1%2 | %3 | %4 | %5")
                   .arg(indent, a->objectName(), a->text(), a->shortcut().toString(), Flags(a));
        if (a->menu()) DumpMenu(a->menu(), depth + 1, out);
    }
}

QStringList DumpWindow(frmMain *m) {
    QStringList out;
    for (const QAction *top : m->menuBar()->actions()) {
        out << QStringLiteral("%1 | %2 | %3").arg(top->menu()->objectName(), top->text(), Flags(top));
        DumpMenu(top->menu(), 1, out);
    }
    out << QStringLiteral("toolbar");
    for (int i = 1; i <= 33; ++i) {
        const QAction *a = m->ToolButton(i);
        out << QStringLiteral("  %1 | %2 | %3 | %4")
                   .arg(a->objectName(), a->isSeparator() ? QStringLiteral("----") : a->data().toString(),
                        a->toolTip(), Flags(a));
    }
    return out;
}

QStringList Golden(const QString &name) {
    QFile f(QStringLiteral(BRENNVIK_TEST_DATA "/") + name);
    if (!f.open(QIODevice::ReadOnly)) return {QStringLiteral("missing golden ") + name};
    QStringList lines = QString::fromUtf8(f.readAll()).split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

class MenuTreeTest : public ProgramFixture {};

// Compared line by line so that a failure names the entry that moved.
void ExpectTree(const QStringList &actual, const QStringList &golden) {
    // BRENNVIK_UPDATE_GOLDEN=folder writes what the window shows there, for review.
    if (const QByteArray dir = qgetenv("BRENNVIK_UPDATE_GOLDEN"); !dir.isEmpty()) {
        QFile f(QString::fromLocal8Bit(dir) + u'/' +
                QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                QStringLiteral(".txt"));
        if (f.open(QIODevice::WriteOnly)) f.write((actual.join(u'\n') + u'\n').toUtf8());
    }
    const qsizetype n = std::max(actual.size(), golden.size());
    for (qsizetype i = 0; i < n; ++i)
        EXPECT_EQ(i < actual.size() ? actual[i] : QString(), i < golden.size() ? golden[i] : QString())
            << "line " << i + 1;
}

TEST_F(MenuTreeTest, WithoutDocumentsTheWindowHasItsAgreedMenusAndToolbar) {
    ExpectTree(DumpWindow(StartMain()), Golden(QStringLiteral("menu_tree_start.txt")));
}

TEST_F(MenuTreeTest, WithADocumentTheDocumentCommandsShow) {
    frmMain *m = StartMain();
    m->mnuFileNew_Click();
    ExpectTree(DumpWindow(m), Golden(QStringLiteral("menu_tree_document.txt")));
}

}  // namespace
}  // namespace brennvik
