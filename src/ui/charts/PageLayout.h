#pragma once
// The printed page of every plot screen (cone data, soil classification,
// results): one geometry in twips, one header type, one frame around the
// header. The screens differ only in what they put on the page.

#include <QFont>
#include <QPainter>
#include <QString>

class QPrinter;

namespace quarvex {

// Page geometry in twips.
struct PageGeometry {
    double m = 0; // margin unit
    double w = 0; // usable width: 0.95 x the page width
    double h = 0; // usable height: 0.95 x the page height
    double frameBottom = 0;
    double chartsTop = 0;
    // Top of header row k (1, 2, 3 ...): 4m, then one 216.6-twip line each.
    double Row(int k) const { return 4 * m + 216.6 * (k - 1); }
};

// The geometry of a page of the given size whose framed header has the given
// number of rows of text textHeightTwips tall.
PageGeometry PageGeometryFor(double pageWidthTwips, double pageHeightTwips, double textHeightTwips,
                             int headerRows);

// A page being printed: the painter on the printer, the geometry and the
// header type. Painting ends when the object goes.
class PrintPage {
public:
    PrintPage(QPrinter& printer, int headerRows);
    ~PrintPage();
    PrintPage(const PrintPage&) = delete;
    PrintPage& operator=(const PrintPage&) = delete;

    // False when the printer could not be painted on (nothing else works then).
    bool Active() const { return active_; }
    QPainter& Painter() { return painter_; }
    const PageGeometry& Geometry() const { return g_; }
    // Device pixels per twip.
    double Px() const { return px_; }
    QRectF ToDevice(const QRectF& twips) const;

    // 9-point header type, regular or bold.
    const QFont& Font(bool bold) const { return bold ? bold_ : regular_; }
    double TextWidth(bool bold, const QString& text) const; // twips
    double BlankWidth() const;                              // twips
    // A text with its top at (x, y) twips.
    void DrawText(double x, double y, bool bold, const QString& text);
    // The frame around the header rows.
    void DrawHeaderFrame();

private:
    QPainter painter_;
    bool active_ = false;
    double px_ = 1;
    PageGeometry g_;
    QFont regular_;
    QFont bold_;
};

} // namespace quarvex
