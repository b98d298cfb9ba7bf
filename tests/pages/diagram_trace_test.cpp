#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <algorithm>
#include <iterator>
#include <map>
#include <vector>

#include "pages/Funkcije.h"
#include "tests/support/MainWindowFixture.h"
#include "ui/Diagram.h"
#include "ui/DiagramBox.h"

// Reads a drawn diagram back as a user reads it: the grid lines give the
// axes (the lowest line is a drop of 0, the leftmost a flow of 0, one cell
// per unit), and a point of the curve is the middle of the curve's pixels in
// the column of its flow.
namespace {

struct Axis {
    int origin = 0;     // pixel of the value 0
    double cell = 0.0;  // pixels between neighbouring grid lines
};

bool same(const QImage& image, int x, int y, const QColor& colour) {
    return (image.pixel(x, y) & 0xFFFFFF) == (colour.rgb() & 0xFFFFFF);
}

// The mean gap between neighbouring lines.
double meanGap(const std::vector<int>& lines) {
    return static_cast<double>(lines.back() - lines.front()) /
           static_cast<double>(lines.size() - 1);
}

// Rows (across = true) or columns that are mostly grid: the grid lines.
std::vector<int> gridLines(const QImage& image, const QColor& grid, bool rows) {
    const int count = rows ? image.height() : image.width();
    const int length = rows ? image.width() : image.height();
    std::vector<int> lines;
    for (int i = 0; i < count; ++i) {
        int hits = 0;
        for (int j = 0; j < length; ++j) {
            hits += rows ? same(image, j, i, grid) : same(image, i, j, grid);
        }
        if (hits * 10 >= length * 6) {
            lines.push_back(i);
        }
    }
    return lines;
}

struct Tracer {
    Axis flow;
    Axis drop;
    double dropUnit = 1.0;  // bar between neighbouring horizontal grid lines
    double flowUnit = 1.0;  // l/min between neighbouring vertical grid lines

    Tracer(const QImage& image, const QColor& grid, double unit, double flowStep = 1.0)
        : dropUnit(unit), flowUnit(flowStep) {
        const std::vector<int> columns = gridLines(image, grid, false);
        const std::vector<int> rows = gridLines(image, grid, true);
        EXPECT_GE(columns.size(), 3u);
        EXPECT_GE(rows.size(), 3u);
        if (columns.size() >= 3 && rows.size() >= 3) {
            // The gap from the right part only: left, the column of drop
            // numbers may hide a vertical line or two.
            std::vector<int> right;
            std::copy_if(columns.begin(), columns.end(), std::back_inserter(right),
                         [&](int x) { return x >= image.width() / 4; });
            flow = {columns.front(), meanGap(right)};
            drop = {rows.back(), meanGap(rows)};
        }
    }

    // Where a drop stands on the drawn axes.
    double row(double value) const { return drop.origin - value / dropUnit * drop.cell; }
    int column(double q) const {
        return static_cast<int>(std::lround(flow.origin + q / flowUnit * flow.cell));
    }

    // How far the curve passes from the row expected in the flow's column: 0
    // where the row lies inside the pen's stroke (a steep part of the curve
    // fills a long run), else the distance to the stroke's middle rows. -1
    // when the column has no curve pixel.
    double miss(const QImage& image, double q, double expectedRow, const QColor& curve) const {
        const int x = column(q);
        double best = -1;
        for (int y = 0; y < image.height(); ++y) {
            if (!same(image, x, y, curve)) {
                continue;
            }
            int end = y;
            while (end + 1 < image.height() && same(image, x, end + 1, curve)) {
                ++end;
            }
            double low = y + 1;
            double high = end - 1;
            if (low > high) {
                low = high = (y + end) / 2.0;
            }
            const double distance = std::max({0.0, low - expectedRow, expectedRow - high});
            if (best < 0 || distance < best) {
                best = distance;
            }
            y = end;
        }
        return best;
    }

