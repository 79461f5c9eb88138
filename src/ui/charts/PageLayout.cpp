#include "ui/charts/PageLayout.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPrinter>

#include <algorithm>

namespace quarvex {

PageGeometry PageGeometryFor(double pageWidthTwips, double pageHeightTwips, double textHeightTwips,
                             int headerRows)
{
    PageGeometry g;
    // The margin unit is 100 printer pixels' worth of twips on a 600 dpi
    // printer, fixed so the page looks the same on every printer and in a PDF.
    g.m = 100.0 / 2.4;
    g.w = 0.95 * pageWidthTwips;
    g.h = 0.95 * pageHeightTwips;
    // The frame encloses every row even where 9-point type runs taller.
    g.frameBottom = std::max(548.72, g.Row(std::max(1, headerRows)) + textHeightTwips + g.m / 2);
    g.chartsTop = g.frameBottom + 2 * g.m;
    return g;
}

PrintPage::PrintPage(QPrinter& printer, int headerRows)
{
    active_ = painter_.begin(&printer);
    px_ = printer.resolution() / 1440.0;
    regular_ = QApplication::font();
    regular_.setPointSizeF(9);
    regular_.setBold(false);
    // Plain glyphs (no ligatures), so the page's text reads back as typed.
    regular_.setStyleStrategy(QFont::PreferNoShaping);
    bold_ = regular_;
    bold_.setBold(true);
    const QRect paint = printer.pageLayout().paintRectPixels(printer.resolution());
    const QFontMetricsF metrics(regular_, &printer);
    g_ = PageGeometryFor(paint.width() / px_, paint.height() / px_, metrics.height() / px_, headerRows);
}

PrintPage::~PrintPage()
{
    if (active_)
        painter_.end();
}

QRectF PrintPage::ToDevice(const QRectF& twips) const
{
    return QRectF(twips.x() * px_, twips.y() * px_, twips.width() * px_, twips.height() * px_);
}

double PrintPage::TextWidth(bool bold, const QString& text) const
{
    const QFontMetricsF fm(Font(bold), painter_.device());
    return fm.horizontalAdvance(text) / px_;
}

double PrintPage::BlankWidth() const
{
    return TextWidth(false, QStringLiteral(" "));
}

void PrintPage::DrawText(double x, double y, bool bold, const QString& text)
{
    painter_.setFont(Font(bold));
    const QFontMetricsF fm(Font(bold), painter_.device());
    painter_.drawText(QPointF(x * px_, y * px_ + fm.ascent()), text);
}

void PrintPage::DrawHeaderFrame()
{
    painter_.save();
    painter_.setPen(QPen(Qt::black, std::max(1.0, 10 * px_)));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(ToDevice(QRectF(g_.m, g_.m, g_.w - 3 * g_.m, g_.frameBottom - g_.m)));
    painter_.restore();
}

} // namespace quarvex
