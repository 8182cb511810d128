#pragma once
// The material dialog's sketch of chuck, blank and centre: nineteen lines
// (1-based, as the dialog's handlers address them) and the chuck body, each
// line with its own visibility, colour and width.

#include <QColor>
#include <QLineF>
#include <QWidget>

#include <array>

class QLabel;

namespace brennvik {

struct SketchLine {
    QLineF line;
    QColor colour;
    int width = 1;
    bool visible = true;
};

class UgcSketch : public QWidget {
    Q_OBJECT
public:
    static constexpr int kLines = 19;

    explicit UgcSketch(QWidget *parent = nullptr);

    SketchLine &Line(int number) { return m_lines.at(size_t(number)); }
    const SketchLine &Line(int number) const { return m_lines.at(size_t(number)); }
    // Changes a line and repaints.
    void SetLine(int number, const QColor &colour, int width);
    void SetLineVisible(int number, bool visible);
    void SetLineColour(int number, const QColor &colour);

    QLabel *Label11 = nullptr;  // "センタ"

    QSize sizeHint() const override { return {320, 170}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::array<SketchLine, kLines + 1> m_lines{};
    QRectF m_shape1;  // chuck body
};

}  // namespace brennvik
