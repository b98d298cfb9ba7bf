#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>
#include <cmath>
#include <functional>

#include "pages/SystemCurve.h"

namespace {

bool black(const QImage& image, int x, int y) {
    return image.pixelColor(x, y) == QColor(0, 0, 0);
}

// The longest straight run of black pixels across (rows) or down (columns):
// where an axis stands.
int axisAt(const QImage& image, bool rows) {
    const int lines = rows ? image.height() : image.width();
    const int length = rows ? image.width() : image.height();
    int best = -1;
    int bestRun = 0;
    for (int line = 0; line < lines; ++line) {
        int run = 0;
        for (int along = 0; along < length; ++along) {
            run = (rows ? black(image, along, line) : black(image, line, along)) ? run + 1 : 0;
            if (run > bestRun) {
                bestRun = run;
                best = line;
            }
        }
    }
    return best;
}

// The farthest grid line from an axis, looked for along a line of pixels
// inside the box's frame (drawn in the grid's colour too).
int lastGridLine(const QImage& image, int from, int step, int across, bool rows) {
    int last = from;
    for (int at = from + step; at > 1 && at < (rows ? image.height() : image.width()) - 2;
         at += step) {
        const QColor colour = rows ? image.pixelColor(across, at) : image.pixelColor(at, across);
        if (colour == QColor(215, 215, 215)) {
            last = at;
        }
    }
    return last;
}

// The middle of the curve's green in a column.
double curveRow(const QImage& image, int x) {
    double sum = 0.0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QColor colour = image.pixelColor(x, y);
        if (colour.green() > colour.red() + 60 && colour.green() > colour.blue() + 60) {
            sum += y;
            ++count;
        }
    }
    return count > 0 ? sum / count : -1.0;
}

}  // namespace

// The curve read back through its axes stands on the law it was drawn from, to a
// pixel, at three points.
TEST(SystemCurveTrace, TheCurveStandsOnItsValues) {
    QWidget parent;
    CurveBox box(&parent, "pbTrace", QRect(0, 0, 430, 270));
    const std::function<double(double)> law = [](double x) {
        return 10.0 + 0.0004 * (x - 250.0) * (x - 250.0);
    };
    CurvePlot plot{.xTitle = QStringLiteral("x [mm]"), .yTitle = QStringLiteral("f0 [Hz]")};
    for (int i = 0; i <= 500; ++i) {
        plot.points.emplace_back(i, law(i));
    }
    box.setPlot(plot);
    const QImage image = box.grab().toImage().convertToFormat(QImage::Format_RGB32);

    const int xAxisRow = axisAt(image, true);
    const int yAxisColumn = axisAt(image, false);
    ASSERT_GT(xAxisRow, 0);
    ASSERT_GT(yAxisColumn, 0);
    // The grid's last lines stand at the axes' ends: 500 across, the axis top up.
    const int topRow = lastGridLine(image, xAxisRow, -1, yAxisColumn + 3, true);
    const int rightColumn = lastGridLine(image, yAxisColumn, 1, xAxisRow - 3, false);
    ASSERT_LT(topRow, xAxisRow - 50);
    ASSERT_GT(rightColumn, yAxisColumn + 100);
    const double top = CurveBox::axisTop(plot);
    const double perPixel = top / (xAxisRow - topRow);

    for (const double x : {100.0, 250.0, 400.0}) {
        const int column =
            static_cast<int>(std::lround(yAxisColumn + x / 500.0 * (rightColumn - yAxisColumn)));
        const double row = curveRow(image, column);
        ASSERT_GE(row, 0.0) << "no curve at x = " << x;
        const double read = (xAxisRow - row) * perPixel;
        EXPECT_NEAR(read, law(x), perPixel) << "x = " << x;
    }
}
