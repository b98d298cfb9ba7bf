#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "ui/Diagram.h"

namespace {

const QSize kBox{469, 342};

QImage draw(const std::optional<ValveDiagram>& diagram, QSize size = kBox) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    drawValveDiagram(painter, size, diagram);
    return image;
}

ValveDiagram valve(int flowCells, int dropCells, int firstFlow, double p0, double k,
                   double largestFlow) {
    ValveDiagram diagram;
    diagram.flowCells = flowCells;
    diagram.dropCells = dropCells;
    diagram.firstFlow = firstFlow;
    diagram.curve = DiagramCurve{p0, k, largestFlow, static_cast<double>(dropCells), firstFlow};
    return diagram;
}

bool is(const QImage& image, int x, int y, const QColor& colour) {
    return image.pixelColor(x, y) == colour;
}

// Columns of one row that hold a grid pixel.
std::vector<int> gridColumns(const QImage& image, int y) {
    std::vector<int> columns;
    for (int x = 0; x < image.width(); ++x) {
        if (is(image, x, y, kDiagramGrid)) {
            columns.push_back(x);
        }
    }
    return columns;
}

TEST(AxisScaleTest, WholePixelCellsWhereTheyFit) {
    const AxisScale flow(469, 60, 5);
    EXPECT_TRUE(flow.wholeCells());
    EXPECT_EQ(flow.cellPixels(), 7);
    EXPECT_EQ(flow.gridStep(), 1);
    EXPECT_EQ(flow.numberStep(), 5);
    EXPECT_DOUBLE_EQ(flow.offset(10), 70.0);

    const AxisScale drop(342, 20, 2);
    EXPECT_EQ(drop.cellPixels(), 17);
    EXPECT_EQ(drop.numberStep(), 2);

    // Cells of 4 px would be a grey area and leave a fifth of the box empty.
    const AxisScale narrow(469, 100, 5);
    EXPECT_FALSE(narrow.wholeCells());
    EXPECT_EQ(narrow.gridStep(), 2);
    EXPECT_EQ(narrow.numberStep(), 10);
    EXPECT_NEAR(narrow.offset(100), 469.0, 1e-9);
}

TEST(AxisScaleTest, MoreCellsThanPixelsTakeCoarserSteps) {
    const AxisScale flow(469, 600, 5);
    EXPECT_FALSE(flow.wholeCells());
    EXPECT_EQ(flow.gridStep(), 10);
    EXPECT_EQ(flow.numberStep(), 50);
    EXPECT_NEAR(flow.offset(600), 469.0, 1e-9);
    // Grid lines at least six pixels apart, numbers at least 28.
    EXPECT_GE(flow.offset(flow.gridStep()), AxisScale::kMinGridPixels);
    EXPECT_GE(flow.offset(flow.numberStep()), AxisScale::kMinNumberPixels);

    const AxisScale huge(469, 10000, 5);
    // 6 px / (469 / 10000) px is 128 l/min: the next coarse step is 200.
    EXPECT_EQ(huge.gridStep(), 200);
    // Two-pixel cells are no whole cells either.
    const AxisScale dense(469, 300, 5);
    EXPECT_FALSE(dense.wholeCells());
    EXPECT_EQ(dense.gridStep(), 5);
    EXPECT_EQ(huge.numberStep() % huge.gridStep(), 0);
    EXPECT_GE(huge.offset(huge.numberStep()), AxisScale::kMinNumberPixels);
}

TEST(DiagramTest, DrawableCountsAreThoseOfARealValve) {
    EXPECT_TRUE(drawableCounts(1, 1));
    EXPECT_TRUE(drawableCounts(kMaxDiagramFlow, kMaxDiagramDrop));
    EXPECT_FALSE(drawableCounts(0, 20));
    EXPECT_FALSE(drawableCounts(60, -1));
    EXPECT_FALSE(drawableCounts(kMaxDiagramFlow + 1, 20));
    EXPECT_FALSE(drawableCounts(60, kMaxDiagramDrop + 1));
}

TEST(DiagramTest, NoDiagramOrUndrawableCountsLeaveTheEmptyBox) {
    for (const std::optional<ValveDiagram>& diagram :
         {std::optional<ValveDiagram>(), std::optional(valve(0, 20, 0, 1, 0.01, 60)),
          std::optional(valve(60, 2000, 0, 1, 0.01, 60))}) {
        const QImage image = draw(diagram);
        for (int y = 0; y < image.height(); y += 7) {
            for (int x = 0; x < image.width(); x += 5) {
                ASSERT_TRUE(is(image, x, y, kDiagramBackground)) << x << "," << y;
            }
        }
    }
}

