#include "pages/CircuitSketch.h"

#include <QPainter>
#include <QPen>

namespace {

// Where the cylinder picture's rod-side chamber opens downwards, from its
// cell's corner.
constexpr int kRodPortX = 30;
constexpr int kRodPortY = 36;
// The pictures stand 2 pixels in from the frame.
constexpr int kInset = 2;

// From the cylinder's rod-side port down to the middle of the return row,
// then left to the right edge of the return line's cell. The pictures of the
// return row (the throttle) stand on it and carry it from edge midpoint to
// edge midpoint themselves.
QPolygon returnPath(int cylinderColumn, int returnLineEnd) {
    const int rowMiddle = kInset + kSketchCellPixels + kSketchCellPixels / 2;
    const int portX = kInset + kSketchCellPixels * cylinderColumn + kRodPortX;
    QPolygon path;
    path << QPoint(portX, kInset + kRodPortY) << QPoint(portX, rowMiddle)
         << QPoint(kInset + kSketchCellPixels * returnLineEnd, rowMiddle);
    return path;
}

}  // namespace

SketchLayout sketchLayout(int blockingSystem, bool throttle) {
    using namespace SketchPicture;
    SketchLayout layout;
    int column = 0;
    auto place = [&layout](int picture, int col, int row) {
        layout.cells.push_back({picture, col, row});
    };
    layout.components << QStringLiteral("Pump") << QStringLiteral("Operation line");
    place(Pump, column++, 0);
    place(Line, column++, 0);
    // The return line runs back under the operation line to the tank.
    const int afterOperationLine = column;
    place(DirectionalValve, column++, 0);
    layout.components << QStringLiteral("Directional control valve");
    if (blockingSystem == 1) {
        place(CheckValve, column++, 0);
        place(CheckValve, column - 1, 1);
        layout.components << QStringLiteral("Check valve");
    } else if (blockingSystem == 2) {
        place(DoubleCheckValve, column++, 0);
        layout.components << QStringLiteral("Double Check valve");
    }
    if (throttle) {
        place(Line, column++, 0);
        place(Throttle, column - 1, 1);
        layout.components << QStringLiteral("Throttle valve");
    }
    place(Cylinder, column, 0);
    layout.components << QStringLiteral("Hydro Cylinder");
    place(Line, afterOperationLine - 1, 1);
    place(Tank, afterOperationLine - 2, 1);
    layout.components << QStringLiteral("Return line") << QStringLiteral(" Supply tank");
    layout.returnPath = returnPath(column, afterOperationLine);
    return layout;
}

void drawSketch(QPainter& painter, QSize size, const SketchLayout& layout,
                const std::map<int, QImage>& pictures) {
    painter.save();
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
    // The joining line only with the pictures it joins, and beneath them.
    if (!pictures.empty()) {
        painter.setPen(QPen(Qt::black, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(layout.returnPath);
    }
    for (const SketchCell& cell : layout.cells) {
        const auto found = pictures.find(cell.picture);
        if (found == pictures.end()) {
            continue;
        }
        const QRect target(kSketchCellPixels * cell.column + kInset,
                           kSketchCellPixels * cell.row + kInset, kSketchCellPixels,
                           kSketchCellPixels);
        // A picture on the return path hides the path's line behind it.
        if (cell.row == 1) {
            painter.fillRect(target, Qt::white);
        }
        painter.drawImage(target, found->second);
    }
    painter.restore();
}
