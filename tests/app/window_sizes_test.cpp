// Every calculator and dialog fits a small laptop screen whole, frame and
// all: the tangent-circle calculator was taller than such a screen, its
// cancel button and notes below the screen's edge.
#include "support/fixtures.h"

#include "platform/Modal.h"
#include "process/machine_settings.h"
#include "workspace/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLayout>
#include <QMenu>
#include <QSet>
#include <QWidget>

#include <vector>

namespace brennvik {
namespace {

struct ShownWindow {
    QString entry;
    QString name;
    QSize size;  // inside the frame
};

class WindowSizesTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        StartMain();
        m_main->mnuFileNew->trigger();
    }

    // The size a window takes on the screen: never less than its layout needs.
    static QSize SizeOnScreen(QWidget *window) {
        if (window->layout()) window->layout()->activate();
        return window->size().expandedTo(window->minimumSizeHint());
    }

    // Runs a menu entry and gives every window it showed, modal or not, at
    // the size it showed with; each is closed again.
    std::vector<ShownWindow> WindowsShownBy(const QString &entry) {
        std::vector<ShownWindow> shown;
        SetModalDriver([&shown, &entry](QWidget *w) {
            shown.push_back({entry, w->objectName(), SizeOnScreen(w)});
            if (auto *dialog = qobject_cast<QDialog *>(w)) dialog->reject();
            else w->close();
        });
        QSet<QWidget *> before;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible()) before.insert(w);
        EXPECT_TRUE(m_main->RunCommand(entry)) << entry.toStdString();
        SetModalDriver({});
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible() && !before.contains(w)) {
                shown.push_back({entry, w->objectName(), SizeOnScreen(w)});
                w->close();
            }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return shown;
    }

    // Every entry of a menu and its submenus that runs a command.
    static void CollectEntries(const QMenu *menu, QStringList &entries) {
        for (const QAction *action : menu->actions()) {
            if (action->menu()) CollectEntries(action->menu(), entries);
            else if (!action->isSeparator() && action->isEnabled() && !action->objectName().isEmpty())
                entries << action->objectName();
        }
    }

    static void ExpectFitsTheSmallScreen(const ShownWindow &w) {
        const QSize framed = w.size.grownBy(kTypicalFrame);
        EXPECT_LE(framed.width(), kSmallScreen.width())
            << w.name.toStdString() << " from " << w.entry.toStdString() << ": " << w.size.width() << " x "
            << w.size.height();
        EXPECT_LE(framed.height(), kSmallScreen.height())
            << w.name.toStdString() << " from " << w.entry.toStdString() << ": " << w.size.width() << " x "
            << w.size.height();
    }
};

TEST_F(WindowSizesTest, EveryCalculatorAndDialogFitsASmallScreenWithItsFrame) {
    const struct {
        const char *entry;
        const char *window;
    } rows[] = {
        {"LineCircleLine", "frmLineRLine"},
        {"LineCycle", "frmLineR"},
        {"LineCirclePoint", "frmLineRPoint"},
        {"CirclePoint", "frmCirclePoint"},
        {"CircleCircle", "frmCircleCircle"},
        {"Line2Circle2", "frmLine2Circle2"},
        {"mnuToolsrpm", "RPM"},
        {"mnuToolsFeed", "frmFeed"},
        {"LineAngle", "frmLineAngle"},
        {"AngleNoseR", "frmNoseRAngle"},
        {"Chamfer", "frmChamfer"},
        {"Neck", "frmNeck"},
        {"XY_XC", "frmXY_XC"},
        {"mnuSearchFind", "frmFind"},
        {"mnuSearchReplace", "frmReplace"},
        {"mnuToolsSizeShift", "frmSizeShift"},
        {"mnuToolsNumberArrange", "frmNumberArrange"},
        {"mnuFilePrinterSetup", "PrintSetting"},
        {"mnuHelpAbout", "frmAbout"},
    };
    for (const auto &row : rows) {
        const std::vector<ShownWindow> shown = WindowsShownBy(QString::fromLatin1(row.entry));
        ASSERT_EQ(shown.size(), 1u) << row.entry;
        EXPECT_EQ(shown[0].name, row.window) << row.entry;
        ExpectFitsTheSmallScreen(shown[0]);
    }
}

// The process dialog is relabelled, and fields hidden, by each generator, and
// the machine type shows the B axis: every entry of the process menu, on
// every machine type.
TEST_F(WindowSizesTest, TheProcessDialogsFitASmallScreenInEveryConfiguration) {
    QStringList entries;
    CollectEntries(m_main->Process, entries);
    const struct {
        bool macTurn;
        bool multus;
    } machines[] = {{false, false}, {true, false}, {false, true}};
    QSet<QString> names;
    int processDialogs = 0;
    for (const auto &machine : machines) {
        g_MacTurn = machine.macTurn;
        g_MULTUS = machine.multus;
        for (const QString &entry : entries)
            for (const ShownWindow &w : WindowsShownBy(entry)) {
                names.insert(w.name);
                if (w.name == QLatin1String("frmProcess")) ++processDialogs;
                ExpectFitsTheSmallScreen(w);
            }
    }
    // About thirty generators ask in it on each machine type.
    EXPECT_GE(processDialogs, 3 * 30);
    for (const char *name : {"frmProcess", "frmProcessSetup", "frmUGC"})
        EXPECT_TRUE(names.contains(QLatin1String(name))) << name;
}

}  // namespace
}  // namespace brennvik
