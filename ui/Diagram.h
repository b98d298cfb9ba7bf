#pragma once

#include <QColor>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

class QPainter;

// One axis of a diagram: which whole values get a grid line and a number,
// and where a value stands in pixels. Where the cells fit the box, a cell is
// a whole number of pixels (the box's size divided by the count, integer
// division); where they do not, the scale is continuous and the grid and the
// numbers take coarser steps (1, 2, 5, 10, 20, 50, ...) so the diagram stays
// readable.
class AxisScale {
  public:
    // pixels: the box's extent; cells: the count of units along the axis (at
    // least 1); numberEvery: the step of the numbers where they fit.
    AxisScale(int pixels, int cells, int numberEvery);

    // The pixel offset of a value from the axis's origin.
    double offset(double value) const;
    // True where one cell is a whole number of pixels (at least kMinGridPixels).
    bool wholeCells() const { return cellPixels_ > 0; }
    int cellPixels() const { return cellPixels_; }
    int gridStep() const { return gridStep_; }
    int numberStep() const { return numberStep_; }
    int pixels() const { return pixels_; }
    int cells() const { return cells_; }

    // Grid lines closer than this read as a grey area: narrower whole cells
    // take the continuous scale with coarser steps, which also spans the box.
    static constexpr int kMinGridPixels = 6;
    static constexpr int kMinNumberPixels = 28;

  private:
    int pixels_;
    int cells_;
    int cellPixels_ = 0;  // 0: continuous scale
    double pixelsPerUnit_ = 0;
    int gridStep_ = 1;
    int numberStep_ = 1;
};

// The quadratic characteristic drop = k q^2 + p0, drawn from the first flow
// up to the largest whole flow below the largest flow.
struct DiagramCurve {
    double constantTerm = 0;     // p0, bar
    double flowCoefficient = 0;  // k, bar/(l/min)^2
    double largestFlow = 0;      // QMAX, l/min
    double largestDrop = 0;      // DPMAX, bar
    int firstFlow = 0;           // Q0, l/min
};

// The axes' titles with their units: the drop's at the top left beside the
// column of drop numbers, the flow's at the right above the row of flow
// numbers, each on a box of its background so no grid line crosses it.
struct DiagramTitles {
    QString flow;
    QString drop;
    QColor background;  // invalid: the diagram's background
};

// What a valve or line diagram shows. A page stores it after an action and
// its paint box draws it; drawing never computes anything else.
struct ValveDiagram {
    int flowCells = 1;  // NX: the flow axis runs from 0 to NX
    int dropCells = 1;  // NY: the pressure axis runs from 0 to NY cells
    int firstFlow = 0;  // X0: the first number on the flow axis
    // Bar per pressure cell: 1 for the valve's whole bars, a fraction such as
    // 0.2 where a small drop needs finer steps to be read.
    double dropUnit = 1.0;
    std::optional<DiagramCurve> curve;
    // A characteristic computed point by point (flow l/min, drop bar), drawn
    // as it is; its last point, the operating point, is marked.
    std::vector<QPointF> points;
    // A point (flow l/min, drop bar) marked by a dot: where the valve works.
    std::optional<QPointF> operatingPoint;
    DiagramTitles titles;
};

// The bar per pressure cell, of 1, 2 or 5 times a power of ten, that divides
// a drop into at most 20 cells (so at least 8): fine enough to read a small
// drop, coarse enough to number.
double dropUnitFor(double largestDrop);

// Counts a diagram can be drawn with: at least 1 and at most the largest a
// real valve or line needs.
bool drawableCounts(long long flowCells, long long dropCells);
inline constexpr long long kMaxDiagramFlow = 10000;  // l/min
inline constexpr long long kMaxDiagramDrop = 1000;   // bar

// Colours of the diagram.
inline const QColor kDiagramBackground{255, 255, 255};
inline const QColor kDiagramGrid{0, 0, 0};
inline const QColor kDiagramFlowNumbers{0, 0, 255};
inline const QColor kDiagramDropNumbers{255, 0, 0};
inline const QColor kDiagramCurve{0, 128, 0};

// Writes a text whose baseline starts at `at`, moved inside the box where it
// would be cut, on a rectangle of the background, and returns that rectangle:
// an axis number or title that stays whole and that no grid line crosses.
QRect drawBoxedText(QPainter& painter, QSize size, const QString& text, QPoint at,
                    const QColor& colour, const QColor& background);

// Draws the diagram into a box of the size: background, grid, axis numbers
// and titles, curve, operating point. With no diagram, the empty box. The
// grid spans the box's pixels 0 to size - 1; the lowest grid line is a drop
// of 0 and the leftmost a flow of 0, and every point drawn stands on its
// values measured from them.
void drawValveDiagram(QPainter& painter, QSize size, const std::optional<ValveDiagram>& diagram);
