#include "pages/ValveData.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>
#include <algorithm>
#include <cmath>
#include <exception>

#include "model/numtext.h"
#include "ui/Diagram.h"

namespace {

constexpr int kFieldCount = 5;
// The name's bar and the five closing bars; more are not read.
constexpr int kBarsRead = kFieldCount + 1;

// Blanks and control characters go from both ends, as an 8-bit text editor
// would leave them.
QString trimField(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first).unicode() <= 0x20) {
        ++first;
    }
    while (last > first && text.at(last - 1).unicode() <= 0x20) {
        --last;
    }
    return text.mid(first, last - first);
}

const char* const kFieldNames[kFieldCount] = {
    QT_TRANSLATE_NOOP("ValveData", "largest flow (field 1)"),
    QT_TRANSLATE_NOOP("ValveData", "largest drop (field 2)"),
    QT_TRANSLATE_NOOP("ValveData", "constant term p0 (field 3)"),
    QT_TRANSLATE_NOOP("ValveData", "flow coefficient k (field 4)"),
    QT_TRANSLATE_NOOP("ValveData", "first flow (field 5)")};

// A field's name in the program's language: the reasons are sentences for the user.
QString fieldName(int field) {
    return QCoreApplication::translate("ValveData", kFieldNames[field]);
}

QString quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

std::optional<int> wholeNumber(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<double> realNumber(const QString& text) {
    try {
        const double value = numtext::StrToFloat(text.toStdString());
        return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

ValveLineReading refuse(const QString& fault) {
    return {std::nullopt, fault};
}

}  // namespace

QStringList splitDataLines(const QByteArray& content) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(content);
    if (utf8.hasError()) {
        text = QString::fromLatin1(content);
    }
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) {
            continue;
        }
        lines << text.mid(start, i - start);
        if (c == QLatin1Char('\r') && i + 1 < size && text.at(i + 1) == QLatin1Char('\n')) {
            ++i;
        }
        start = i + 1;
    }
    if (start < size) {
        lines << text.mid(start);
    }
    return lines;
}

std::optional<QStringList> readDataFile(const QString& path, QString* fault) {
    const auto fail = [fault](const QString& why) -> std::optional<QStringList> {
        if (fault != nullptr) {
            *fault = why;
        }
        return std::nullopt;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return fail(file.errorString());
    }
    // The size before the content: a huge file is refused unread.
    const qint64 size = file.size();
    if (size > kMaxDataFileBytes) {
        return fail(QCoreApplication::translate(
                        "ValveData",
                        "it holds %1 MB, far more than valve data (a few kilobytes); "
                        "files above %2 MB are not read")
                        .arg(QString::number(static_cast<double>(size) / (1024.0 * 1024.0), 'f', 1))
                        .arg(kMaxDataFileBytes / (1024 * 1024)));
    }
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return fail(file.errorString());
    }
    return splitDataLines(content);
}

QString entryName(const QString& line) {
    const qsizetype bar = line.indexOf(QLatin1Char('|'));
    return bar < 0 ? QString() : line.left(bar);
}

ValveLineReading readValveLine(const QString& line) {
    std::array<qsizetype, kBarsRead> bars{};
    int barCount = 0;
    for (qsizetype i = 0; i < line.size() && barCount < kBarsRead; ++i) {
        if (line.at(i) == QLatin1Char('|')) {
            bars[static_cast<std::size_t>(barCount++)] = i;
        }
    }
    if (barCount < kBarsRead) {
        return refuse(
            QCoreApplication::translate("ValveData",
                                        "it holds %1 of the five fields a valve needs "
                                        "(name|largest flow|largest drop|p0|k|first flow|, "
                                        "each field closed by a bar)")
                .arg(std::max(barCount - 1, 0)));
    }
    ValveLine valve;
    valve.name = line.left(bars[0]);
    for (std::size_t f = 0; f < valve.fields.size(); ++f) {
        valve.fields[f] = trimField(line.mid(bars[f] + 1, bars[f + 1] - bars[f] - 1));
    }
    const auto& fields = valve.fields;
    const auto flow = wholeNumber(fields[0]);
    const auto drop = wholeNumber(fields[1]);
    const auto p0 = realNumber(fields[2]);
    const auto k = realNumber(fields[3]);
    const auto first = wholeNumber(fields[4]);
    const std::optional<double> numbers[kFieldCount] = {
        flow ? std::optional<double>(*flow) : std::nullopt,
        drop ? std::optional<double>(*drop) : std::nullopt, p0, k,
        first ? std::optional<double>(*first) : std::nullopt};
    for (int f = 0; f < kFieldCount; ++f) {
        if (!numbers[f]) {
            const bool whole = f == 0 || f == 1 || f == 4;
            return refuse(QCoreApplication::translate("ValveData", "the %1 %2 is no %3")
                              .arg(fieldName(f), quoted(fields[f]),
                                   whole ? QCoreApplication::translate("ValveData", "whole number")
                                         : QCoreApplication::translate(
                                               "ValveData", "number (decimal point: \".\")")));
        }
    }
    if (*flow < 1 || *flow > kMaxDiagramFlow) {
        return refuse(QCoreApplication::translate(
                          "ValveData", "the largest flow %1 l/min is not between 1 and %2 l/min")
                          .arg(*flow)
                          .arg(kMaxDiagramFlow));
    }
    if (*drop < 1 || *drop > kMaxDiagramDrop) {
        return refuse(QCoreApplication::translate(
                          "ValveData", "the largest drop %1 bar is not between 1 and %2 bar")
                          .arg(*drop)
                          .arg(kMaxDiagramDrop));
    }
    if (*first < 0 || *first > *flow - 1) {
        return refuse(
            QCoreApplication::translate("ValveData",
                                        "the first flow %1 l/min is not between 0 and %2 l/min "
                                        "(below the largest flow)")
                .arg(*first)
                .arg(*flow - 1));
    }
    // Figures no valve has: they would only overflow the characteristic.
    if (!(*p0 >= 0.0 && *p0 <= kMaxDiagramDrop)) {
        return refuse(
            QCoreApplication::translate("ValveData", "the %1 %2 bar is not between 0 and %3 bar")
                .arg(fieldName(2), quoted(fields[2]))
                .arg(kMaxDiagramDrop));
    }
    if (!(*k >= 0.0)) {
        return refuse(QCoreApplication::translate("ValveData", "the %1 %2 is below 0")
                          .arg(fieldName(3), quoted(fields[3])));
    }
    // Compared as a quotient, which cannot overflow as k x Q^2 can.
    const double flowSquared = static_cast<double>(*flow) * static_cast<double>(*flow);
    if (*k > (static_cast<double>(kMaxDiagramDrop) - *p0) / flowSquared) {
        return refuse(
            QCoreApplication::translate("ValveData",
                                        "the %1 %2 gives a drop above %3 bar at the largest flow "
                                        "%4 l/min")
                .arg(fieldName(3), quoted(fields[3]))
                .arg(kMaxDiagramDrop)
                .arg(*flow));
    }
    valve.largestFlow = *flow;
    valve.largestDrop = *drop;
    valve.constantTerm = *p0;
    valve.flowCoefficient = *k;
    valve.firstFlow = *first;
    return {valve, {}};
}
