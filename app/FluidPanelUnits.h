#pragma once

#include <QString>
#include <optional>

#include "model/Quantity.h"

class WorkingFluidPanel;

// The working-fluid panel's temperature and density in the chosen unit
// system. The figures stay metric for the pages, the settings and the log:
// these convert the shown texts both ways, and a switch back gives the figure
// the panel showed before (not its rounding in the other unit).
class FluidPanelUnits {
  public:
    explicit FluidPanelUnits(WorkingFluidPanel& panel) : panel_(panel) {}

    // Converts the shown figures, the captions and the arrows' steps.
    void show(units::UnitSystem system);
    units::UnitSystem system() const { return system_; }

    // The shown figures in °C and kg/m3, as texts; a text that is no number
    // is handed on as it is, for the reader to name.
    QString metricTemperature() const;
    // A temperature the panel showed (the one a fluid was chosen at).
    QString metricTemperature(const QString& shown) const;
    QString metricDensity() const;
    // A metric temperature or density as the panel shows it.
    QString shownTemperature(double celsius) const;
    QString shownDensity(double density) const;

  private:
    // A figure's text with the metric text a switch converted it from.
    struct Shown {
        QString text;
        QString metric;
    };
    QString metricOf(const QString& text, const std::optional<Shown>& shown,
                     units::Quantity quantity) const;

    WorkingFluidPanel& panel_;
    units::UnitSystem system_ = units::kMetric;
    std::optional<Shown> temperature_;
    std::optional<Shown> density_;
};
