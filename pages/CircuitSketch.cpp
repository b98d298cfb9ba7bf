#include "pages/CircuitSketch.h"

#include <QPainter>

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
    return layout;
}

void drawSketch(QPainter& painter, QSize size, const SketchLayout& layout,
                const std::map<int, QImage>& pictures) {
    painter.save();
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
    for (const SketchCell& cell : layout.cells) {
        const auto found = pictures.find(cell.picture);
        if (found == pictures.end()) {
            continue;
        }
        const QRect target(kSketchCellPixels * cell.column + 2, kSketchCellPixels * cell.row + 2,
                           kSketchCellPixels, kSketchCellPixels);
        painter.drawImage(target, found->second);
    }
    painter.restore();
}
