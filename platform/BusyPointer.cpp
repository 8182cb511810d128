#include "BusyPointer.h"

#include <QApplication>

namespace brennvik {

namespace {
int g_timesShown = 0;
}  // namespace

BusyPointer::BusyPointer() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++g_timesShown;
}

int BusyPointer::TimesShown() { return g_timesShown; }

BusyPointer::~BusyPointer() { Restore(); }

void BusyPointer::Restore() {
    if (m_on) QApplication::restoreOverrideCursor();
    m_on = false;
}

}  // namespace brennvik
