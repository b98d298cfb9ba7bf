#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// Valve data files, without a window: one valve per line, its display name,
// then five fields each closed by a bar:
//   name|largest flow|largest drop|p0|k|first flow|
// Text after the sixth bar is not read.

// The lines of a file's content; a line ends in CR LF, LF or CR, and a last
// line end does not start another line. UTF-8 where the bytes are valid
// UTF-8, otherwise 8-bit Latin-1.
QStringList splitDataLines(const QByteArray& content);

// A real data file holds a few kilobytes; one far larger is no valve data
// and would only hold the window while it is read.
inline constexpr qint64 kMaxDataFileBytes = 10LL * 1024 * 1024;

// The lines of the file, or nothing when it cannot be read; then `fault`,
// where given, says why: its size above kMaxDataFileBytes (checked before
// anything is read) or the system's reason.
std::optional<QStringList> readDataFile(const QString& path, QString* fault = nullptr);

// What the valve list shows for a line: the text before its first bar
// (empty for a line without one).
QString entryName(const QString& line);

// A valve read from one data line.
struct ValveLine {
    QString name;
    std::array<QString, 5> fields;  // F0..F4 as written, trimmed
    int largestFlow = 0;            // F0, l/min: flow axis and flow slider's maximum
    int largestDrop = 0;            // F1, bar: pressure axis
    double constantTerm = 0;        // F2, p0, bar
    double flowCoefficient = 0;     // F3, k, bar/(l/min)^2
    int firstFlow = 0;              // F4, l/min: where the curve starts
};

// A line read, or why it cannot be drawn (a sentence for the user).
struct ValveLineReading {
    std::optional<ValveLine> valve;
    QString fault;
};

// Reads a data line. Refused: fewer than five fields, a field that is no
// number (F0, F1 and F4 whole numbers), a largest flow outside 1..10000
// l/min, a largest drop outside 1..1000 bar, a first flow outside
// 0..largest flow - 1, a p0 outside 0..1000 bar, a negative k, and a k whose
// drop at the largest flow is above 1000 bar: figures beyond any valve.
ValveLineReading readValveLine(const QString& line);
