#include "ui/Diagram.h"

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

namespace {

void drawGrid(QPainter& painter, QSize size, const AxisScale& flow, const AxisScale& drop) {
    painter.setPen(QPen(kDiagramGrid, 1));
    for (int q = 0; q <= flow.cells(); q += flow.gridStep()) {
        const int x = static_cast<int>(flow.offset(q));
        if (x >= size.width()) {
            break;
        }
        painter.drawLine(x, 0, x, size.height());
    }
    for (int p = 0; p <= drop.cells(); p += drop.gridStep()) {
        const int y = static_cast<int>(drop.offset(p));
        if (y >= size.height()) {
            break;
        }
        painter.drawLine(0, y, size.width(), y);
    }
}

void drawNumbers(QPainter& painter, QSize size, const AxisScale& flow, const AxisScale& drop,
                 int firstFlow, double dropUnit) {
    const int h = size.height();
    const int ascent = painter.fontMetrics().ascent();
    // Flow numbers stand 20 pixels above the bottom, from the first flow on.
    painter.setPen(kDiagramFlowNumbers);
    for (long long q = std::max(firstFlow, 0); q < flow.cells(); q += flow.numberStep()) {
        painter.drawText(static_cast<int>(flow.offset(static_cast<double>(q))) + 2, h - 20 + ascent,
                         QString::number(q));
    }
    // Pressure numbers sit just above their grid lines; the corner's 0 is
    // the flow axis's when that starts at 0.
    painter.setPen(kDiagramDropNumbers);
    for (int p = firstFlow == 0 ? drop.numberStep() : 0; p < drop.cells(); p += drop.numberStep()) {
        painter.drawText(2, h - static_cast<int>(drop.offset(p)) - 2,
                         QString::number(p * dropUnit, 'g', 6));
    }
}

// The curve on the diagram's own axes, so each point stands on the grid
// where its flow and drop are read off.
void drawCurve(QPainter& painter, QSize size, const DiagramCurve& curve, const AxisScale& flow,
               const AxisScale& drop, double dropUnit) {
    if (!(curve.largestFlow > curve.firstFlow)) {
        return;
    }
    const int h = size.height();
    auto point = [&](long long q) {
        const double qq = static_cast<double>(q);
        const double dp = (curve.flowCoefficient * qq * qq + curve.constantTerm) / dropUnit;
        // Far outside the box a point is only a direction; keep it drawable.
        const double y =
            std::isfinite(dp) ? std::clamp(h - drop.offset(dp), -4.0 * h, 5.0 * h) : -4.0 * h;
        return QPointF(std::trunc(flow.offset(qq)), std::trunc(y));
    };
    // Flows beyond the box's right edge (or left of it) would only cost time:
    // a caller's largest flow may lie far outside its axis.
    const long long visible =
        static_cast<long long>(std::ceil(flow.pixels() / flow.offset(1.0))) + 1;
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

// The computed characteristic, point by point, with its operating point marked.
void drawPoints(QPainter& painter, QSize size, const std::vector<QPointF>& points,
                const AxisScale& flow, const AxisScale& drop, double dropUnit) {
    if (points.empty()) {
        return;
    }
    const double h = size.height();
    QPolygonF line;
    for (const QPointF& point : points) {
        const double cells = point.y() / dropUnit;
        const double y =
            std::isfinite(cells) ? std::clamp(h - drop.offset(cells), -4.0 * h, 5.0 * h) : -4.0 * h;
        line << QPointF(flow.offset(point.x()), y);
    }
    painter.setPen(QPen(kDiagramCurve, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(line);
    painter.setPen(QPen(kDiagramCurve, 1));
    painter.setBrush(kDiagramCurve);
    painter.drawEllipse(line.back(), 4.0, 4.0);
}

}  // namespace

void drawValveDiagram(QPainter& painter, QSize size, const std::optional<ValveDiagram>& diagram) {
    painter.fillRect(QRect(QPoint(0, 0), size), kDiagramBackground);
    if (!diagram || !drawableCounts(diagram->flowCells, diagram->dropCells)) {
        return;
    }
    painter.save();
    const AxisScale flow(size.width(), diagram->flowCells, 5);
    const AxisScale drop(size.height(), diagram->dropCells, 2);
    drawGrid(painter, size, flow, drop);
    const double unit = diagram->dropUnit > 0.0 ? diagram->dropUnit : 1.0;
    if (diagram->curve) {
        drawCurve(painter, size, *diagram->curve, flow, drop, unit);
    }
    drawPoints(painter, size, diagram->points, flow, drop, unit);
    drawNumbers(painter, size, flow, drop, diagram->firstFlow, unit);
    for (const DiagramCaption& caption : diagram->captions) {
        const int x = caption.x < 0 ? size.width() + caption.x : caption.x;
        const int y = caption.y < 0 ? size.height() + caption.y : caption.y;
        const QRect box = painter.fontMetrics().boundingRect(caption.text).translated(x, y);
        if (caption.background.isValid()) {
            painter.fillRect(box, caption.background);
        }
        painter.setPen(Qt::black);
        painter.drawText(x, y, caption.text);
    }
    painter.restore();
}
