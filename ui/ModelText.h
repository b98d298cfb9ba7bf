#pragma once

#include <QString>
#include <exception>
#include <span>
#include <string>
#include <string_view>

#include "model/ReportRow.h"
#include "model/TextKey.h"

// The texts model/ and circuit/ hand up are English keys (TEXT_KEY, context
// "Model"); these show them in the language the program runs in. A text that
// has no translation (a user's valve name, a figure) stands as it is.

QString modelText(const char* key);
QString modelText(const std::string& key);
// For the names the model hands up as views: tubeTypeName, slotLabel,
// kUserDefinedFluid.
QString modelText(std::string_view key);

// The key translated and its figures put in place: a figure that is a model
// text itself translated too, any other as it is.
QString modelText(const KeyedText& text);

// An exception's message as the user reads it: a keyed message (InputError,
// FluidRangeError, FloatingPointFault, ConversionError with figures) in the
// program's language, any other message translated as a key.
QString faultText(const std::exception& failure);

// The rows with their label and closing texts translated, ready to be
// written in a unit system. A row of the user's own text stays as it is.
units::ReportRows translatedRows(std::span<const units::ReportRow> rows);

// A unit's spelling from the unit table as the user reads it in a caption, a
// unit label, an axis title or a report: looked up in the program's language
// (context "Unit"), so that a translation may write its own spelling ("o/min"
// for "rpm"). A spelling without a translation stands as the table writes it.
QString shownUnit(std::string_view spelling);
// The same for a report line's text.
std::string unitSpelling(std::string_view spelling);
