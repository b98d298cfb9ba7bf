#pragma once

#include <QString>
#include <vector>

#include "model/Quantity.h"
#include "model/ReportLines.h"
#include "model/ReportRow.h"
#include "ui/CalculatorPage.h"
#include "ui/FieldPairs.h"
#include "ui/QuantityLabels.h"

class QLabel;
class QPushButton;

// One calculator of the system page: its quantities in one pair table, a
// Calculate and a Reset, results in labels, and its section of the manual.
// Inputs the model cannot use come back as InputError and are shown in the
// page's message; nothing on the page changes then.
class SystemCalculator : public CalculatorPage {
    Q_OBJECT
  public:
    // The rows and the figures of the results in the system's units.
    void setUnitSystem(units::UnitSystem system) override;
    // The anchor of the calculator's section in the manual.
    const QString& manualSection() const { return manualSection_; }

    void calculateClick();
    void resetClick();

    // A design keeps the calculator's rows and choices; its results come
    // back by calculating again, silently, when its inputs are unchanged
    // (calculate() writes no field), and are not shown otherwise.
    std::vector<const FieldPairs*> quantityRows() const override { return {pairs_}; }
    bool recalculatesExactly() const override { return true; }
    bool restoresSavedResults() const override { return false; }
    void restoreResults(const PageState& /*state*/) override { clearShown(); }

  protected:
    SystemCalculator(PageServices& services, const char* name, const char* manualSection);

    void addPairs(const std::vector<QuantityRow>& rows);
    // Calculate and Reset side by side, named after the page's prefix.
    void addButtons(const char* calculateName, const char* resetName, int left, int top);
    // A result: its caption (with the unit) and a label for the value; the
    // caption's label too where the page changes its text.
    QLabel* addResult(const char* name, const QString& caption, int left, int top, int captionWidth,
                      int valueWidth = 90, QLabel** captionLabel = nullptr);
    // A line of explanation.
    QLabel* addNote(const QString& text, const QRect& geometry);

    QWidget* field(int pair) const { return pairs_->pair(pair).field; }
    const QuantityRow& row(int pair) const { return pairs_->pair(pair).row; }
    // The field's number. A blank field throws InputError naming it; a text
    // that is no number throws ConversionError (the application-wide message).
    double value(int pair) const;
    bool filled(int pair) const;
    // The density of the working-fluid panel, kg/m3.
    double fluidDensity() const;
    double fluidViscosity() const;
    // Writes the report into the log in the unit system shown, when "Write
    // calculations" is on.
    void logReport(const units::ReportRows& rows);

    // The calculation; throws InputError for inputs it cannot use, before it
    // shows anything.
    virtual void calculate() = 0;
    // The page's own part of a reset, after every pair has its start text.
    virtual void clearResults() = 0;
    // The results shown, and what a calculation leaves to take over, gone;
    // the choices stay.
    virtual void clearShown() = 0;

    // A result whose caption names its unit ("Size V0 [l]") and whose
    // figure is kept in the model unit and shown in the page's.
    QLabel* addFigure(const char* name, const QString& symbol, units::Quantity quantity,
                      const char* format, int left, int top, int captionWidth, int valueWidth = 90);
    // A model figure for a label made by addFigure, or its dash.
    void showFigure(QLabel* label, std::optional<double> figure);
    // A unit as the page's captions write it.
    QString unitText(units::Quantity quantity) const;
    // The title of the page's messages about inputs.
    static QString inputErrorTitle();

    FieldPairs* pairs_ = nullptr;

  private:
    QString manualSection_;
    QuantityLabels figures_;
};

// A row of a system calculator: a caption, a field, its unit; no slider, the
// field's exit and reset as on the other pages.
QuantityRow systemRow(const QString& caption, units::Quantity quantity, const char* name, int top,
                      const QString& start, const char* exitFormat = "%2.2f");

// The model unit of a quantity as the captions write it: its ASCII spelling,
// but the degree sign of a temperature; in the program's language.
QString captionUnit(units::Quantity quantity);

// Where the rows of a column stand.
inline constexpr int kSystemCaptionLeft = 8;
inline constexpr int kSystemFieldLeft = 196;
inline constexpr int kSystemFieldWidth = 72;
inline constexpr int kSystemUnitLeft = 274;
inline constexpr int kSystemRowStep = 28;
