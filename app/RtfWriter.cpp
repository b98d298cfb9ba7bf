#include "app/RtfWriter.h"

#include <QStringList>
#include <cstdint>

namespace {

// \uN takes a signed 16-bit number; the "?" after it is what a reader that
// does not know \u shows instead (one character, as announced by \uc1).
void appendUnicodeEscape(QByteArray& out, char16_t unit) {
    out += "\\u";
    out += QByteArray::number(static_cast<std::int16_t>(unit));
    out += '?';
}

void appendLine(QByteArray& out, const QString& line) {
    for (const QChar ch : line) {
        const char16_t unit = ch.unicode();
        if (unit == u'\\' || unit == u'{' || unit == u'}') {
            out += '\\';
            out += static_cast<char>(unit);
        } else if (unit == u'\t') {
            out += "\\tab ";
        } else if (unit >= 0x20 && unit < 0x7f) {
            out += static_cast<char>(unit);
        } else {
            // Everything else, control characters included, as its code;
            // characters outside the basic plane arrive as their two UTF-16
            // halves, which is how RTF expects them.
            appendUnicodeEscape(out, unit);
        }
    }
    out += "\\par\n";
}

}  // namespace

QByteArray rtfFromPlainText(const QString& text) {
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalised.replace(QChar(u'\r'), QChar(u'\n'));
    normalised.replace(QChar::LineSeparator, QChar(u'\n'));
    normalised.replace(QChar::ParagraphSeparator, QChar(u'\n'));

    QStringList lines = normalised.split(QChar(u'\n'));
    // A final line break ends the last line; it does not start another one.
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }

    QByteArray out =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1"
        "{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset0 Courier New;}}\n"
        "\\pard\\plain\\f0\\fs20\n";
    for (const QString& line : lines) {
        appendLine(out, line);
    }
    out += "}\n";
    return out;
}
