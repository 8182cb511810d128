#include "WindowPrinter.h"

#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

#include <algorithm>

namespace brennvik {

namespace {
PrinterFactory &Factory() {
    static PrinterFactory factory;
    return factory;
}
}  // namespace

std::unique_ptr<QPrinter> OpenDefaultPrinter() {
    if (Factory()) return Factory()();
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::ScreenResolution);
}

void SetPrinterFactory(PrinterFactory factory) { Factory() = std::move(factory); }

bool PrintWindowImage(QPrinter &printer, QWidget *window) {
    // Rendered straight onto a printer, a window becomes one bitmap; recorded
    // first, its lines stay lines and its texts texts.
    QPicture picture;
    window->render(&picture, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // At screen resolution the window prints at its own size; only one
    // larger than the page is scaled down.
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const double scale = std::min(page.width() / window->width(), page.height() / window->height());
    if (scale < 1) painter.scale(scale, scale);
    painter.drawPicture(0, 0, picture);
    return painter.end();
}

}  // namespace brennvik
