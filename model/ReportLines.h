#pragma once

#include <string>
#include <vector>

// The text lines of an element's report, one item per line, no line breaks
// inside an item. Created and owned by whoever asks for the report.
using ReportLines = std::vector<std::string>;
