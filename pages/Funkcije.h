#pragma once

#include <QColor>
#include <QSize>
#include <optional>

#include "circuit/CircuitCharacteristic.h"

class QPainter;

// Drawing routines of the circuit's characteristic, on a box of the given
// size. The ranges are whole numbers, in the order XMAX, XMIN, YMAX, YMIN:
// x grows to the right from the left edge, y upwards from the bottom row.
// Where a unit is at least a few whole pixels wide it is a whole number of
// pixels ((W - 1) / (XMAX - XMIN), integer division), so the grid lines fall on the
// values; a range too wide for that is drawn on a continuous scale with
// coarser grid and number steps. A range of zero width draws nothing.
namespace Funkcije {

inline const QColor kBackground{0, 0, 0};
inline const QColor kGrid{0, 255, 0};
inline const QColor kNumbers{255, 255, 0};
inline const QColor kCurve{255, 0, 0};          // the supply side
inline const QColor kReturnCurve{0, 200, 255};  // the return side

// Grid lines at the whole values (or the coarser steps) of both axes.
void grid(QPainter& painter, QSize size, int XMAX, int XMIN, int YMAX, int YMIN);
// The values XMIN, XMIN + 1, ... below XMAX along the bottom edge and
// YMIN + 1, ... below YMAX along the left edge (the corner shows the x axis's
// first value).
void axisNumbers(QPainter& painter, QSize size, int XMAX, int XMIN, int YMAX, int YMIN);
// The curve y = A x^2 + B x + C over x from XMIN to XMAX.
void curve(QPainter& painter, QSize size, int XMAX, int XMIN, int YMAX, int YMIN, double A,
           double B, double C);

// A characteristic computed point by point: one side's drop over the flow,
// with its last point, the operating point, marked.
void polyline(QPainter& painter, QSize size, int XMAX, int XMIN, int YMAX, int YMIN,
              const std::vector<CircuitCharacteristic::Point>& points,
              double CircuitCharacteristic::Point::*drop, const QColor& colour);

// The axes' units and the names of the two curves, each on a box of the
// background so that no grid line crosses them.
void legend(QPainter& painter, QSize size);

// The whole characteristic: black box, green grid, yellow numbers, the red
// supply and return curves. With none, the black box alone.
void drawCharacteristic(QPainter& painter, QSize size,
                        const std::optional<CircuitCharacteristic>& characteristic);

}  // namespace Funkcije