    void expectOnValue(const QImage& image, double q, double value, const QColor& curve) const {
        const double expected = row(value);
        const double distance = miss(image, q, expected, curve);
        ASSERT_GE(distance, 0) << "no curve at " << q << " l/min";
        EXPECT_LE(distance, 1.0) << q << " l/min, " << value << " bar: the curve passes "
                                 << distance << " px from row " << expected << " in column "
                                 << column(q) << " (axes read: flow from " << flow.origin << " by "
                                 << flow.cell << ", drop from " << drop.origin << " by "
                                 << drop.cell << ")";
    }
};

// A pixel of text of the colour on the background, smoothed at its edges:
// a mix of the two, at least a quarter of the colour.
bool tinted(const QImage& image, int x, int y, const QColor& colour, const QColor& background) {
    const QColor pixel = image.pixelColor(x, y);
    const int c[] = {colour.red(), colour.green(), colour.blue()};
    const int b[] = {background.red(), background.green(), background.blue()};
    const int p[] = {pixel.red(), pixel.green(), pixel.blue()};
    int widest = 0;
    for (int i = 1; i < 3; ++i) {
        widest = std::abs(c[i] - b[i]) > std::abs(c[widest] - b[widest]) ? i : widest;
    }
    if (c[widest] == b[widest]) {
        return false;
    }
    const double share = static_cast<double>(p[widest] - b[widest]) / (c[widest] - b[widest]);
    if (share < 0.25 || share > 1.05) {
        return false;
    }
    for (int i = 0; i < 3; ++i) {
        if (std::abs(b[i] + share * (c[i] - b[i]) - p[i]) > 40) {
            return false;
        }
    }
    return true;
}

// The boxes of the texts of one colour: pixels of it no more than three
// pixels apart across, two down, belong to one text (the digits of a number).
std::vector<QRect> numberBoxes(const QImage& image, const QColor& colour,
                               const QColor& background) {
    const int w = image.width();
    const int h = image.height();
    std::vector<char> seen(static_cast<std::size_t>(w * h), 0);
    auto index = [w](int x, int y) { return static_cast<std::size_t>(y * w + x); };
    std::vector<QRect> boxes;
    for (int x0 = 0; x0 < w; ++x0) {
        for (int y0 = 0; y0 < h; ++y0) {
            if (seen[index(x0, y0)] || !tinted(image, x0, y0, colour, background)) {
                continue;
            }
            QRect box(x0, y0, 1, 1);
            std::vector<QPoint> open{QPoint(x0, y0)};
            seen[index(x0, y0)] = 1;
            while (!open.empty()) {
                const QPoint p = open.back();
                open.pop_back();
                box = box.united(QRect(p, QSize(1, 1)));
                for (int dy = -2; dy <= 2; ++dy) {
                    for (int dx = -3; dx <= 3; ++dx) {
                        const int x = p.x() + dx;
                        const int y = p.y() + dy;
                        if (x >= 0 && y >= 0 && x < w && y < h && !seen[index(x, y)] &&
                            tinted(image, x, y, colour, background)) {
                            seen[index(x, y)] = 1;
                            open.emplace_back(x, y);
                        }
                    }
                }
            }
            boxes.push_back(box);
        }
    }
    return boxes;
}

// Each number whole inside the box and no grid line through it.
void expectReadableNumbers(const QImage& image, const QColor& numbers, const QColor& background,
                           const QColor& grid) {
    const std::vector<QRect> boxes = numberBoxes(image, numbers, background);
    ASSERT_FALSE(boxes.empty());
    for (const QRect& box : boxes) {
        if (box.width() > 40) {
            continue;  // an axis title on a box of the numbers' colour
        }
        EXPECT_GE(box.left(), 1) << "cut at the left edge";
        EXPECT_LE(box.right(), image.width() - 2) << "cut at the right edge";
        EXPECT_GE(box.top(), 1);
        EXPECT_LE(box.bottom(), image.height() - 2);
        int crossed = 0;
        QPoint first;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x) {
                if (same(image, x, y, grid) && crossed++ == 0) {
                    first = QPoint(x, y);
                }
            }
        }
        EXPECT_EQ(crossed, 0) << "grid through the number at " << box.x() << "," << box.y() << " ("
                              << box.width() << "x" << box.height() << "), first at " << first.x()
                              << "," << first.y();
    }
}

