#include "app/DesignFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QSaveFile>
#include <cmath>

#include "ui/DataFiles.h"

namespace {

// No figure of the calculator comes near this. Results may be negative (a
// calculation's own figures are saved as they came out), the fluid's
// density and viscosity may not.
constexpr double kLargestFigure = 1e9;
constexpr int kMostDecimals = 12;
// The working temperature alone may lie below 0 °C.
constexpr double kAbsoluteZero = -273.15;
constexpr int kTubeTypes = 6;

const QString kValvePage = QStringLiteral("tsLokalni");
const QString kValveType = QStringLiteral("ComboBox1");
const QString kValveLine = QStringLiteral("ListBox1");

// A failure of the check, naming where in the file it is.
struct Refusal {
    QString where;
    QString what;
};

QString join(const QString& where, const QString& key) {
    return where.isEmpty() ? key : where + QLatin1Char('.') + key;
}

QJsonValue figureJson(const std::optional<FieldFigure>& figure) {
    if (!figure) {
        return QJsonValue::Null;
    }
    return QJsonObject{{QStringLiteral("value"), figure->value},
                       {QStringLiteral("decimals"), figure->decimals}};
}

QJsonObject pageJson(const PageState& page) {
    QJsonObject fields;
    for (const auto& [name, figure] : page.fields) {
        fields.insert(name, figureJson(figure));
    }
    QJsonObject sliders;
    for (const auto& [name, position] : page.sliders) {
        sliders.insert(name, position);
    }
    QJsonObject choices;
    for (const auto& [name, item] : page.items) {
        choices.insert(name, item);
    }
    QJsonObject names;
    for (const auto& [name, text] : page.names) {
        names.insert(name, text);
    }
    QJsonObject results;
    for (const auto& [name, value] : page.results) {
        results.insert(name, value);
    }
    QJsonObject json{{QStringLiteral("fields"), fields},
                     {QStringLiteral("sliders"), sliders},
                     {QStringLiteral("choices"), choices},
                     {QStringLiteral("names"), names},
                     {QStringLiteral("results"), results}};
    if (!page.computed.isEmpty()) {
        json.insert(QStringLiteral("computed"), page.computed);
        json.insert(QStringLiteral("resultsCurrent"), page.current);
    }
    return json;
}

// The readers throw Refusal at the first fault.
double figureValue(const QJsonValue& value, const QString& where, double lowest = -kLargestFigure) {
    if (!value.isDouble()) {
        throw Refusal{where, QCoreApplication::translate("DesignFile", "a number is expected")};
    }
    const double number = value.toDouble();
    if (!std::isfinite(number)) {
        throw Refusal{where, QCoreApplication::translate("DesignFile", "the number is not finite")};
    }
    if (number < lowest || number > kLargestFigure) {
        throw Refusal{where,
                      QCoreApplication::translate("DesignFile", "%1 is out of range (%2 to %3)")
                          .arg(number)
                          .arg(lowest)
                          .arg(kLargestFigure, 0, 'g')};
    }
    return number;
}

int wholeNumber(const QJsonValue& value, const QString& where, int lowest, int highest) {
    if (!value.isDouble() || value.toDouble() != std::trunc(value.toDouble())) {
        throw Refusal{where,
                      QCoreApplication::translate("DesignFile", "a whole number is expected")};
    }
    const double number = value.toDouble();
    if (number < lowest || number > highest) {
        throw Refusal{where,
                      QCoreApplication::translate("DesignFile", "%1 is out of range (%2 to %3)")
                          .arg(number)
                          .arg(lowest)
                          .arg(highest)};
    }
    return static_cast<int>(number);
}

QJsonObject object(const QJsonValue& value, const QString& where) {
    if (value.isUndefined()) {
        return {};
    }
    if (!value.isObject()) {
        throw Refusal{where,
                      QCoreApplication::translate("DesignFile", "an object ({...}) is expected")};
    }
    return value.toObject();
}

QString text(const QJsonValue& value, const QString& where) {
    if (value.isUndefined()) {
        return {};
    }
    if (!value.isString()) {
        throw Refusal{where, QCoreApplication::translate("DesignFile", "a text is expected")};
    }
    return value.toString();
}

std::optional<FieldFigure> readFigure(const QJsonValue& value, const QString& where,
                                      double lowest = -kLargestFigure) {
    if (value.isNull() || value.isUndefined()) {
        return std::nullopt;
    }
    // A plain number is a figure shown with as many decimals as it needs.
    if (value.isDouble()) {
        return FieldFigure{figureValue(value, where, lowest), -1};
    }
    if (!value.isObject()) {
        throw Refusal{where, QCoreApplication::translate("DesignFile", "a number is expected")};
    }
    const QJsonObject json = value.toObject();
    const QJsonValue number = json.value(QStringLiteral("value"));
    if (number.isUndefined()) {
        throw Refusal{join(where, QStringLiteral("value")),
                      QCoreApplication::translate("DesignFile", "is missing")};
    }
    FieldFigure figure{figureValue(number, join(where, QStringLiteral("value")), lowest), -1};
    const QJsonValue decimals = json.value(QStringLiteral("decimals"));
    if (!decimals.isUndefined()) {
        figure.decimals =
            wholeNumber(decimals, join(where, QStringLiteral("decimals")), -1, kMostDecimals);
    }
    return figure;
}

PageState readPage(const QJsonObject& json, const QString& where, const PageOutline& outline) {
    PageState page;
    const QString fieldsAt = join(where, QStringLiteral("fields"));
    const QJsonObject fields = object(json.value(QStringLiteral("fields")), fieldsAt);
    for (auto field = fields.begin(); field != fields.end(); ++field) {
        page.fields[field.key()] = readFigure(field.value(), join(fieldsAt, field.key()));
    }
    const QString slidersAt = join(where, QStringLiteral("sliders"));
    const QJsonObject sliders = object(json.value(QStringLiteral("sliders")), slidersAt);
    for (auto slider = sliders.begin(); slider != sliders.end(); ++slider) {
        // A slider holds its position to its own range.
        page.sliders[slider.key()] = wholeNumber(slider.value(), join(slidersAt, slider.key()), 0,
                                                 static_cast<int>(kLargestFigure));
    }
    const QString choicesAt = join(where, QStringLiteral("choices"));
    const QJsonObject choices = object(json.value(QStringLiteral("choices")), choicesAt);
    for (auto choice = choices.begin(); choice != choices.end(); ++choice) {
        const auto known = outline.itemCounts.find(choice.key());
        if (known != outline.itemCounts.end()) {
            page.items[choice.key()] =
                wholeNumber(choice.value(), join(choicesAt, choice.key()), -1, known->second - 1);
        }
    }
    const QString namesAt = join(where, QStringLiteral("names"));
    const QJsonObject names = object(json.value(QStringLiteral("names")), namesAt);
    for (auto name = names.begin(); name != names.end(); ++name) {
        page.names[name.key()] = text(name.value(), join(namesAt, name.key()));
    }
    const QString resultsAt = join(where, QStringLiteral("results"));
    const QJsonObject results = object(json.value(QStringLiteral("results")), resultsAt);
    for (auto result = results.begin(); result != results.end(); ++result) {
        const QString at = join(resultsAt, result.key());
        // A tube type picks one of the line page's list.
        page.results[result.key()] = result.key().endsWith(QStringLiteral("tubeType"))
                                         ? wholeNumber(result.value(), at, 0, kTubeTypes - 1)
                                         : figureValue(result.value(), at);
    }
    const QString computedAt = join(where, QStringLiteral("computed"));
    page.computed = text(json.value(QStringLiteral("computed")), computedAt);
    const QJsonValue current = json.value(QStringLiteral("resultsCurrent"));
    if (!current.isUndefined() && !current.isBool()) {
        throw Refusal{join(where, QStringLiteral("resultsCurrent")),
                      QCoreApplication::translate("DesignFile", "true or false is expected")};
    }
    page.current = current.toBool();
    return page;
}

// "1.0" into its two numbers.
std::pair<int, int> readFormat(const QJsonValue& value) {
    const QString where = QStringLiteral("format");
    if (value.isUndefined()) {
        throw Refusal{where, QCoreApplication::translate(
                                 "DesignFile", "is missing: this is no design of this calculator")};
    }
    const QStringList parts = text(value, where).split(QLatin1Char('.'));
    bool majorRead = false;
    bool minorRead = parts.size() == 2;
    const int major = parts.value(0).toInt(&majorRead);
    const int minor = minorRead ? parts.value(1).toInt(&minorRead) : 0;
    if (!majorRead || !minorRead || major < 1 || minor < 0) {
        throw Refusal{where,
                      QCoreApplication::translate("DesignFile", "\"%1\" is no format version")
                          .arg(value.toString())};
    }
    if (major > kDesignFormatMajor) {
        throw Refusal{where, QCoreApplication::translate(
                                 "DesignFile",
                                 "the file was written in format %1, by a newer version "
                                 "of the calculator; this one reads format %2")
                                 .arg(value.toString())
                                 .arg(kDesignFormatMajor)};
    }
    return {major, minor};
}

DesignDocument readDocument(const QJsonObject& json, const DesignOutline& outline) {
    DesignDocument document;
    std::tie(document.formatMajor, document.formatMinor) =
        readFormat(json.value(QStringLiteral("format")));
    document.program = text(json.value(QStringLiteral("program")), QStringLiteral("program"));
    const QJsonValue units = json.value(QStringLiteral("units"));
    if (!units.isUndefined() && units.toString() != QStringLiteral("metric")) {
        throw Refusal{
            QStringLiteral("units"),
            QCoreApplication::translate("DesignFile", "only \"metric\" designs can be read")};
    }
    const QString fluidAt = QStringLiteral("fluid");
    const QJsonObject fluid = object(json.value(fluidAt), fluidAt);
    document.fluid.type = text(fluid.value(QStringLiteral("type")), join(fluidAt, "type"));
    document.fluid.temperature = readFigure(fluid.value(QStringLiteral("temperature")),
                                            join(fluidAt, "temperature"), kAbsoluteZero);
    document.fluid.density =
        readFigure(fluid.value(QStringLiteral("density")), join(fluidAt, "density"), 0.0);
    document.fluid.viscosity =
        readFigure(fluid.value(QStringLiteral("viscosity")), join(fluidAt, "viscosity"), 0.0);
    const QJsonObject pages = object(json.value(QStringLiteral("pages")), QStringLiteral("pages"));
    for (const auto& [name, pageOutline] : outline) {
        const QJsonValue page = pages.value(name);
        if (!page.isUndefined()) {
            const QString where = join(QStringLiteral("pages"), name);
            document.pages[name] = readPage(object(page, where), where, pageOutline);
        }
    }
    // A valve type names a data file of the valve folder, never a path.
    if (const auto valves = document.pages.find(kValvePage); valves != document.pages.end()) {
        const auto type = valves->second.names.find(kValveType);
        if (type != valves->second.names.end() &&
            (type->second.contains(QLatin1Char('/')) || type->second.contains(QLatin1Char('\\')))) {
            throw Refusal{
                QStringLiteral("pages.%1.names.%2").arg(kValvePage, kValveType),
                QCoreApplication::translate("DesignFile", "a valve type is a name, not a path")};
        }
    }
    document.log = text(json.value(QStringLiteral("log")), QStringLiteral("log"));
    return document;
}

}  // namespace

