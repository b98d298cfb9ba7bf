#include "pages/CircuitSketch.h"

#include <QCoreApplication>
#include <QFontMetrics>
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

QString shownComponent(const QString& name) {
    for (const char* component : SketchComponent::All) {
        if (name == QLatin1String(component)) {
            return QCoreApplication::translate("CircuitSketch", component);
        }
    }
    return name;
}

SketchLayout sketchLayout(int blockingSystem, bool throttle) {
    using namespace SketchPicture;
    SketchLayout layout;
    int column = 0;
    auto place = [&layout](int picture, int col, int row, const char* shortName = nullptr) {
        // A named cell stands for the component listed last.
        layout.cells.push_back(
            {picture, col, row,
             shortName != nullptr ? static_cast<int>(layout.components.size()) - 1 : -1,
             shortName != nullptr ? shortName : ""});
    };
    layout.components << QString::fromLatin1(SketchComponent::Pump);
    place(Pump, column++, 0, QT_TRANSLATE_NOOP("CircuitSketch", "Pump"));
    layout.components << QString::fromLatin1(SketchComponent::OperationLine);
    place(Line, column++, 0, QT_TRANSLATE_NOOP("CircuitSketch", "Line"));
    // The return line runs back under the operation line to the tank.
    const int afterOperationLine = column;
    layout.components << QString::fromLatin1(SketchComponent::DirectionalValve);
    place(DirectionalValve, column++, 0, QT_TRANSLATE_NOOP("CircuitSketch", "DCV"));
    if (blockingSystem == 1) {
        layout.components << QString::fromLatin1(SketchComponent::CheckValve);
        place(CheckValve, column++, 0, QT_TRANSLATE_NOOP("CircuitSketch", "Check"));
        place(CheckValve, column - 1, 1);
    } else if (blockingSystem == 2) {
        layout.components << QString::fromLatin1(SketchComponent::DoubleCheckValve);
        place(DoubleCheckValve, column++, 0, QT_TRANSLATE_NOOP("CircuitSketch", "2 Check"));
    }
    if (throttle) {
        layout.components << QString::fromLatin1(SketchComponent::ThrottleValve);
        place(Line, column++, 0);
        place(Throttle, column - 1, 1, QT_TRANSLATE_NOOP("CircuitSketch", "Throttle"));
    }
    layout.components << QString::fromLatin1(SketchComponent::Cylinder);
    place(Cylinder, column, 0, QT_TRANSLATE_NOOP("CircuitSketch", "Cylinder"));
    layout.components << QString::fromLatin1(SketchComponent::ReturnLine);
    place(Line, afterOperationLine - 1, 1, QT_TRANSLATE_NOOP("CircuitSketch", "Return"));
    layout.components << QString::fromLatin1(SketchComponent::Tank);
    place(Tank, afterOperationLine - 2, 1, QT_TRANSLATE_NOOP("CircuitSketch", "Tank"));
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

void drawSketchCaptions(QPainter& painter, const SketchLayout& layout, const QStringList& figures) {
    painter.save();
    QFont font = painter.font();
    font.setPixelSize(8);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const auto write = [&painter, &metrics](const QString& text, int left, int top) {
        QRect box = metrics.boundingRect(text).adjusted(-1, 0, 1, 0);
        box.moveTo(left, top);
        painter.fillRect(box, Qt::white);
        painter.setPen(QColor(0, 0, 160));
        painter.drawText(box, Qt::AlignCenter, text);
    };
    for (const SketchCell& cell : layout.cells) {
        if (cell.component < 0) {
            continue;
        }
        const int left = kInset + kSketchCellPixels * cell.column + 1;
        const int top = kInset + kSketchCellPixels * cell.row;
        // Row 0 names stand above the symbols, figures under them; the
        // return row's under its symbols, where the box ends.
        const QString name = QCoreApplication::translate("CircuitSketch", cell.shortName);
        const QString figure =
            cell.component < figures.size() ? figures.at(cell.component) : QString();
        if (cell.row == 0) {
            write(name, left, top);
            if (!figure.isEmpty()) {
                write(figure, left, top + kSketchCellPixels - metrics.height() - 1);
            }
        } else {
            // The cell to the right of a return-row symbol is always free.
            write(figure.isEmpty() ? name : name + QLatin1Char(' ') + figure, left,
                  top + kSketchCellPixels - metrics.height() + 1);
        }
    }
    painter.restore();
}