// Flow numbers, the lowest row of numbers, grow from left to right, so the
// last one has as many digits as any: a digit narrower than the widest
// ("30" after "280") was cut at the edge.
void expectWholeFlowNumbers(const QImage& image, const QColor& numbers, const QColor& background) {
    std::vector<QRect> boxes = numberBoxes(image, numbers, background);
    int lowest = 0;
    for (const QRect& box : boxes) {
        lowest = std::max(lowest, box.bottom());
    }
    std::erase_if(boxes, [&](const QRect& box) { return box.bottom() < lowest - 3; });
    ASSERT_GE(boxes.size(), 3u);
    std::sort(boxes.begin(), boxes.end(), [](QRect a, QRect b) { return a.x() < b.x(); });
    const int digit = boxes.front().width();  // "0" or the first flow's digit
    int widest = 0;
    for (const QRect& box : boxes) {
        widest = std::max(widest, box.width());
    }
    EXPECT_GT(boxes.back().width(), widest - digit) << "cut number at " << boxes.back().x();
}

QImage grabbed(QWidget* box) {
    return box->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// With DIAGRAM_TRACE_DIR set, the pictures read are kept there, to be looked at.
void keep(const QImage& image, const char* name) {
    const QString folder = qEnvironmentVariable("DIAGRAM_TRACE_DIR");
    if (!folder.isEmpty()) {
        image.save(folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
    }
}

class DiagramTraceTest : public MainWindowFixture {};

TEST_F(DiagramTraceTest, TheValveTestCurveStandsOnItsValues) {
    showPage("tsLokalni");
    child<QTabWidget>("pgcntrsValves")->setCurrentIndex(1);
    child<QSlider>("TrackBar8")->setValue(2);
    const double k = text("edLokalK").toDouble();
    const double p0 = text("edQ0").toDouble();
    ASSERT_GT(k, 0.0);
    QTest::mouseClick(child<QPushButton>("btnTest"), Qt::LeftButton);
    const QImage image = grabbed(child<QWidget>("PaintBox1"));
    keep(image, "valve");
    // 75 l/min over 15 bar: whole cells of 6 by 22 px that leave 12 px below.
    const Tracer tracer(image, kDiagramGrid, 1.0);
    EXPECT_DOUBLE_EQ(tracer.flow.cell, 6.0);
    EXPECT_DOUBLE_EQ(tracer.drop.cell, 22.0);
    for (double q : {5.0, 10.0, 15.0}) {
        tracer.expectOnValue(image, q, k * q * q + p0, kDiagramCurve);
    }
    expectReadableNumbers(image, kDiagramFlowNumbers, kDiagramBackground, kDiagramGrid);
    expectReadableNumbers(image, kDiagramDropNumbers, kDiagramBackground, kDiagramGrid);
}

// A disc of the curve's colour around a point: the operating point's dot.
bool dotAt(const QImage& image, int x, int y) {
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            if (!same(image, x + dx, y + dy, kDiagramCurve)) {
                return false;
            }
        }
    }
    return true;
}

TEST_F(DiagramTraceTest, AValveCalculatedOnItsCurveGetsItsOperatingPointMarked) {
    showPage("tsLokalni");
    child<QTabWidget>("pgcntrsValves")->setCurrentIndex(1);
    child<QSlider>("TrackBar8")->setValue(3);
    QTest::mouseClick(child<QPushButton>("btnTest"), Qt::LeftButton);
    child<QSlider>("tbVENTIL_Q")->setValue(12);
    // An intake that carries the drop: below it the valve is not calculated.
    typeAndLeave("edVENTIL_Pul", "100");
    const double k = text("edLokalK").toDouble();
    const double drop = k * 12 * 12 + 3;  // the drop at 12 l/min
    QTest::mouseClick(child<QPushButton>("BitBtn10"), Qt::LeftButton);
    QImage image = grabbed(child<QWidget>("PaintBox1"));
    keep(image, "valve-operating-point");
    const Tracer tracer(image, kDiagramGrid, 1.0);
    const int x = tracer.column(12);
    const int y = static_cast<int>(std::lround(tracer.row(drop)));
    EXPECT_TRUE(dotAt(image, x, y)) << x << "," << y;
    // Away from the curve elsewhere: no dot.
    EXPECT_FALSE(dotAt(image, tracer.column(40), static_cast<int>(tracer.row(3))));

    // Other coefficients than the curve shown: the dot would stand beside it.
    child<QSlider>("tbHidrKar")->setValue(30);
    QTest::mouseClick(child<QPushButton>("BitBtn10"), Qt::LeftButton);
    image = grabbed(child<QWidget>("PaintBox1"));
    EXPECT_FALSE(dotAt(image, x, y));
    EXPECT_TRUE(desktop->shown.empty());
}