QByteArray designJson(const DesignDocument& document, bool compact) {
    QJsonObject pages;
    for (const auto& [name, page] : document.pages) {
        pages.insert(name, pageJson(page));
    }
    const QJsonObject json{
        {QStringLiteral("format"),
         QStringLiteral("%1.%2").arg(document.formatMajor).arg(document.formatMinor)},
        {QStringLiteral("program"), document.program},
        {QStringLiteral("units"), document.units},
        {QStringLiteral("fluid"),
         QJsonObject{{QStringLiteral("type"), document.fluid.type},
                     {QStringLiteral("temperature"), figureJson(document.fluid.temperature)},
                     {QStringLiteral("density"), figureJson(document.fluid.density)},
                     {QStringLiteral("viscosity"), figureJson(document.fluid.viscosity)}}},
        {QStringLiteral("pages"), pages},
        {QStringLiteral("log"), document.log},
    };
    return QJsonDocument(json).toJson(compact ? QJsonDocument::Compact : QJsonDocument::Indented);
}

DesignReading readDesignJson(const QByteArray& json, const DesignOutline& outline) {
    QJsonParseError error;
    const QJsonDocument parsed = QJsonDocument::fromJson(json, &error);
    if (parsed.isNull()) {
        return {
            std::nullopt,
            QCoreApplication::translate(
                "DesignFile", "At character %1: %2 - the file is no design, or it is cut short.")
                .arg(error.offset)
                .arg(error.errorString())};
    }
    if (!parsed.isObject()) {
        return {std::nullopt,
                QCoreApplication::translate("DesignFile", "The file holds no design object.")};
    }
    try {
        return {readDocument(parsed.object(), outline), {}};
    } catch (const Refusal& refusal) {
        return {std::nullopt, QCoreApplication::translate("DesignFile", "At %1: %2.")
                                  .arg(refusal.where, refusal.what)};
    }
}

