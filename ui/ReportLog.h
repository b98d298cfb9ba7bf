#pragma once

#include <QString>
#include <span>

#include "model/ReportLines.h"
#include "model/ReportRow.h"

class PageServices;

// Every report rows' way to the user: their texts translated (see
// translatedRows) and their units spelt as the program's language writes them
// (see unitSpelling), in a unit system. Nothing an element or a calculator
// writes as rows should reach the log or a widget any other way: the metric
// lines of metricLines, writeReport or the model's string forms
// (bucklingVerdict, cannotMoveLoad, flowWarnings) are English.

// The one way a report reaches the results log: its rows written in the unit
// system the pages show at this moment, so that every entry keeps the units
// it was computed in, whatever the user chooses later. All lines are written
// before any is appended: a row that cannot be written (ConversionError,
// FloatingPointFault) leaves the log as it was.
void appendReportRows(PageServices& services, std::span<const units::ReportRow> rows);

// The rows' lines in the unit system shown, for a page that adds lines of its
// own to them before they go to the log.
ReportLines shownLines(PageServices& services, std::span<const units::ReportRow> rows);
// The same in a given unit system (a group that keeps its own).
ReportLines shownLines(std::span<const units::ReportRow> rows, units::UnitSystem system);

// The rows' lines as one text, a line break between two lines, for a message
// or a label: a verdict (bucklingVerdictRows), a warning (flowWarningRows,
// cannotMoveLoadRows).
QString shownText(PageServices& services, std::span<const units::ReportRow> rows);
QString shownText(std::span<const units::ReportRow> rows, units::UnitSystem system);
