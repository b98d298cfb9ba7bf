#include "ui/Diagram.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace {

// The smallest step of 1, 2, 5, 10, 20, 50, ... that is a multiple of `base`
// and spans at least `minimum` units.
int niceStep(double minimum, int base) {
    for (long long decade = 1; decade <= 1000000000LL; decade *= 10) {
        for (long long factor : {1LL, 2LL, 5LL}) {
            const long long step = factor * decade;
            if (step % base == 0 && static_cast<double>(step) >= minimum) {
                return static_cast<int>(step);
            }
        }
    }
    return base;
}

}  // namespace

AxisScale::AxisScale(int pixels, int cells, int numberEvery)
    : pixels_(std::max(pixels, 1)), cells_(std::max(cells, 1)) {
    pixelsPerUnit_ = static_cast<double>(pixels_) / cells_;
    const int cell = pixels_ / cells_;
    numberEvery = std::max(numberEvery, 1);
    if (cell >= kMinGridPixels) {
        // Whole-pixel cells: a grid line every unit, the numbers as often as
        // they fit.
        cellPixels_ = cell;
        gridStep_ = 1;
        numberStep_ = numberEvery * cell >= kMinNumberPixels
                          ? numberEvery
                          : niceStep(static_cast<double>(kMinNumberPixels) / cell, numberEvery);
        return;
    }
    gridStep_ = niceStep(kMinGridPixels / pixelsPerUnit_, 1);
    numberStep_ =
        niceStep(std::max(kMinNumberPixels / pixelsPerUnit_, 1.0 * numberEvery), gridStep_);
}

double AxisScale::offset(double value) const {
    return cellPixels_ > 0 ? value * cellPixels_ : value * pixelsPerUnit_;
}

double dropUnitFor(double largestDrop) {
    constexpr double kMostCells = 20.0;
    if (!(largestDrop > 0.0) || !std::isfinite(largestDrop)) {
        return 1.0;
    }
    const double decade = std::pow(10.0, std::floor(std::log10(largestDrop / kMostCells)));
    for (double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (largestDrop / (factor * decade) <= kMostCells) {
            return factor * decade;
        }
    }
    return 10.0 * decade;
}

bool drawableCounts(long long flowCells, long long dropCells) {
    return flowCells >= 1 && dropCells >= 1 && flowCells <= kMaxDiagramFlow &&
           dropCells <= kMaxDiagramDrop;
}

QRect drawBoxedText(QPainter& painter, QSize size, const QString& text, QPoint at,
                    const QColor& colour, const QColor& background) {
    const QFontMetrics metrics = painter.fontMetrics();
    QRect box(at.x() - 1, at.y() - metrics.ascent() - 1, metrics.horizontalAdvance(text) + 2,
              metrics.ascent() + metrics.descent() + 2);
    // Inside the box, one pixel clear of its edges.
    box.moveLeft(std::max(1, std::min(box.left(), size.width() - 1 - box.width())));
    box.moveTop(std::max(1, std::min(box.top(), size.height() - 1 - box.height())));
    painter.fillRect(box, background);
    painter.setPen(colour);
    painter.drawText(box.left() + 1, box.top() + 1 + metrics.ascent(), text);
    return box;
}

namespace {

// Where values stand in the box: the flow from the leftmost grid line, the
// drop up from the lowest one. The grid spans the pixels 0 to size - 1, so
// its last line is on the box too.
struct Plot {
    AxisScale flow;
    AxisScale drop;
    double dropUnit;

    Plot(QSize size, const ValveDiagram& diagram)
        : flow(size.width() - 1, diagram.flowCells, 5),
          drop(size.height() - 1, diagram.dropCells, 2),
          dropUnit(diagram.dropUnit > 0.0 ? diagram.dropUnit : 1.0) {}

