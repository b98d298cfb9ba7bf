#include "ui/ReportLog.h"

#include <QStringList>

#include "ui/ModelText.h"
#include "ui/PageServices.h"

ReportLines shownLines(std::span<const units::ReportRow> rows, units::UnitSystem system) {
    ReportLines lines;
    units::appendRows(lines, translatedRows(rows), system, unitSpelling);
    return lines;
}

ReportLines shownLines(PageServices& services, std::span<const units::ReportRow> rows) {
    return shownLines(rows, services.shared().unitSystem);
}

void appendReportRows(PageServices& services, std::span<const units::ReportRow> rows) {
    services.appendToLog(shownLines(services, rows));
}

QString shownText(std::span<const units::ReportRow> rows, units::UnitSystem system) {
    QStringList lines;
    for (const std::string& line : shownLines(rows, system)) {
        lines << QString::fromStdString(line);
    }
    return lines.join(QLatin1Char('\n'));
}

QString shownText(PageServices& services, std::span<const units::ReportRow> rows) {
    return shownText(rows, services.shared().unitSystem);
}