TEST(DiagramTest, WholeCellsGiveAGridLineEveryCellAndTheCurveOnIt) {
    const QImage image = draw(valve(60, 20, 5, 2.5, 0.004, 60));
    // Row 115 lies between horizontal lines (102 and 119) and clear of the
    // pressure numbers; the curve crosses it near 52 l/min only.
    std::vector<int> expected;
    for (int x = 0; x < 350; x += 7) {
        expected.push_back(x);
    }
    std::vector<int> columns = gridColumns(image, 115);
    columns.erase(std::remove_if(columns.begin(), columns.end(), [](int x) { return x >= 350; }),
                  columns.end());
    EXPECT_EQ(columns, expected);
    // Column 100 lies between vertical lines, right of the drop numbers and
    // clear of the curve there; rows of the horizontal ones.
    for (int y = 17; y < 300; y += 17) {
        EXPECT_TRUE(is(image, 100, y, kDiagramGrid)) << y;
        EXPECT_TRUE(is(image, 100, y + 3, kDiagramBackground)) << y;
    }
    // At 30 l/min the drop is 2.5 + 0.004 * 900 = 6.1 bar, measured up from
    // the lowest grid line (20 * 17 = 340): 340 - 6.1 * 17 = 236.
    bool curveFound = false;
    for (int y = 235; y <= 237; ++y) {
        curveFound = curveFound || is(image, 210, y, kDiagramCurve);
    }
    EXPECT_TRUE(curveFound);
    // The curve starts at the first flow: nothing of it left of 5 l/min.
    for (int y = 0; y < 342; ++y) {
        ASSERT_FALSE(is(image, 30, y, kDiagramCurve)) << y;
    }
}

TEST(DiagramTest, SixHundredCellsAreDrawnInCoarserSteps) {
    const QImage image = draw(valve(600, 40, 0, 1, 0.0001, 600));
    const std::vector<int> columns = gridColumns(image, 100);
    ASSERT_GE(columns.size(), 20u);
    ASSERT_LE(columns.size(), 130u);
    for (std::size_t i = 1; i < columns.size(); ++i) {
        EXPECT_GE(columns[i] - columns[i - 1], AxisScale::kMinGridPixels) << columns[i];
    }
}

TEST(DiagramTest, HugeCountsAndFarCurvesFinishQuickly) {
    QElapsedTimer timer;
    timer.start();
    const QImage full = draw(valve(10000, 1000, 0, 0, 0.00001, 10000));
    // A curve whose largest flow lies far beyond its axis is drawn only as far
    // as the box reaches.
    const QImage far = draw(valve(60, 20, 0, 5, 0.0, 1e12));
    EXPECT_LT(timer.elapsed(), 5000);
    // A level line at 5 bar: 340 - 5 * 17 = 255, across the whole box.
    EXPECT_TRUE(is(far, 300, 255, kDiagramCurve));
    EXPECT_TRUE(is(far, 460, 255, kDiagramCurve));
    EXPECT_FALSE(full.isNull());
}

TEST(DiagramTest, TitlesStandInTheirCornersOnTheirBackground) {
    ValveDiagram diagram = valve(60, 20, 0, 1, 0.004, 60);
    const QColor yellow(255, 255, 0);
    diagram.titles = {QStringLiteral("Q [l/min]"), QStringLiteral("p [bar]"), yellow};
    const QImage image = draw(diagram);
    // Where each title's background is: the drop's at the top left, the
    // flow's at the right, above the flow numbers.
    auto yellowIn = [&](QRect area) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                count += is(image, x, y, yellow);
            }
        }
        return count;
    };
    EXPECT_GT(yellowIn(QRect(20, 0, 120, 30)), 100);
    EXPECT_GT(yellowIn(QRect(469 - 80, 342 - 60, 80, 40)), 100);
    EXPECT_EQ(yellowIn(QRect(150, 40, 200, 200)), 0);
    // No title: no yellow.
    diagram.titles = {};
    diagram.titles.background = yellow;
    const QImage plain = draw(diagram);
    EXPECT_EQ(plain.pixelColor(30, 10), kDiagramBackground);
}

}  // namespace
