#pragma once

#include <span>

#include "model/ReportLines.h"
#include "model/ReportRow.h"

class PageServices;

// The one way a report reaches the results log: its rows written in the unit
// system the pages show at this moment, so that every entry keeps the units
// it was computed in, whatever the user chooses later. All lines are written
// before any is appended: a row that cannot be written (ConversionError,
// FloatingPointFault) leaves the log as it was.
void appendReportRows(PageServices& services, std::span<const units::ReportRow> rows);

// The rows' lines in the unit system shown, for a page that adds lines of its
// own to them before they go to the log.
ReportLines shownLines(PageServices& services, std::span<const units::ReportRow> rows);
