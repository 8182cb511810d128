#include "CalcPicture.h"

#include "calc_render.h"
#include "workspace/frmMain.h"

#include <QMouseEvent>
#include <QPainter>

namespace brennvik {

CalcPicture::CalcPicture(QSizeF areaTwips, QWidget *parent) : QWidget(parent), m_drawing(areaTwips) {
    setObjectName(QStringLiteral("Picture1"));
    setFixedSize(TwipsToPixels(areaTwips.width()), TwipsToPixels(areaTwips.height()));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CalcPicture::SetDrawing(const Drawing &drawing) {
    m_drawing = drawing;
    update();
    emit DrawingShown();
}

void CalcPicture::SetPrinting(bool printing) {
    m_printing = printing;
    update();
}

QImage CalcPicture::Render(QSize size) const {
    if (!size.isValid()) size = this->size();
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setFont(font());
    RenderDrawing(painter, m_drawing, QRectF(QPointF(0, 0), QSizeF(size)), m_printing);
    return image;
}

QPointF CalcPicture::ToScale(QPointF p) const {
    const ViewScale &s = m_drawing.Scale();
    return {s.left + p.x() * s.width / width(), s.top + p.y() * s.height / height()};
}

void CalcPicture::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    RenderDrawing(painter, m_drawing, QRectF(rect()), m_printing);
}

void CalcPicture::mouseMoveEvent(QMouseEvent *event) {
    emit MouseMoved(ToScale(event->position()));
    // Not passed on: a move over the window's own background hides the read-out.
    event->accept();
}

void CalcPicture::focusInEvent(QFocusEvent *event) {
    QWidget::focusInEvent(event);
    emit GotFocus();
}

}  // namespace brennvik
