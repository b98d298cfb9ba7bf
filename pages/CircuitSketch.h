#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QPolygon>
#include <QSize>
#include <QStringList>
#include <map>
#include <vector>

class QPainter;

// The circuit's schematic: a grid of 50-pixel cells, each showing one picture
// of the bundle. Row 0 is the supply line from the pump to the cylinder, row 1
// the return line and what hangs below a supply-line element.
struct SketchCell {
    int picture = 0;  // the bundle's number
    int column = 0;
    int row = 0;
    // The component the cell shows by its short name, as an index into the
    // layout's components; -1 for a cell that only carries a line on.
    int component = -1;
    const char* shortName = "";  // untranslated; the captions translate it
};

// The components' names as the sketch lists them. They stay untranslated in
// a layout, so that a page may look its figures up by them and a design keeps
// them in every language; shownComponent() gives the text the user reads.
namespace SketchComponent {
inline constexpr const char* Pump = QT_TRANSLATE_NOOP("CircuitSketch", "Pump");
inline constexpr const char* OperationLine = QT_TRANSLATE_NOOP("CircuitSketch", "Operation line");
inline constexpr const char* DirectionalValve =
    QT_TRANSLATE_NOOP("CircuitSketch", "Directional control valve");
inline constexpr const char* CheckValve = QT_TRANSLATE_NOOP("CircuitSketch", "Check valve");
inline constexpr const char* DoubleCheckValve =
    QT_TRANSLATE_NOOP("CircuitSketch", "Double Check valve");
inline constexpr const char* ThrottleValve = QT_TRANSLATE_NOOP("CircuitSketch", "Throttle valve");
inline constexpr const char* Cylinder = QT_TRANSLATE_NOOP("CircuitSketch", "Hydro Cylinder");
inline constexpr const char* ReturnLine = QT_TRANSLATE_NOOP("CircuitSketch", "Return line");
inline constexpr const char* Tank = QT_TRANSLATE_NOOP("CircuitSketch", " Supply tank");
inline constexpr const char* All[] = {Pump,       OperationLine,    DirectionalValve,
                                      CheckValve, DoubleCheckValve, ThrottleValve,
                                      Cylinder,   ReturnLine,       Tank};
}  // namespace SketchComponent

// A component's name in the program's language; a text that is no
// component's name stands as it is.
QString shownComponent(const QString& name);

struct SketchLayout {
    std::vector<SketchCell> cells;  // in drawing order
    QStringList components;         // SketchComponent names, in flow order
    // Line drawn between the pictures, in the box's pixels: the return path
    // from the cylinder's rod-side port down to the return row and along it,
    // through the cells the row leaves empty, to the return line.
    QPolygon returnPath;
};

// The bundle's numbers of the sketch's pictures.
namespace SketchPicture {
inline constexpr int Cylinder = 2010;
inline constexpr int CheckValve = 2011;
inline constexpr int Throttle = 2014;
inline constexpr int Pump = 2016;
inline constexpr int DirectionalValve = 2017;
inline constexpr int Tank = 2018;
inline constexpr int Line = 2019;
inline constexpr int DoubleCheckValve = 2020;
inline constexpr int All[] = {Cylinder,         CheckValve, Throttle, Pump,
                              DirectionalValve, Tank,       Line,     DoubleCheckValve};
}  // namespace SketchPicture

inline constexpr int kSketchCellPixels = 50;

// The sketch of the circuit with the blocking system (0 none, 1 check valve,
// 2 double check valve) and with or without the throttle on the return line.
SketchLayout sketchLayout(int blockingSystem, bool throttle);

// A framed white box with the cells' pictures; a picture the map lacks leaves
// its cell empty.
void drawSketch(QPainter& painter, QSize size, const SketchLayout& layout,
                const std::map<int, QImage>& pictures);

// Names and figures beside the symbols: each named cell gets its short name
// above its symbol and the figure of its component (`figures`, by the index
// of layout.components; an empty text for none) below it, in a small font on
// white, so the lines beneath stay readable around them.
void drawSketchCaptions(QPainter& painter, const SketchLayout& layout, const QStringList& figures);