TEST_F(DiagramTraceTest, TheLineCurveStandsOnItsValues) {
    showPage("tsUsputni");
    child<QLineEdit>("Edit1")->setText("890");
    child<QLineEdit>("Edit2")->setText("46");
    QRadioButton* flowOption = child<QGroupBox>("USRadio")->findChildren<QRadioButton*>().at(1);
    QTest::mouseClick(flowOption, Qt::LeftButton, {}, QPoint(6, flowOption->height() / 2));
    typeAndLeave("edUSd", "10");
    typeAndLeave("edUSl", "2");
    typeAndLeave("edUS", "30.5");
    QTest::mouseClick(child<QPushButton>("BitBtn5"), Qt::LeftButton);
    auto* box = child<DiagramBox>("PaintBox2");
    ASSERT_TRUE(box->diagram().has_value());
    const ValveDiagram& diagram = *box->diagram();
    const QImage image = grabbed(box);
    keep(image, "line");
    const Tracer tracer(image, kDiagramGrid, diagram.dropUnit);
    // Points of the line's own law, at a quarter, half and three quarters of the flow.
    for (std::size_t i : {50u, 100u, 150u}) {
        ASSERT_LT(i, diagram.points.size());
        tracer.expectOnValue(image, diagram.points[i].x(), diagram.points[i].y(), kDiagramCurve);
    }
    expectReadableNumbers(image, kDiagramFlowNumbers, kDiagramBackground, kDiagramGrid);
    expectReadableNumbers(image, kDiagramDropNumbers, kDiagramBackground, kDiagramGrid);
}

TEST(CircuitDiagramTrace, BothCurvesStandOnTheirValues) {
    struct Case {
        int flowMax;
        int pressureMax;
        double flowPerGridLine;  // as the picture shows it
    };
    // Whole cells of 20 by 32 px; and a flow axis too wide for whole cells,
    // gridded every 5 l/min, whose last number stands at the right edge.
    for (const Case& t : {Case{20, 10, 1.0}, Case{310, 20, 5.0}}) {
        SCOPED_TRACE(t.flowMax);
        // Both curves reach 80 % and 40 % of the pressure axis.
        const double a = 0.8 * t.pressureMax / (t.flowMax * t.flowMax);
        CircuitCharacteristic c;
        c.flowMax = t.flowMax;
        c.pressureMax = t.pressureMax;
        c.flow = t.flowMax;
        for (int i = 0; i <= 200; ++i) {
            const double q = t.flowMax * i / 200.0;
            c.points.push_back({q, a * q * q, a / 2 * q * q});
        }
        c.supplyDrop = c.points.back().supply;
        c.returnDrop = c.points.back().ret;
        QImage image(401, 321, QImage::Format_RGB32);
        QPainter painter(&image);
        Funkcije::drawCharacteristic(painter, image.size(), c);
        painter.end();
        keep(image, t.flowMax == 20 ? "circuit" : "circuit-wide");
        const Tracer tracer(image, Funkcije::kGrid, 1.0, t.flowPerGridLine);
        for (double share : {0.3, 0.6, 0.9}) {
            const double q = share * t.flowMax;
            tracer.expectOnValue(image, q, a * q * q, Funkcije::kCurve);
            tracer.expectOnValue(image, q, a / 2 * q * q, Funkcije::kReturnCurve);
        }
        expectWholeFlowNumbers(image, Funkcije::kNumbers, Funkcije::kBackground);
        expectReadableNumbers(image, Funkcije::kNumbers, Funkcije::kBackground, Funkcije::kGrid);
    }
}

// Three-digit numbers at the right edge: a flow axis of 0 to 310 l/min.
TEST(DiagramNumbers, AWideAxisKeepsItsLastNumberWhole) {
    ValveDiagram diagram;
    diagram.flowCells = 310;
    diagram.dropCells = 15;
    diagram.curve = DiagramCurve{1.0, 0.0001, 310.0, 15.0, 0};
    QImage image(469, 342, QImage::Format_RGB32);
    QPainter painter(&image);
    drawValveDiagram(painter, image.size(), diagram);
    painter.end();
    keep(image, "wide");
    expectWholeFlowNumbers(image, kDiagramFlowNumbers, kDiagramBackground);
    expectReadableNumbers(image, kDiagramFlowNumbers, kDiagramBackground, kDiagramGrid);
    expectReadableNumbers(image, kDiagramDropNumbers, kDiagramBackground, kDiagramGrid);
}

}  // namespace
