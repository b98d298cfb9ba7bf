#include "pages/Funkcije.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <limits>

#include "ui/Diagram.h"

namespace Funkcije {
namespace {

// The box's two axes, built alike by every routine so that the grid, the
// numbers and the curve agree to the pixel.
struct Axes {
    AxisScale x;
    AxisScale y;
    int bottom;  // the row of the y axis's first value
};

std::optional<Axes> axesOf(QSize size, int XMAX, int XMIN, int YMAX, int YMIN) {
    const long long width = static_cast<long long>(XMAX) - XMIN;
    const long long height = static_cast<long long>(YMAX) - YMIN;
    constexpr long long kLargest = std::numeric_limits<int>::max();
    if (width <= 0 || height <= 0 || width > kLargest || height > kLargest || size.width() < 2 ||
        size.height() < 2) {
        return std::nullopt;
    }
    // The grid spans the pixels 0 to size - 1, so its last lines are on the box.
    return Axes{AxisScale(size.width() - 1, static_cast<int>(width), 1),
                AxisScale(size.height() - 1, static_cast<int>(height), 1), size.height() - 1};
}

}  // namespace

void grid(QPainter& painter, QSize size, int XMAX, int XMIN, int YMAX, int YMIN) {
    const auto axes = axesOf(size, XMAX, XMIN, YMAX, YMIN);
    if (!axes) {
        return;
    }
    painter.save();
    painter.setPen(QPen(kGrid, 1));
    for (long long i = 0; i <= axes->x.cells(); i += axes->x.gridStep()) {
        const int x = static_cast<int>(axes->x.offset(static_cast<double>(i)));
        painter.drawLine(x, 0, x, size.height());
    }
    for (long long j = 0; j <= axes->y.cells(); j += axes->y.gridStep()) {
        const int y = axes->bottom - static_cast<int>(axes->y.offset(static_cast<double>(j)));
        painter.drawLine(0, y, size.width(), y);
    }
    painter.restore();
}

void axisNumbers(QPainter& painter, QSize size, int XMAX, int XMIN, int YMAX, int YMIN) {
    const auto axes = axesOf(size, XMAX, XMIN, YMAX, YMIN);
    if (!axes) {
        return;
    }
    painter.save();
    painter.setPen(kNumbers);
    const QFontMetrics metrics = painter.fontMetrics();
    // A number in every cell where the widest one fits; otherwise the
    // diagram's coarser steps.
    const int widest = std::max(metrics.horizontalAdvance(QString::number(XMAX)),
                                metrics.horizontalAdvance(QString::number(XMIN)));
    const int xStep =
        axes->x.wholeCells() && widest + 4 <= axes->x.cellPixels() ? 1 : axes->x.numberStep();
    const int yStep = axes->y.wholeCells() && metrics.height() + 2 <= axes->y.cellPixels()
                          ? 1
                          : axes->y.numberStep();
    // Each number on a box of the background, inside the box; a number that
    // would overlap the one before it (the last one, pushed in from the
    // right edge) is left out.
    const int lift = metrics.descent() + 2;
    const int baseline = axes->bottom - lift;
    int previousRight = -10;
    for (long long i = 0; i < axes->x.cells(); i += xStep) {
        const QString text = QString::number(XMIN + i);
        const int left = static_cast<int>(axes->x.offset(static_cast<double>(i))) + 2;
        const int pushedLeft = std::min(left, size.width() - 3 - metrics.horizontalAdvance(text));
        if (pushedLeft <= previousRight + 3) {
            continue;
        }
        previousRight =
            drawBoxedText(painter, size, text, QPoint(left, baseline), kNumbers, kBackground)
                .right();
    }
    // The corner belongs to the x axis's first number.
    for (long long j = yStep; j < axes->y.cells(); j += yStep) {
        drawBoxedText(
            painter, size, QString::number(YMIN + j),
            QPoint(3,
                   axes->bottom - static_cast<int>(axes->y.offset(static_cast<double>(j))) - lift),
            kNumbers, kBackground);
    }
    painter.restore();
}

void curve(QPainter& painter, QSize size, int XMAX, int XMIN, int YMAX, int YMIN, double A,
           double B, double C) {
    const auto axes = axesOf(size, XMAX, XMIN, YMAX, YMIN);
    if (!axes) {
        return;
    }
    const double h = size.height();
    auto point = [&](double x) {
        const double y = A * x * x + B * x + C;
        // Far outside the box a point only gives the direction; keep it drawable.
        const double row = std::isfinite(y) ? std::clamp(axes->bottom - axes->y.offset(y - YMIN),
                                                         -4.0 * h, 5.0 * h)
                                            : -4.0 * h;
        return QPointF(std::trunc(axes->x.offset(x - XMIN)), std::trunc(row));
    };
    // A point for every whole x, or for every pixel where those are more.
    const int cells = axes->x.cells();
    const int steps = std::min(cells, size.width());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(kCurve, 2));
    QPointF previous = point(XMIN);
    for (int k = 1; k <= steps; ++k) {
        const QPointF next = point(XMIN + static_cast<double>(cells) * k / steps);
        painter.drawLine(previous, next);
        previous = next;
    }
    painter.restore();
}

