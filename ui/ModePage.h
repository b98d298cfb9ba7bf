#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "ui/CalculatorPage.h"
#include "ui/FieldPairs.h"
#include "ui/InputChecks.h"

class QButtonGroup;
class QRect;
struct RadioPlacement;
class bazna;

// One calculation mode: the text of its radio item and the pairs whose
// values it is given, in the order the page's element takes them.
struct CalculationMode {
    QString text;
    std::vector<int> given;
};

// The message box a page shows for inputs it cannot calculate with.
struct InputRefusal {
    QString text;
    QString caption;
};

// The modes of a page and what they ask of the inputs.
struct ModeRules {
    std::vector<CalculationMode> modes;
    // Pairs every mode needs, each a fraction in (0, 1].
    std::vector<int> efficiencies;
    InputRefusal refusal;
};

// A page that calculates by modes: a radio group says which quantities are
// given, choosing a mode paints their fields lime green, and Calculate hands
// the given values to the page's element once they are usable. The page
// makes its controls with the add functions, in its own order (the order of
// creation is the tab order); each is wired as it is made.
class ModePage : public CalculatorPage {
    Q_OBJECT
  public:
    // Selected item of the mode group, -1 with none.
    int selectedItem() const;

    // The handlers of the mode group and the two buttons. Calculate refuses
    // inputs that are not usable, and figures that combine into a result no
    // drive has (a formula fault), with the page's message; the page stands.
    void modeClick();
    void calculateClick();
    void resetClick() { reset(); }

    // The selected mode's given values are filled in, numbers within their
    // ranges and positive, and the efficiencies are fractions; false with no
    // mode.
    bool inputsUsable() const;
    // Why the inputs are not usable, naming the quantity and its allowed
    // range, or nothing.
    std::optional<QString> inputProblem() const;

    // Selects a mode as a click on its item does; -1 leaves none selected
    // (the fields reset and unmarked, as at start).
    void selectMode(int item);

    std::vector<const FieldPairs*> quantityRows() const override { return {pairs_}; }
    // The mode, named after its group.
    std::vector<PageChoice> choices() override;

  protected:
    ModePage(PageServices& services, ModeRules rules);

    void addModeGroup(const char* name, const QString& title, const QRect& geometry,
                      const RadioPlacement& placement);
    void addPairs(const std::vector<QuantityRow>& rows);
    void addCalculateButton(const char* name, const QString& caption, const QRect& geometry);
    void addResetButton(const char* name, const QRect& geometry);

    QuantityPair& pair(int index) { return pairs_->pair(index); }
    const QuantityPair& pair(int index) const { return pairs_->pair(index); }
    QWidget* field(int index) const { return pairs_->pair(index).field; }
    FieldPairs& pairs() { return *pairs_; }
    bool isGiven(int item, int pairIndex) const;
    // The values a mode is given, in its order.
    std::vector<double> givenValues(int item) const;
    void showResult(int pairIndex, long double value, const QString& text) {
        FieldPairs::showResult(pair(pairIndex), value, text);
    }
    // The element's report into the log, in the unit system shown.
    void appendReport(const bazna& element);

    // inputsUsable(), or the page's refusal shown with the problem as its
    // detail and the field to correct red.
    bool checkInputs();
    // A pair's number within its range, or the page's refusal shown (the
    // field red) and nothing: for a field every mode reads.
    std::optional<double> checkedValue(int pairIndex);

    // What a page does on a new mode before its fields are marked (the
    // window's colour reset has run).
    virtual void enterMode() {}
    // Whether Calculate goes on with the item; a page that refuses says why.
    // By default a mode must be chosen and checkInputs() pass.
    virtual bool acceptInputs(int item);
    // The page's element from accepted inputs: its results and its report.
    virtual void calculate(int item) = 0;
    virtual void reset() = 0;

  private:
    std::vector<QWidget*> givenFields(int item) const;
    std::optional<FieldProblem> fieldProblem() const;
    // A pair's field with its caption and unit, for messages.
    NamedField named(int pairIndex) const;

    ModeRules rules_;
    FieldPairs* pairs_ = nullptr;
    QButtonGroup* modeButtons_ = nullptr;
    QString modeGroupName_;
};
