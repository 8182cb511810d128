#include "Modal.h"

#include <QDialog>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

namespace brennvik {

namespace {
ModalDriver &Driver() {
    static ModalDriver driver;
    return driver;
}
}  // namespace

void SetModalDriver(ModalDriver driver) { Driver() = std::move(driver); }

void ShowModal(QWidget *window) {
    if (Driver()) {
        window->show();
        Driver()(window);
        return;
    }
    if (auto *dialog = qobject_cast<QDialog *>(window)) {
        dialog->exec();
        return;
    }
    // A plain window: run a local loop until it hides or is destroyed.
    QPointer<QWidget> guard(window);
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    QEventLoop loop;
    while (guard && guard->isVisible()) loop.processEvents(QEventLoop::WaitForMoreEvents);
}

}  // namespace brennvik