DesignReading readDesignFile(const QString& path, const DesignOutline& outline) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return {std::nullopt,
                QCoreApplication::translate("DesignFile", "The file does not exist.")};
    }
    if (info.size() > kLargestDesignFile) {
        return {std::nullopt, QCoreApplication::translate(
                                  "DesignFile",
                                  "The file is %1 MB, far larger than any design (at most %2 MB); "
                                  "it was not read.")
                                  .arg(info.size() / (1024 * 1024))
                                  .arg(kLargestDesignFile / (1024 * 1024))};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {std::nullopt, QCoreApplication::translate("DesignFile", "It cannot be read: %1.")
                                  .arg(file.errorString())};
    }
    // The size may grow between the look and the read; never more than the limit.
    const QByteArray content = file.read(kLargestDesignFile + 1);
    if (content.size() > kLargestDesignFile) {
        return {std::nullopt,
                QCoreApplication::translate(
                    "DesignFile", "The file is larger than any design; it was not read.")};
    }
    return readDesignJson(content, outline);
}

QString writeDesignFile(const QString& path, const DesignDocument& document) {
    const QByteArray content = designJson(document);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    if (file.write(content) != content.size()) {
        const QString failure = file.errorString();
        file.cancelWriting();
        return failure;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}

QStringList takeOutMissingValveFiles(DesignDocument& document) {
    const auto page = document.pages.find(kValvePage);
    if (page == document.pages.end()) {
        return {};
    }
    auto& names = page->second.names;
    const auto type = names.find(kValveType);
    if (type == names.end() || type->second.isEmpty() ||
        !findDataFile(type->second + QStringLiteral(".dat"), QStringLiteral("valves")).isEmpty()) {
        return {};
    }
    const QString missing = type->second + QStringLiteral(".dat");
    names.erase(kValveType);
    names.erase(kValveLine);
    return {missing};
}
