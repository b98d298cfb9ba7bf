#pragma once

#include <QString>
#include <exception>
#include <span>
#include <string>

#include "model/ReportRow.h"
#include "model/TextKey.h"

// The texts model/ and circuit/ hand up are English keys (TEXT_KEY, context
// "Model"); these show them in the language the program runs in. A text that
// has no translation (a user's valve name, a figure) stands as it is.

QString modelText(const char* key);
QString modelText(const std::string& key);

// The key translated and its figures put in place.
QString modelText(const KeyedText& text);

// An exception's message as the user reads it: a keyed InputError in the
// program's language, any other message translated as a key.
QString faultText(const std::exception& failure);

// The rows with their label and closing texts translated, ready to be
// written in a unit system.
units::ReportRows translatedRows(std::span<const units::ReportRow> rows);
