#include "BusyPointer.h"

#include <QApplication>

namespace brennvik {

BusyPointer::BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }

BusyPointer::~BusyPointer() { Restore(); }

void BusyPointer::Restore() {
    if (m_on) QApplication::restoreOverrideCursor();
    m_on = false;
}

}  // namespace brennvik
