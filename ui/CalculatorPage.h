#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "ui/PageServices.h"
#include "ui/PageState.h"

class FieldPairs;
class QAbstractButton;
class QLabel;

// A calculator page: it owns its controls and reaches the window only
// through the services it was given.
//
// Keyboard: Enter in a field of the page runs the field's exit and then the
// page's Calculate; Enter on a focused button presses it; Tab follows the
// page from top to bottom.
class CalculatorPage : public QWidget {
    Q_OBJECT
  public:
    explicit CalculatorPage(PageServices& services) : services_(services) {}

    // The fields and state the page starts with; the window calls it once,
    // at its first showing, before any input.
    virtual void startUp() {}
    // The page's pictures from the bundle, after every page's startUp. A
    // bundle without one of them throws ResourceNotFound.
    virtual void loadPictures() {}

    // What a design keeps of the page (ui/PageState.h): every row of these
    // tables, the other fields by name, the choices, and the figures of the
    // last calculation that no field shows. A page added later is kept by
    // its rows without more code; its choices and results it names here.
    virtual std::vector<const FieldPairs*> quantityRows() const { return {}; }
    virtual std::vector<QWidget*> plainFields() const { return {}; }
    // A plain field's figure in the model unit, as a design keeps it, and
    // back; by default the figure as the field shows it.
    virtual std::optional<FieldFigure> plainFigure(const QWidget* field) const;
    virtual void showPlainFigure(QWidget* field, const std::optional<FieldFigure>& figure);
    virtual std::vector<PageChoice> choices() { return {}; }
    virtual void saveResults(PageState& /*state*/) const {}
    // The results of a state; a state without results clears the page's.
    virtual void restoreResults(const PageState& /*state*/) {}

    // Calculate gives the same figures again from what the page shows and
    // leaves its inputs as they are (a page that rewrites its inputs in a
    // rounded format would drift).
    virtual bool recalculatesExactly() const { return false; }
    // Results calculated before the page's inputs last changed come back
    // from a design as they were shown. A page that can only calculate its
    // results again opens without them.
    virtual bool restoresSavedResults() const { return true; }

    // Shows the page in the unit system: every row converted in place (see
    // FieldPairs::setUnitSystem); a page with figures of its own (results,
    // diagrams) converts those too. Nothing is recalculated or reset.
    virtual void setUnitSystem(units::UnitSystem system);

    QAbstractButton* calculateButton() const { return calculate_; }
    // A line at the foot of the page about the results on show (where they
    // came from); empty hides it.
    void setResultsNote(const QString& note);

  protected:
    // The button Enter in a field presses.
    void setCalculateButton(QAbstractButton* button);
    // A field whose Enter means something else (loading a typed name).
    void keepEnterFrom(QWidget* field);

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    PageServices& services_;

  private:
    void arrangeKeyboard();

    QAbstractButton* calculate_ = nullptr;
    QLabel* resultsNote_ = nullptr;
    std::vector<QWidget*> enterKept_;
};
