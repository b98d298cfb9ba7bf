#include "app/FluidPanelUnits.h"

#include <QLineEdit>
#include <cmath>

#include "app/WorkingFluidPanel.h"
#include "model/faults.h"
#include "ui/FieldAccess.h"
#include "ui/NumberText.h"
#include "ui/UpDown.h"

namespace {

// A figure's number, when its text is one.
std::optional<double> numberIn(const QString& text) {
    try {
        const std::optional<double> value = readOptionalNumber(text);
        return value && std::isfinite(*value) ? value : std::nullopt;
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

// The arrows step in whole units of the shown unit, over the same span of
// fluids: -20 to 120 °C in fives, 800 to 1100 kg/m3 in twos.
struct Steps {
    int minimum;
    int maximum;
    int step;
};
constexpr Steps kMetricTemperature{-20, 120, 5};
constexpr Steps kUsTemperature{-4, 248, 9};
constexpr Steps kMetricDensity{800, 1100, 2};
constexpr Steps kUsDensity{50, 69, 1};

}  // namespace

QString FluidPanelUnits::metricOf(const QString& text, const std::optional<Shown>& shown,
                                  units::Quantity quantity) const {
    if (system_ == units::kMetric) {
        return text;
    }
    if (shown && shown->text == text) {
        return shown->metric;
    }
    const std::optional<double> value = numberIn(text);
    return value ? QString::number(units::toModel(*value, quantity, system_), 'g', 6) : text;
}

QString FluidPanelUnits::metricTemperature() const {
    return metricTemperature(panel_.edTemperatura->text());
}

QString FluidPanelUnits::metricTemperature(const QString& shown) const {
    return metricOf(shown, temperature_, units::Quantity::Temperature);
}

QString FluidPanelUnits::metricDensity() const {
    return metricOf(panel_.Edit1->text(), density_, units::Quantity::Density);
}

QString FluidPanelUnits::shownTemperature(double celsius) const {
    return formatText("%0.0f", units::toDisplay(celsius, units::Quantity::Temperature, system_));
}

QString FluidPanelUnits::shownDensity(double density) const {
    // A pound per cubic foot is 16 kg/m3: one decimal keeps the figure.
    return formatText(system_ == units::kMetric ? "%0.0f" : "%0.1f",
                      units::toDisplay(density, units::Quantity::Density, system_));
}

void FluidPanelUnits::show(units::UnitSystem system) {
    if (system == system_) {
        return;
    }
    const QString temperature = metricTemperature();
    const QString density = metricDensity();
    system_ = system;
    temperature_.reset();
    density_.reset();
    const auto convert = [this](QLineEdit* field, const QString& metric,
                                std::optional<Shown>& remembered, bool isTemperature) {
        const std::optional<double> value = numberIn(metric);
        if (!value) {
            return;  // a text that is no number stays for the user to correct
        }
        const QString shown = system_ == units::kMetric ? metric
                              : isTemperature           ? shownTemperature(*value)
                                                        : shownDensity(*value);
        field->setText(shown);
        if (system_ != units::kMetric) {
            remembered = Shown{shown, metric};
        }
    };
    convert(panel_.edTemperatura, temperature, temperature_, true);
    convert(panel_.Edit1, density, density_, false);
    const bool metric = system_ == units::kMetric;
    const Steps temperatureSteps = metric ? kMetricTemperature : kUsTemperature;
    const Steps densitySteps = metric ? kMetricDensity : kUsDensity;
    panel_.UpDown3->setRange(temperatureSteps.minimum, temperatureSteps.maximum,
                             temperatureSteps.step);
    panel_.UpDown2->setRange(densitySteps.minimum, densitySteps.maximum, densitySteps.step);
    panel_.captionUnits(system_);
}
