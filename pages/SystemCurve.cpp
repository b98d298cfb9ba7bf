#include "pages/SystemCurve.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "model/numtext.h"

namespace {

constexpr int kLeft = 52;
constexpr int kRight = 14;
constexpr int kTop = 26;
constexpr int kBottom = 40;
constexpr int kMostSteps = 8;

const QColor kBackground{255, 255, 255};
const QColor kGrid{215, 215, 215};
const QColor kAxes{0, 0, 0};
const QColor kCurve{0, 128, 0};
const QColor kLevel{220, 0, 0};
const QColor kMarker{0, 0, 200};

QString axisNumber(double value, double step) {
    // As many decimals as the step needs, never a "-0".
    const int decimals = step >= 1.0 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
    const double shown = std::fabs(value) < step * 1e-6 ? 0.0 : value;
    return QString::number(shown, 'f', decimals);
}

}  // namespace

double niceStep(double span, int most) {
    if (!(span > 0.0) || !std::isfinite(span) || most < 1) {
        return 1.0;
    }
    const double raw = span / most;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (factor * power >= raw * (1.0 - 1e-12)) {
            return factor * power;
        }
    }
    return 10.0 * power;
}

CurveBox::CurveBox(QWidget* parent, const char* name, const QRect& geometry) : QWidget(parent) {
    setObjectName(QString::fromLatin1(name));
    setGeometry(geometry);
}

void CurveBox::setPlot(std::optional<CurvePlot> plot) {
    plot_ = std::move(plot);
    update();
}

double CurveBox::axisTop(const CurvePlot& plot) {
    double top = 0.0;
    for (const QPointF& point : plot.points) {
        top = std::max(top, point.y());
    }
    if (plot.level) {
        top = std::max(top, *plot.level);
    }
    if (plot.marker) {
        top = std::max(top, plot.marker->y());
    }
    if (plot.yCeiling) {
        top = std::min(top, *plot.yCeiling);
    }
    const double step = niceStep(top, kMostSteps);
    return std::ceil(top / step - 1e-9) * step;
}

void CurveBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    painter.setPen(kGrid);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!plot_ || plot_->points.size() < 2) {
        return;
    }
    const CurvePlot& plot = *plot_;
    double right = plot.xEnd.value_or(0.0);
    for (const QPointF& point : plot.points) {
        right = std::max(right, point.x());
    }
    const double top = axisTop(plot);
    if (!(right > 0.0) || !(top > 0.0) || !std::isfinite(right) || !std::isfinite(top)) {
        return;
    }
    const QRectF area(kLeft, kTop, width() - kLeft - kRight, height() - kTop - kBottom);
    const auto at = [&](double x, double y) {
        return QPointF(area.left() + x / right * area.width(),
                       area.bottom() - y / top * area.height());
    };
    const QFontMetrics metrics = fontMetrics();

    // Grid and numbers.
    const double xStep = niceStep(right, kMostSteps);
    const double yStep = niceStep(top, kMostSteps);
    for (double x = 0.0; x <= right * (1.0 + 1e-9); x += xStep) {
        const QPointF foot = at(x, 0.0);
        painter.setPen(kGrid);
        painter.drawLine(foot, at(x, top));
        painter.setPen(kAxes);
        const QString number = axisNumber(x, xStep);
        painter.drawText(QPointF(foot.x() - metrics.horizontalAdvance(number) / 2.0,
                                 foot.y() + metrics.ascent() + 3),
                         number);
    }
    for (double y = 0.0; y <= top * (1.0 + 1e-9); y += yStep) {
        const QPointF start = at(0.0, y);
        painter.setPen(kGrid);
        painter.drawLine(start, at(right, y));
        painter.setPen(kAxes);
        const QString number = axisNumber(y, yStep);
        painter.drawText(QPointF(start.x() - metrics.horizontalAdvance(number) - 4,
                                 start.y() + metrics.ascent() / 2.0 - 1),
                         number);
    }
    painter.setPen(kAxes);
    painter.drawLine(at(0.0, 0.0), at(right, 0.0));
    painter.drawLine(at(0.0, 0.0), at(0.0, top));
    // Titles with their units: the x axis's under its numbers, right-aligned,
    // the y axis's above the plot.
    painter.drawText(QPointF(area.right() - metrics.horizontalAdvance(plot.xTitle),
                             height() - metrics.descent() - 3),
                     plot.xTitle);
    painter.drawText(QPointF(4, metrics.ascent() + 4), plot.yTitle);

    painter.save();
    painter.setClipRect(area.adjusted(-1, -1, 1, 1));
    painter.setRenderHint(QPainter::Antialiasing);
    if (plot.level) {
        QPen dashed(kLevel, 1.5, Qt::DashLine);
        painter.setPen(dashed);
        const QPointF end = at(right, *plot.level);
        painter.drawLine(at(0.0, *plot.level), end);
        if (!plot.levelCaption.isEmpty()) {
            // At the right end, clear of the curve's start where a marker may stand.
            painter.drawText(
                QPointF(end.x() - metrics.horizontalAdvance(plot.levelCaption) - 4, end.y() - 4),
                plot.levelCaption);
        }
    }
    QPainterPath path(at(plot.points.front().x(), plot.points.front().y()));
    for (std::size_t i = 1; i < plot.points.size(); ++i) {
        path.lineTo(at(plot.points[i].x(), plot.points[i].y()));
    }
    painter.setPen(QPen(kCurve, 2.0));
    painter.drawPath(path);
    if (plot.marker) {
        painter.setPen(QPen(kMarker, 2.0));
        painter.setBrush(kMarker);
        painter.drawEllipse(at(plot.marker->x(), plot.marker->y()), 3.5, 3.5);
    }
    painter.restore();
}
