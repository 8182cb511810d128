#pragma once
// The printer the program prints on: the system's default until the user
// picks another in the printer set-up dialog (a PDF file among them). Its
// scale is millimetres from the top left corner of the printable area, and
// every printed text ends its line, as a line printer's would.

#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include <memory>
#include <optional>

class QPainter;
class QPrinter;

namespace brennvik {

class Printer {
public:
    // The printer of this run, made on first use.
    static Printer &Instance();
    // Forgets the printer chosen so far (tests).
    static void Reset();

    ~Printer();

    // The device, for the set-up dialog and for tests that print to a file.
    QPrinter *Device() { return m_device.get(); }

    // 1 portrait, 2 landscape.
    int Orientation() const;
    void SetOrientation(int orientation);
    void SetFont(const QString &name, int pointSize);
    QFont Font() const { return m_font; }

    // The printable area, in millimetres.
    double ScaleWidth() const;
    double ScaleHeight() const;
    // Measures of a text in the print font, in millimetres.
    double TextWidth(const QString &text) const;
    double TextHeight(const QString &text) const;

    // Where the next text is printed.
    double CurrentX = 0;
    double CurrentY = 0;
    // Width of drawn lines, in device dots.
    int DrawWidth = 1;

    // Starts a print document; false, with the reason, when the printer
    // cannot start.
    bool StartDoc(QString *error);
    // Prints a text at the current position; the position then moves to the
    // start of the next text line.
    void Print(const QString &text);
    // A line in a colour given as 0xBBGGRR.
    void Line(double x1, double y1, double x2, double y2, int bgr);
    void NewPage();
    // Ends the document, which the printer then prints; false with the reason
    // when it could not be finished.
    bool EndDoc(QString *error);
    // Stops the document unfinished: a file it was written to is removed; a
    // printer takes the job back where it can, else prints the pages so far.
    void AbortDoc();

private:
    Printer();
    // False when starting would fail: no printer, and no PDF file that can
    // be written.
    bool CanStart() const;
    double DotsPerMillimetre() const;
    // The print font's measures on the device, made once for each font set.
    const QFontMetricsF &Metrics() const;

    std::unique_ptr<QPrinter> m_device;
    std::unique_ptr<QPainter> m_painter;
    QFont m_font;
    mutable std::optional<QFontMetricsF> m_metrics;
    mutable int m_metricsResolution = 0;
};

}  // namespace brennvik
