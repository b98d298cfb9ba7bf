#include "ui/QuantityLabels.h"

#include <QLabel>
#include <algorithm>
#include <cmath>
#include <string>

#include "ui/FieldAccess.h"
#include "ui/FieldWidgets.h"

namespace {

// A unit this many times the model's or more shows one decimal more.
constexpr double kLargerUnit = 10.0;

}  // namespace

std::string shownFormat(const char* format, const units::Unit& unit) {
    std::string text = format != nullptr ? format : "%g";
    if (text.empty() || text.back() != 'f' || (unit.factor < kLargerUnit && unit.factor >= 0.1)) {
        return text;
    }
    const std::size_t point = text.find('.');
    // "%f" and "%2f" show the framework's two decimals.
    const int decimals =
        point == std::string::npos ? 2 : std::stoi(text.substr(point + 1, text.size() - point - 2));
    // One decimal more for a unit ten or more times the model's; one less
    // for each decade a unit lies below it (a psi is a fifteenth of a bar,
    // a pound-force a 225th of a kilonewton).
    const int shown =
        unit.factor >= kLargerUnit
            ? decimals + 1
            : std::max(0, decimals - static_cast<int>(std::floor(-std::log10(unit.factor))));
    const std::string width =
        text.substr(1, (point == std::string::npos ? text.size() - 1 : point) - 1);
    return "%" + width + "." + std::to_string(shown) + "f";
}

QString quantityText(const char* format, double figure, units::Quantity quantity,
                     units::UnitSystem system) {
    const units::Unit& unit = units::displayUnit(quantity, system);
    if (unit.isIdentity()) {
        return formatText(format, figure);
    }
    return formatText(shownFormat(format, unit).c_str(),
                      units::toDisplay(figure, quantity, system));
}

QString QuantityLabels::captionFor(const Entry& entry, units::UnitSystem system) {
    if (entry.quantity == units::Quantity::Ratio) {
        return entry.symbol;
    }
    return entry.symbol + QStringLiteral(" [") +
           shownUnit(units::displayUnit(entry.quantity, system).ascii) + QLatin1Char(']');
}

int QuantityLabels::add(Entry entry) {
    entries_.push_back(std::move(entry));
    render(entries_.back());
    return static_cast<int>(entries_.size()) - 1;
}

void QuantityLabels::show(int index, std::optional<double> figure) {
    Entry& shown = entries_.at(static_cast<std::size_t>(index));
    shown.figure = figure;
    render(shown);
}

void QuantityLabels::showBlank(int index, const QString& blank) {
    Entry& shown = entries_.at(static_cast<std::size_t>(index));
    shown.figure.reset();
    shown.blank = blank;
    render(shown);
}

void QuantityLabels::setUnitSystem(units::UnitSystem system) {
    system_ = system;
    for (const Entry& entry : entries_) {
        render(entry);
    }
}

void QuantityLabels::render(const Entry& entry) const {
    if (entry.caption != nullptr) {
        recaption(entry.caption, captionFor(entry, system_));
    }
    if (entry.value != nullptr) {
        entry.value->setText(
            entry.figure ? quantityText(entry.format, *entry.figure, entry.quantity, system_)
                         : entry.blank);
    }
}

QString pressureWarning(double pressure, units::UnitSystem system) {
    constexpr double kRated = 250.0;  // bar
    const units::Quantity bar = units::Quantity::Pressure;
    const QString unit = shownUnit(units::displayUnit(bar, system).ascii);
    return QuantityLabels::tr("Warring, pressure higher  than %1 %2 :: %3 %2")
        .arg(quantityText("%.0f", kRated, bar, system), unit,
             quantityText("%2.2f", pressure, bar, system));
}