void polyline(QPainter& painter, QSize size, int XMAX, int XMIN, int YMAX, int YMIN,
              const std::vector<CircuitCharacteristic::Point>& points,
              double CircuitCharacteristic::Point::*drop, const QColor& colour) {
    const auto axes = axesOf(size, XMAX, XMIN, YMAX, YMIN);
    if (!axes || points.empty()) {
        return;
    }
    const double h = size.height();
    auto pixel = [&](const CircuitCharacteristic::Point& point) {
        const double y = point.*drop;
        // Far outside the box a point only gives the direction; keep it drawable.
        const double row = std::isfinite(y) ? std::clamp(axes->bottom - axes->y.offset(y - YMIN),
                                                         -4.0 * h, 5.0 * h)
                                            : -4.0 * h;
        return QPointF(axes->x.offset(point.flow - XMIN), row);
    };
    QPolygonF line;
    line.reserve(static_cast<qsizetype>(points.size()));
    for (const CircuitCharacteristic::Point& point : points) {
        line << pixel(point);
    }
    painter.save();
    // Exact colours on the black box, as the grid and the numbers have.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colour, 2));
    painter.drawPolyline(line);
    // The operating point, where the curve ends.
    painter.setBrush(colour);
    painter.drawEllipse(line.back(), 3.0, 3.0);
    painter.restore();
}

void legend(QPainter& painter, QSize size) {
    painter.save();
    const QFontMetrics metrics = painter.fontMetrics();
    const int row = metrics.height();
    // Every caption stands on a box of the background, so no grid line
    // crosses it.
    auto caption = [&](const QString& text, int left, int top, const QColor& colour) {
        const QRect box(left, top, metrics.horizontalAdvance(text) + 4, row);
        painter.fillRect(box, kBackground);
        painter.setPen(colour);
        painter.drawText(box.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
        return box;
    };
    const QRect pressureUnit = caption(QStringLiteral("p [bar]"), 2, 2, kNumbers);
    const QString flowUnit = QStringLiteral("Q [l/min]");
    caption(flowUnit, size.width() - metrics.horizontalAdvance(flowUnit) - 8,
            size.height() - 2 * row - 6, kNumbers);
    // The legend: a stroke of each curve's colour before its name.
    const QString names[] = {QCoreApplication::translate("Funkcije", "supply side"),
                             QCoreApplication::translate("Funkcije", "return side")};
    const QColor colours[] = {kCurve, kReturnCurve};
    const int widest =
        std::max(metrics.horizontalAdvance(names[0]), metrics.horizontalAdvance(names[1]));
    // Top left, where both curves are lowest: they rise with the flow and end
    // on the operating point at the right.
    const int left = pressureUnit.right() + 16;
    for (int i = 0; i < 2; ++i) {
        const int top = 2 + i * row;
        painter.fillRect(QRect(left, top, widest + 34, row), kBackground);
        painter.setPen(QPen(colours[i], 2));
        painter.drawLine(left + 4, top + row / 2, left + 24, top + row / 2);
        caption(names[i], left + 28, top, colours[i]);
    }
    painter.restore();
}

void drawCharacteristic(QPainter& painter, QSize size,
                        const std::optional<CircuitCharacteristic>& characteristic) {
    painter.fillRect(QRect(QPoint(0, 0), size), kBackground);
    if (!characteristic) {
        return;
    }
    const CircuitCharacteristic& c = *characteristic;
    const int XMAX = c.flowMax;
    const int YMAX = c.pressureMax;
    grid(painter, size, XMAX, 0, YMAX, 0);
    axisNumbers(painter, size, XMAX, 0, YMAX, 0);
    polyline(painter, size, XMAX, 0, YMAX, 0, c.points, &CircuitCharacteristic::Point::supply,
             kCurve);
    polyline(painter, size, XMAX, 0, YMAX, 0, c.points, &CircuitCharacteristic::Point::ret,
             kReturnCurve);
    legend(painter, size);
}

}  // namespace Funkcije
