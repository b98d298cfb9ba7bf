#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Quantity.h"
#include "ui/ModelText.h"

class QLabel;

// Results a page shows in labels, each with its quantity: the label keeps the
// model figure, shows it in the page's unit system and, where the result has
// a caption of its own, names the unit there ("F perm. [kN]"). A switch of
// the system rewrites captions and figures; nothing is recalculated.
class QuantityLabels {
    Q_DECLARE_TR_FUNCTIONS(QuantityLabels)

  public:
    struct Entry {
        QLabel* value = nullptr;
        QLabel* caption = nullptr;  // none: the caption is fixed
        QString symbol;             // the caption before its unit
        units::Quantity quantity = units::Quantity::Ratio;
        const char* format = "%.2f";  // of the model figure
        std::optional<double> figure;
        QString blank;  // what stands without a figure
    };

    // The caption's text for the system: "t [s]", or the symbol alone for a
    // figure without a unit.
    static QString captionFor(const Entry& entry, units::UnitSystem system);

    // Adds a result; returns its index.
    int add(Entry entry);
    // A model figure to show, or nothing (the blank text).
    void show(int index, std::optional<double> figure);
    // No figure, and the text that stands for it.
    void showBlank(int index, const QString& blank);
    void setUnitSystem(units::UnitSystem system);
    units::UnitSystem unitSystem() const { return system_; }
    int count() const { return static_cast<int>(entries_.size()); }
    const Entry& entry(int index) const { return entries_.at(static_cast<std::size_t>(index)); }

  private:
    void render(const Entry& entry) const;

    std::vector<Entry> entries_;
    units::UnitSystem system_ = units::kMetric;
};

// The format of a model figure in another unit: one decimal more for a unit
// ten or more times the model's, one less for each decade below it.
std::string shownFormat(const char* format, const units::Unit& unit);

// A model figure in the system's unit, with the format's decimals (one more
// for a unit ten or more times the model's, as in the fields).
QString quantityText(const char* format, double figure, units::Quantity quantity,
                     units::UnitSystem system);

// The warning of a working pressure above the 250 bar a standard drive is
// rated for, with both figures in the system's pressure unit.
QString pressureWarning(double pressure, units::UnitSystem system);
