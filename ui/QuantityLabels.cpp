#include "ui/QuantityLabels.h"

#include <QLabel>
#include <string>

#include "ui/FieldAccess.h"

namespace {

constexpr double kLargerUnit = 10.0;

std::string raisedFormat(const char* format, const units::Unit& unit) {
    std::string text = format;
    const std::size_t point = text.find('.');
    if (unit.factor < kLargerUnit || text.empty() || text.back() != 'f') {
        return text;
    }
    if (point == std::string::npos) {
        // "%f" and "%2f" show the framework's two decimals.
        return text.substr(0, text.size() - 1) + ".3f";
    }
    const int decimals = std::stoi(text.substr(point + 1, text.size() - point - 2));
    return text.substr(0, point + 1) + std::to_string(decimals + 1) + "f";
}

}  // namespace

QString quantityText(const char* format, double figure, units::Quantity quantity,
                     units::UnitSystem system) {
    const units::Unit& unit = units::displayUnit(quantity, system);
    if (unit.isIdentity()) {
        return formatText(format, figure);
    }
    return formatText(raisedFormat(format, unit).c_str(),
                      units::toDisplay(figure, quantity, system));
}

QString QuantityLabels::captionFor(const Entry& entry, units::UnitSystem system) {
    if (entry.quantity == units::Quantity::Ratio) {
        return entry.symbol;
    }
    return entry.symbol + QStringLiteral(" [") +
           QString::fromUtf8(units::displayUnit(entry.quantity, system).ascii) + QLatin1Char(']');
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
        entry.caption->setText(captionFor(entry, system_));
    }
    if (entry.value != nullptr) {
        entry.value->setText(
            entry.figure ? quantityText(entry.format, *entry.figure, entry.quantity, system_)
                         : entry.blank);
    }
}
