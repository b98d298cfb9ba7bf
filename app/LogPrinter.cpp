#include "app/LogPrinter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <vector>

namespace {

// Counting the lines is the cheaper pass: it gets this share of the progress.
constexpr int kCountingShare = 300;
constexpr int kProgressEnd = 1000;

class PageGeometry {
  public:
    PageGeometry(QPrinter& printer, const QFont& bodyFont, const QFont& headFont)
        : width(printer.pageLayout().paintRectPixels(printer.resolution()).width()),
          height(printer.pageLayout().paintRectPixels(printer.resolution()).height()),
          headLine(QFontMetricsF(headFont, &printer).lineSpacing()),
          bodyLine(QFontMetricsF(bodyFont, &printer).lineSpacing()),
          bodyTop(headLine * 2),
          linesPerPage(std::max(1, int((height - 4 * headLine) / bodyLine))) {}

    const qreal width;
    const qreal height;
    const qreal headLine;
    const qreal bodyLine;
    const qreal bodyTop;
    const int linesPerPage;
};

// One block of the log (one line of its text), broken to the page's width
// as the printer measures it.
void layOut(QTextLayout& layout, qreal width) {
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
    }
    layout.endLayout();
}

}  // namespace

LogPrinter::LogPrinter(QString header, QString date, const QFont& font)
    : header_(std::move(header)), date_(std::move(date)), family_(font.family()), pointSize_(9) {}

LogPrinter::Outcome LogPrinter::print(const QTextDocument& document, QPrinter& printer,
                                      const Progress& progress) {
    QFont body(family_);
    body.setStyleHint(QFont::TypeWriter);
    body.setFixedPitch(true);
    body.setPointSizeF(pointSize_);
    QFont head(QStringLiteral("DejaVu Sans"));
    head.setPointSizeF(pointSize_);
    const PageGeometry page(printer, body, head);

    // The log ends with the blank line after its last report: no page for it.
    std::vector<QTextBlock> blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        blocks.push_back(block);
    }
    while (!blocks.empty() && blocks.back().text().isEmpty()) {
        blocks.pop_back();
    }

    std::vector<int> lineCounts;
    lineCounts.reserve(blocks.size());
    int totalLines = 0;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        QTextLayout layout(blocks[i].text(), body, &printer);
        layOut(layout, page.width);
        lineCounts.push_back(std::max(1, layout.lineCount()));
        totalLines += lineCounts.back();
        // Nothing has gone to the printer yet: a cancel here prints nothing.
        if (i % 256 == 0 && !progress(int(kCountingShare * i / blocks.size()))) {
            return Outcome::Cancelled;
        }
    }
    const int pages = std::max(1, (totalLines + page.linesPerPage - 1) / page.linesPerPage);
    const int firstPage = printer.fromPage() > 0 ? std::min(printer.fromPage(), pages) : 1;
    const int lastPage =
        printer.toPage() > 0 ? std::clamp(printer.toPage(), firstPage, pages) : pages;

    if (!progress(kCountingShare)) {
        return Outcome::Cancelled;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        return Outcome::Failed;
    }
    int started = 0;  // the page now being drawn on, 0 before the first
    const auto startPage = [&](int number) {
        if (started > 0) {
            printer.newPage();
        }
        started = number;
        painter.setFont(head);
        painter.setPen(QPen(Qt::black, printer.resolution() / 144.0));
        const QRectF top(0, 0, page.width, page.headLine);
        painter.drawText(top, Qt::AlignLeft | Qt::AlignVCenter, header_);
        painter.drawText(top, Qt::AlignRight | Qt::AlignVCenter, date_);
        painter.drawLine(QPointF(0, page.headLine * 1.3), QPointF(page.width, page.headLine * 1.3));
        painter.drawText(QRectF(0, page.height - page.headLine, page.width, page.headLine),
                         Qt::AlignHCenter | Qt::AlignVCenter,
                         tr("Page %1 of %2").arg(number).arg(pages));
    };
    startPage(firstPage);

    int line = 0;  // lines before the current block, counted over all pages
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const int firstOnPage = (line / page.linesPerPage) + 1;
        const int lastOnPage = ((line + lineCounts[i] - 1) / page.linesPerPage) + 1;
        if (firstOnPage > lastPage) {
            break;
        }
        if (lastOnPage < firstPage) {
            line += lineCounts[i];
            continue;
        }
        QTextLayout layout(blocks[i].text(), body, &printer);
        layOut(layout, page.width);
        for (int j = 0; j < layout.lineCount(); ++j, ++line) {
            const int number = line / page.linesPerPage + 1;
            if (number < firstPage) {
                continue;
            }
            if (number > lastPage) {
                break;
            }
            if (number != started) {
                // Printers take what they were sent: a cancel keeps the whole
                // pages before it, unless the printer can still drop the job.
                const int done = number - firstPage;
                if (!progress(kCountingShare + (kProgressEnd - kCountingShare) * done /
                                                   (lastPage - firstPage + 1))) {
                    printer.abort();
                    painter.end();
                    return Outcome::Cancelled;
                }
                startPage(number);
            }
            const QTextLine text = layout.lineAt(j);
            painter.setFont(body);
            text.draw(
                &painter,
                QPointF(0, page.bodyTop + (line % page.linesPerPage) * page.bodyLine - text.y()));
        }
        line += std::max(0, lineCounts[i] - layout.lineCount());
    }
    progress(kProgressEnd);
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        return Outcome::Failed;
    }
    return Outcome::Printed;
}
