#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>
#include <span>

#include "model/Quantity.h"
#include "model/ReportLines.h"
#include "ui/HandlerGuard.h"

class DigitKeyFilter;
class QDialog;
class QWidget;

// The two key filters of the number fields: decimal-valued fields and
// whole-number fields (both admit the same keys).
enum class KeyFilterKind { None, Decimal, Whole };

// State the main window keeps for the pages, each item read or written by
// more than one of them.
struct SharedState {
    // Load direction of the cylinder: false push, true pull. The cylinder
    // page keeps it in step with its combo, menu, caption and picture.
    bool loadDirection = false;
    // The lines of the valve data file loaded last.
    QStringList valveDataLines;
    // The units the pages show and the log writes; the elements compute in
    // the model units whatever this is.
    units::UnitSystem unitSystem = units::kMetric;
};

// The density and viscosity texts of the working-fluid panel.
struct WorkingFluidTexts {
    QString density;    // kg/m3
    QString viscosity;  // mm2/s
};

// What a calculator page needs of the main window. A page gets this, never
// the window itself; links between pages are wired by the window.
class PageServices : public FailureRoute {
  public:
    // A message box with the text and caption and, where given, a detail
    // that names the quantity to correct; an OK button (its answer is never
    // used).
    virtual void showMessage(const QString& text, const QString& caption,
                             const QString& detail = {}) = 0;

    // "Write calculations" is on.
    virtual bool writeCalculations() const = 0;
    // Appends one report to the results log as one addition.
    virtual void appendToLog(const ReportLines& lines) = 0;

    virtual DigitKeyFilter& keyFilter(KeyFilterKind kind) = 0;

    // Every tagged edit field of the calculator pages gets the window colour.
    virtual void resetEditColours() = 0;
    // Paints the known inputs of the selected mode lime green.
    virtual void markKnownFields(std::span<QWidget* const> fields) = 0;

    // A picture of the bundle. No bundle: nothing. A bundle without the
    // number: throws ResourceNotFound.
    virtual std::optional<QImage> picture(int number, QSize size) = 0;

    // Runs a dialog (a file dialog) modally, as the desktop runs the window's
    // own dialogs, and returns its result (QDialog::Accepted or Rejected).
    virtual int runDialog(QDialog& dialog) = 0;

    virtual SharedState& shared() = 0;
    virtual WorkingFluidTexts workingFluid() const = 0;
};
