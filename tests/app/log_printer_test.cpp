#include <gtest/gtest.h>

#include <QFile>
#include <QFontDatabase>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>

#include "app/LogPrinter.h"
#include "tests/support/QtPrinters.h"

namespace {

// The pages of a PDF as text, by poppler's pdftotext, one entry a page.
QStringList pdfPages(const QString& pdf) {
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!text.waitForFinished(20000) || text.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext (poppler-utils, installed by scripts/setup) failed on "
                      << pdf.toStdString() << ": " << text.readAllStandardError().toStdString();
        return {};
    }
    QStringList pages = QString::fromUtf8(text.readAllStandardOutput()).split(QChar(u'\f'));
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty()) {
        pages.removeLast();
    }
    return pages;
}

// 150 numbered lines, one of them longer than a page is wide, so that lines
// break at the width and run over several pages.
QString numberedLog() {
    QString text;
    for (int i = 1; i <= 150; ++i) {
        text += QStringLiteral("line %1 p = %2 bar\n").arg(i).arg(i * 1.5);
        if (i == 70) {
            text += QStringLiteral("long ") + QString(30, QChar(u'x')) + QStringLiteral(" ") +
                    QString(180, QChar(u'y')) + QStringLiteral(" end-of-long\n");
        }
    }
    return text + QChar(u'\n');
}

struct PrintCase {
    const char* name;
    int fromPage;
    int toPage;
    int cancelAt;  // thousandths of the progress where the user cancels; -1 never
    LogPrinter::Outcome outcome;
    QList<int> pages;  // the numbers of the pages printed; empty: no file at all
};

TEST(LogPrinter, PagesCarryTheHeaderAndTheirNumberAndNoLineIsLostBetweenThem) {
    const PrintCase cases[] = {
        {"everything", 0, 0, -1, LogPrinter::Outcome::Printed, {1, 2, 3}},
        {"a range", 2, 3, -1, LogPrinter::Outcome::Printed, {2, 3}},
        {"cancelled before the first page", 0, 0, 0, LogPrinter::Outcome::Cancelled, {}},
        {"cancelled after the first page", 0, 0, 301, LogPrinter::Outcome::Cancelled, {1}},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QTextDocument log;
    log.setPlainText(numberedLog());
    const QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);

    for (const PrintCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QString pdf = dir.filePath(QString::fromLatin1(c.name) + QStringLiteral(".pdf"));
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setFromTo(c.fromPage, c.toPage);
        LogPrinter printing(QStringLiteral("Hydraulic calculator 1.0"),
                            QStringLiteral("2024-05-06 07:08"), font);
        int last = -1;
        const auto outcome = printing.print(log, printer, [&](int permille) {
            EXPECT_GE(permille, last);
            last = permille;
            return c.cancelAt < 0 || permille < c.cancelAt;
        });
        EXPECT_EQ(outcome, c.outcome);
        if (c.pages.isEmpty()) {
            EXPECT_FALSE(QFile::exists(pdf));
            continue;
        }
        const QStringList pages = pdfPages(pdf);
        ASSERT_EQ(pages.size(), c.pages.size());
        int nextLine = 0;
        for (int i = 0; i < pages.size(); ++i) {
            const QString& page = pages[i];
            EXPECT_TRUE(page.contains(QStringLiteral("Hydraulic calculator 1.0"))) << i;
            EXPECT_TRUE(page.contains(QStringLiteral("2024-05-06 07:08"))) << i;
            EXPECT_TRUE(page.contains(QStringLiteral("Page %1 of 3").arg(c.pages[i]))) << i;
            // Each page goes on with the line after the last of the page before.
            const QRegularExpression numbered(QStringLiteral("line (\\d+) p ="));
            for (auto match = numbered.globalMatch(page); match.hasNext();) {
                const int number = match.next().captured(1).toInt();
                if (nextLine != 0) {
                    EXPECT_EQ(number, nextLine) << "page " << c.pages[i];
                }
                nextLine = number + 1;
            }
        }
        if (c.outcome == LogPrinter::Outcome::Printed && c.fromPage == 0) {
            EXPECT_EQ(nextLine, 151);
            const QString all = pages.join(QString());
            EXPECT_TRUE(all.contains(QStringLiteral("end-of-long")));
        }
    }
}

TEST(LogPrinter, APrinterThatCannotBeOpenedFails) {
    QTextDocument log;
    log.setPlainText(QStringLiteral("report\n"));
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("/no-such-folder/log.pdf"));
    LogPrinter printing(QStringLiteral("header"), QStringLiteral("date"),
                        QFontDatabase::systemFont(QFontDatabase::FixedFont));
    EXPECT_EQ(printing.print(log, printer, [](int) { return true; }), LogPrinter::Outcome::Failed);
}

}  // namespace
