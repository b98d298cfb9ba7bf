#pragma once

#include <QByteArray>
#include <QString>

// The log saved as rich text: a complete RTF document whose paragraphs are the
// lines of the given plain text, set in a fixed-pitch font so the report
// columns stay aligned in a word processor. The result is pure 7-bit ASCII;
// characters beyond it travel as Unicode escapes.
QByteArray rtfFromPlainText(const QString& text);
