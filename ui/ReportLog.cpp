#include "ui/ReportLog.h"

#include "ui/ModelText.h"
#include "ui/PageServices.h"

ReportLines shownLines(PageServices& services, std::span<const units::ReportRow> rows) {
    ReportLines lines;
    units::appendRows(lines, translatedRows(rows), services.shared().unitSystem);
    return lines;
}

void appendReportRows(PageServices& services, std::span<const units::ReportRow> rows) {
    services.appendToLog(shownLines(services, rows));
}
