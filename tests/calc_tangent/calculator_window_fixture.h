#pragma once
// A calculator window as the user meets it: the program with a document
// whose second line is selected, the window opened from its menu entry,
// boxes filled by typing, and what its drawing area shows.

#include "calc_tangent/CalcPicture.h"
#include "platform/RichTextPane.h"
#include "qt_printing.h"
#include "support/dialog_helpers.h"
#include "support/fixtures.h"
#include "workspace/document_slots.h"
#include "workspace/document_windows.h"
#include "workspace/frmMain.h"

#include <QAction>
#include <QImage>
#include <QLineEdit>
#include <QPointer>

#include <cstdlib>
#include <initializer_list>
#include <utility>

namespace brennvik {

class CalculatorWindowFixture : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        StartMain();
        NewDocumentWindow();
        m_pane = ActivePaneOfCurrentDocument();
        m_pane->SetText(QStringLiteral("AAA\r\nBBB\r\n"));
        m_pane->Select(5, 3);
    }

    // Triggers the menu entry and returns the window it opened, active.
    template <class Window>
    Window *OpenFromEntry(const char *entry, QPointer<Window> &instance) {
        m_main->Entry(QString::fromLatin1(entry))->trigger();
        EXPECT_TRUE(instance);
        if (instance) {
            EXPECT_TRUE(ActivateWindow(instance));
        }
        return instance;
    }

    // Types a text into a box in place of what it held, and presses Enter,
    // as the user would.
    static void TypeAndEnter(QLineEdit *box, const char *text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, QString::fromUtf8(text));
        QTest::keyClick(box, Qt::Key_Return);
    }
    static void Fill(std::initializer_list<std::pair<QLineEdit *, const char *>> inputs) {
        for (const auto &[box, text] : inputs) TypeAndEnter(box, text);
    }

    // Where a point of the drawing's scale lies in the rendered area.
    static QPoint PixelOf(const CalcPicture *picture, QPointF at) {
        const ViewScale &s = picture->CurrentDrawing().Scale();
        return {int((at.x() - s.left) / s.width * picture->width()),
                int((at.y() - s.top) / s.height * picture->height())};
    }
    // Whether a pixel within `reach` of a point is nearly of a colour.
    static bool HasColourNear(const QImage &image, QPoint at, QColor colour, int reach = 2) {
        for (int dy = -reach; dy <= reach; ++dy)
            for (int dx = -reach; dx <= reach; ++dx) {
                const QPoint p = at + QPoint(dx, dy);
                if (!image.rect().contains(p)) continue;
                const QColor c = image.pixelColor(p);
                if (std::abs(c.red() - colour.red()) < 60 && std::abs(c.green() - colour.green()) < 60 &&
                    std::abs(c.blue() - colour.blue()) < 60)
                    return true;
            }
        return false;
    }

    static inline const QColor kYellow{255, 255, 15};
    static inline const QColor kRedPixel{255, 0, 0};
    static inline const QColor kGreenPixel{0, 255, 0};

    // Presses Tab in the focused control of `window`, starting at `first`,
    // until the focus has gone round the window's tab order ten times.
    static void TabThroughTenTimes(QWidget *window, QWidget *first) {
        first->setFocus(Qt::TabFocusReason);
        for (int round = 0; round < 10; ++round) {
            int presses = 0;
            do {
                QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
            } while (window->focusWidget() != first && ++presses < 200);
            ASSERT_EQ(window->focusWidget(), first) << "the tab order does not come back";
        }
    }

    RichTextPane *m_pane = nullptr;
};

}  // namespace brennvik
