#pragma once
// The drawing area of a calculator window. It keeps the drawing it shows
// and renders it on every repaint; it never computes anything itself. The
// texts printed into the drawing (labels, the failure text) are readable as
// the property `printedTexts`.

#include "calc_drawing.h"

#include <QImage>
#include <QStringList>
#include <QWidget>

namespace brennvik {

class CalcPicture : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QStringList printedTexts READ PrintedTexts)
public:
    // `areaTwips`: the inside of the area; the widget takes its size in pixels.
    explicit CalcPicture(QSizeF areaTwips = DefaultAreaTwips(), QWidget *parent = nullptr);

    const Drawing &CurrentDrawing() const { return m_drawing; }
    // Shows a drawing (the result of a computation); DrawingShown follows.
    void SetDrawing(const Drawing &drawing);
    const std::vector<Primitive> &Primitives() const { return m_drawing.Primitives(); }
    QStringList PrintedTexts() const { return m_drawing.PrintedTexts(); }

    // White background and inverted line colours, for printing.
    void SetPrinting(bool printing);
    bool Printing() const { return m_printing; }

    // The drawing as it is shown, at the area's own size or another.
    QImage Render(QSize size = QSize()) const;

    // A point of the widget in the drawing's scale.
    QPointF ToScale(QPointF widgetPoint) const;

signals:
    // The mouse moved over the area; `position` in the drawing's scale.
    void MouseMoved(QPointF position);
    void DrawingShown();
    void GotFocus();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    Drawing m_drawing;
    bool m_printing = false;
};

}  // namespace brennvik