    // The row of the lowest grid line, a drop of 0.
    int bottom() const { return static_cast<int>(drop.offset(drop.cells())); }
    double x(double flowValue) const { return flow.offset(flowValue); }
    // The row of a count of pressure cells; far outside the box a point is
    // only a direction, kept drawable.
    double rowOfCells(double cells) const {
        const double h = drop.pixels();
        return std::isfinite(cells) ? std::clamp(bottom() - drop.offset(cells), -4.0 * h, 5.0 * h)
                                    : -4.0 * h;
    }
    double y(double dropValue) const { return rowOfCells(dropValue / dropUnit); }
};

void drawGrid(QPainter& painter, QSize size, const Plot& plot) {
    painter.setPen(QPen(kDiagramGrid, 1));
    for (int q = 0; q <= plot.flow.cells(); q += plot.flow.gridStep()) {
        const int x = static_cast<int>(plot.x(q));
        painter.drawLine(x, 0, x, size.height());
    }
    for (int p = 0; p <= plot.drop.cells(); p += plot.drop.gridStep()) {
        const int y = plot.bottom() - static_cast<int>(plot.drop.offset(p));
        painter.drawLine(0, y, size.width(), y);
    }
}

// The numbers, each on its own background: the flows just above the lowest
// grid line, right of their lines, from the first flow on; the drops at the
// left edge, above their lines. A number that would overlap the one before
// it (the last one, pushed in from the edge) is left out. Returns the right
// edge of the drop numbers' column.
int drawNumbers(QPainter& painter, QSize size, const Plot& plot, int firstFlow) {
    const int bottom = plot.bottom();
    // A number's background ends a pixel above the line it stands on.
    const int lift = painter.fontMetrics().descent() + 2;
    int previousRight = -10;
    for (long long q = std::max(firstFlow, 0); q < plot.flow.cells(); q += plot.flow.numberStep()) {
        const QString text = QString::number(q);
        const int left = static_cast<int>(plot.x(static_cast<double>(q))) + 2;
        const int right = left + painter.fontMetrics().horizontalAdvance(text);
        const int pushedLeft = std::min(left, size.width() - 3 - (right - left));
        if (pushedLeft <= previousRight + 3) {
            continue;
        }
        previousRight = drawBoxedText(painter, size, text, QPoint(left, bottom - lift),
                                      kDiagramFlowNumbers, kDiagramBackground)
                            .right();
    }
    // The corner's 0 is the flow axis's when that starts at 0.
    int column = 0;
    for (int p = firstFlow == 0 ? plot.drop.numberStep() : 0; p < plot.drop.cells();
         p += plot.drop.numberStep()) {
        const QRect box =
            drawBoxedText(painter, size, QString::number(p * plot.dropUnit, 'g', 6),
                          QPoint(2, bottom - static_cast<int>(plot.drop.offset(p)) - lift),
                          kDiagramDropNumbers, kDiagramBackground);
        column = std::max(column, box.right());
    }
    return column;
}

void drawTitles(QPainter& painter, QSize size, const Plot& plot, const DiagramTitles& titles,
                int numberColumn) {
    const QColor background = titles.background.isValid() ? titles.background : kDiagramBackground;
    const QFontMetrics metrics = painter.fontMetrics();
    if (!titles.drop.isEmpty()) {
        drawBoxedText(painter, size, titles.drop, QPoint(numberColumn + 10, 4 + metrics.ascent()),
                      Qt::black, background);
    }
    if (!titles.flow.isEmpty()) {
        // A row above the flow numbers, at the right edge.
        drawBoxedText(painter, size, titles.flow,
                      QPoint(size.width() - 6 - metrics.horizontalAdvance(titles.flow),
                             plot.bottom() - 6 - metrics.height()),
                      Qt::black, background);
    }
}

// The curve on the diagram's own axes, so each point stands on the grid
// where its flow and drop are read off.
void drawCurve(QPainter& painter, const DiagramCurve& curve, const Plot& plot) {
    if (!(curve.largestFlow > curve.firstFlow)) {
        return;
    }
    auto point = [&](long long q) {
        const double qq = static_cast<double>(q);
        return QPointF(std::trunc(plot.x(qq)),
                       std::trunc(plot.y(curve.flowCoefficient * qq * qq + curve.constantTerm)));
    };
    // Flows beyond the box's right edge (or left of it) would only cost time:
    // a caller's largest flow may lie far outside its axis.
    const long long visible =
        static_cast<long long>(std::ceil(plot.flow.pixels() / plot.x(1.0))) + 1;
    const long long first = std::clamp<long long>(curve.firstFlow, -1, visible);
    const long long end = static_cast<long long>(
        std::min(std::ceil(curve.largestFlow), static_cast<double>(visible)));
    painter.setPen(QPen(kDiagramCurve, 3));
    QPointF previous = point(first);
    for (long long q = first; q < end; ++q) {
        const QPointF next = point(q);
        painter.drawLine(previous, next);
        previous = next;
    }
}

void drawDot(QPainter& painter, QPointF at) {
    painter.setPen(QPen(kDiagramCurve, 1));
    painter.setBrush(kDiagramCurve);
    painter.drawEllipse(at, 4.0, 4.0);
    painter.setBrush(Qt::NoBrush);
}

// The computed characteristic, point by point, with its operating point marked.
void drawPoints(QPainter& painter, const std::vector<QPointF>& points, const Plot& plot) {
    if (points.empty()) {
        return;
    }
    QPolygonF line;
    for (const QPointF& point : points) {
        line << QPointF(plot.x(point.x()), plot.y(point.y()));
    }
    painter.setPen(QPen(kDiagramCurve, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(line);
    drawDot(painter, line.back());
}

}  // namespace

void drawValveDiagram(QPainter& painter, QSize size, const std::optional<ValveDiagram>& diagram) {
    painter.fillRect(QRect(QPoint(0, 0), size), kDiagramBackground);
    if (!diagram || !drawableCounts(diagram->flowCells, diagram->dropCells) || size.width() < 2 ||
        size.height() < 2) {
        return;
    }
    painter.save();
    const Plot plot(size, *diagram);
    drawGrid(painter, size, plot);
    // Numbers and titles before the curve, which must never be hidden.
    const int numberColumn = drawNumbers(painter, size, plot, diagram->firstFlow);
    drawTitles(painter, size, plot, diagram->titles, numberColumn);
    if (diagram->curve) {
        drawCurve(painter, *diagram->curve, plot);
    }
    drawPoints(painter, diagram->points, plot);
    if (diagram->operatingPoint) {
        const QPointF point = *diagram->operatingPoint;
        drawDot(painter, QPointF(plot.x(point.x()), plot.y(point.y())));
    }
    painter.restore();
}
