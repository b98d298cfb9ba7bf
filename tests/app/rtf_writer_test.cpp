#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>

#include "app/RtfWriter.h"

namespace {

// The document body: what follows the header, without the closing brace.
QByteArray body(const QByteArray& rtf) {
    const qsizetype start = rtf.indexOf("\\fs20\n") + 6;
    return rtf.mid(start, rtf.lastIndexOf('}') - start);
}

TEST(RtfWriterTest, EveryLineBecomesAParagraph) {
    const QByteArray empty = rtfFromPlainText(QString());
    EXPECT_TRUE(empty.startsWith("{\\rtf1\\ansi"));
    EXPECT_TRUE(empty.contains("{\\fonttbl{\\f0\\fmodern"));
    EXPECT_EQ(body(empty), "");
    EXPECT_EQ(body(rtfFromPlainText("one\ntwo\n")), "one\\par\ntwo\\par\n");
    EXPECT_EQ(body(rtfFromPlainText("one\n\ntwo")), "one\\par\n\\par\ntwo\\par\n");
    EXPECT_EQ(body(rtfFromPlainText("one\r\ntwo\r\n")), "one\\par\ntwo\\par\n");
}

TEST(RtfWriterTest, SpecialCharactersAreEscaped) {
    const QByteArray rtf = rtfFromPlainText("a\\b {c} d\te");
    EXPECT_EQ(body(rtf), "a\\\\b \\{c\\} d\\tab e\\par\n");
    // Escaped braces do not upset the group balance.
    EXPECT_EQ(rtf.count('{') - rtf.count("\\{"), rtf.count('}') - rtf.count("\\}"));
}

TEST(RtfWriterTest, NonAsciiTravelsAsSignedUnicodeEscapes) {
    // č (U+010D), ° (U+00B0), a character above U+7FFF (negative as a 16-bit
    // number) and one outside the basic plane (a surrogate pair).
    const QString text = QString::fromUtf8("\xC4\x8D\xC2\xB0") + QChar(0xFB01) +
                         QString::fromUtf8("\xF0\x9F\x94\xA7");
    const QByteArray rtf = rtfFromPlainText(text);
    EXPECT_EQ(body(rtf), "\\u269?\\u176?\\u-1279?\\u-10179?\\u-8921?\\par\n");
    for (const char c : rtf) {
        EXPECT_LT(static_cast<unsigned char>(c), 0x80);
    }
}

}  // namespace
