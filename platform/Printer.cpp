#include "Printer.h"

#include "FontFallback.h"

#include "Colors.h"
#include "MsgBox.h"

#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPen>
#include <QPrinter>

namespace brennvik {

namespace {
std::unique_ptr<Printer> &Slot() {
    static std::unique_ptr<Printer> printer;
    return printer;
}
constexpr double kMillimetresPerInch = 25.4;
}  // namespace

Printer &Printer::Instance() {
    if (!Slot()) Slot().reset(new Printer);
    return *Slot();
}

void Printer::Reset() { Slot().reset(); }

Printer::Printer() : m_device(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

Printer::~Printer() {
    if (m_painter && m_painter->isActive()) m_painter->end();
}

int Printer::Orientation() const {
    return m_device->pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
}

void Printer::SetOrientation(int orientation) {
    m_device->setPageOrientation(orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void Printer::SetFont(const QString &name, int pointSize) {
    // A family that is not installed prints in a Japanese serif font.
    m_font = PrintFont(name, pointSize > 0 ? pointSize : 1);
    m_metrics.reset();
    if (m_painter && m_painter->isActive()) m_painter->setFont(m_font);
}

const QFontMetricsF &Printer::Metrics() const {
    // Another printer may measure at another resolution.
    if (!m_metrics || m_metricsResolution != m_device->resolution()) {
        m_metrics.emplace(m_font, m_device.get());
        m_metricsResolution = m_device->resolution();
    }
    return *m_metrics;
}

double Printer::DotsPerMillimetre() const { return m_device->resolution() / kMillimetresPerInch; }

double Printer::ScaleWidth() const { return m_device->pageLayout().paintRect(QPageLayout::Millimeter).width(); }

double Printer::ScaleHeight() const { return m_device->pageLayout().paintRect(QPageLayout::Millimeter).height(); }

double Printer::TextWidth(const QString &text) const { return Metrics().horizontalAdvance(text) / DotsPerMillimetre(); }

double Printer::TextHeight(const QString &) const { return Metrics().height() / DotsPerMillimetre(); }

bool Printer::CanStart() const {
    if (m_device->outputFormat() != QPrinter::PdfFormat) return true;
    // A PDF device (the only kind when no printer is installed) needs a file
    // it can write.
    const QString file = m_device->outputFileName();
    return !file.isEmpty() && QFile(file).open(QIODevice::WriteOnly | QIODevice::Truncate);
}

bool Printer::StartDoc(QString *error) {
    if (m_painter && m_painter->isActive()) return true;
    // A device that cannot start is never painted on.
    m_painter = std::make_unique<QPainter>();
    if (!CanStart() || !m_painter->begin(m_device.get())) {
        m_painter.reset();
        if (error) {
            *error = m_device->outputFileName().isEmpty()
                         ? (m_device->printerName().isEmpty() ? QStringLiteral("プリンターがありません。")
                                                              : m_device->printerName())
                         : QuotedPath(m_device->outputFileName());
        }
        return false;
    }
    m_painter->setFont(m_font);
    CurrentX = 0;
    CurrentY = 0;
    return true;
}

void Printer::Print(const QString &text) {
    if (!m_painter) return;
    const double k = DotsPerMillimetre();
    m_painter->setPen(Qt::black);
    m_painter->drawText(QPointF(CurrentX * k, CurrentY * k + Metrics().ascent()), text);
    CurrentX = 0;
    CurrentY += TextHeight(text);
}

void Printer::Line(double x1, double y1, double x2, double y2, int bgr) {
    if (!m_painter) return;
    const double k = DotsPerMillimetre();
    m_painter->setPen(QPen(ColorFromBgr(bgr), DrawWidth));
    m_painter->drawLine(QPointF(x1 * k, y1 * k), QPointF(x2 * k, y2 * k));
    CurrentX = x2;
    CurrentY = y2;
}

void Printer::NewPage() {
    if (!m_painter) return;
    m_device->newPage();
    CurrentX = 0;
    CurrentY = 0;
}

bool Printer::EndDoc(QString *error) {
    if (!m_painter) return true;
    const bool ended = m_painter->end();
    m_painter.reset();
    if (!ended && error)
        *error = m_device->outputFileName().isEmpty() ? m_device->printerName()
                                                      : QuotedPath(m_device->outputFileName());
    return ended;
}

void Printer::AbortDoc() {
    if (!m_painter) return;
    const QString file = m_device->outputFileName();
    m_device->abort();
    if (m_painter->isActive()) m_painter->end();
    m_painter.reset();
    if (!file.isEmpty()) QFile::remove(file);
}

}  // namespace brennvik
