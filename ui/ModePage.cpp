#include "ui/ModePage.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QIcon>
#include <QPushButton>
#include <algorithm>

#include "model/bazna.h"
#include "model/faults.h"
#include "ui/FieldAccess.h"
#include "ui/FieldWidgets.h"
#include "ui/InputChecks.h"
#include "ui/ModelText.h"
#include "ui/ReportLog.h"
#include "ui/SvgIcon.h"

namespace {

QPushButton* addButton(QWidget* page, const char* name, const QString& glyph,
                       const QString& caption, const QRect& geometry) {
    auto* button = new QPushButton(svgIcon(glyph), caption, page);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    return button;
}

}  // namespace

ModePage::ModePage(PageServices& services, ModeRules rules)
    : CalculatorPage(services), rules_(std::move(rules)) {}

void ModePage::addModeGroup(const char* name, const QString& title, const QRect& geometry,
                            const RadioPlacement& placement) {
    QStringList texts;
    for (const CalculationMode& mode : rules_.modes) {
        texts << mode.text;
    }
    modeButtons_ = new QButtonGroup(this);
    modeGroupName_ = QString::fromLatin1(name);
    addRadioGroup(this, name, title, geometry, texts, modeButtons_, placement);
    connectGuarded(modeButtons_, &QButtonGroup::idToggled, this, services_,
                   [this](int, bool checked) {
                       if (checked) {
                           modeClick();
                       }
                   });
}

void ModePage::selectMode(int item) {
    if (item == selectedItem()) {
        return;
    }
    if (QAbstractButton* button = modeButtons_->button(item)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group keeps one item checked; none is no item's click.
    modeButtons_->setExclusive(false);
    if (QAbstractButton* checked = modeButtons_->checkedButton()) {
        checked->setChecked(false);
    }
    modeButtons_->setExclusive(true);
    modeClick();
}

std::vector<PageChoice> ModePage::choices() {
    return {{.name = modeGroupName_,
             .count = static_cast<int>(rules_.modes.size()),
             .item = [this] { return selectedItem(); },
             .setItem = [this](int item) { selectMode(item); }}};
}

void ModePage::addPairs(const std::vector<QuantityRow>& rows) {
    pairs_ = new FieldPairs(services_, this);
    pairs_->build(rows);
}

void ModePage::addCalculateButton(const char* name, const QString& caption, const QRect& geometry) {
    QPushButton* button =
        addButton(this, name, QStringLiteral(":/program/glyphs/calculate.svg"), caption, geometry);
    connectGuarded(button, &QPushButton::clicked, this, services_, [this] { calculateClick(); });
    setCalculateButton(button);
}

void ModePage::addResetButton(const char* name, const QRect& geometry) {
    QPushButton* button =
        addButton(this, name, QStringLiteral(":/program/glyphs/reset.svg"), tr("Reset"), geometry);
    connectGuarded(button, &QPushButton::clicked, this, services_, [this] { resetClick(); });
}

int ModePage::selectedItem() const {
    return modeButtons_->checkedId();
}

std::vector<QWidget*> ModePage::givenFields(int item) const {
    std::vector<QWidget*> fields;
    for (int given : rules_.modes.at(static_cast<std::size_t>(item)).given) {
        fields.push_back(field(given));
    }
    return fields;
}

bool ModePage::isGiven(int item, int pairIndex) const {
    const auto& given = rules_.modes.at(static_cast<std::size_t>(item)).given;
    return std::find(given.begin(), given.end(), pairIndex) != given.end();
}

std::vector<double> ModePage::givenValues(int item) const {
    std::vector<double> values;
    for (int given : rules_.modes.at(static_cast<std::size_t>(item)).given) {
        values.push_back(pairs_->modelValue(given));
    }
    return values;
}

void ModePage::modeClick() {
    services_.resetEditColours();
    enterMode();
    const int item = selectedItem();
    if (item >= 0) {
        services_.markKnownFields(givenFields(item));
    }
    // A text still to be corrected stays red whatever the mode paints.
    for (int index = 0; index < pairs_->count(); ++index) {
        if (isRefused(field(index))) {
            markRefused(field(index));
        }
    }
}

NamedField ModePage::named(int pairIndex) const {
    const QuantityPair& named = pairs_->pair(pairIndex);
    return {named.row.field.name != nullptr ? named.field : nullptr,
            FieldPairs::quantityName(named), FieldPairs::displayRange(named)};
}

std::optional<FieldProblem> ModePage::fieldProblem() const {
    const int item = selectedItem();
    if (item < 0) {
        return FieldProblem{nullptr, tr("No calculation mode chosen")};
    }
    std::vector<NamedField> given;
    for (int index : rules_.modes.at(static_cast<std::size_t>(item)).given) {
        given.push_back(named(index));
    }
    std::vector<NamedField> efficiencies;
    for (int efficiency : rules_.efficiencies) {
        efficiencies.push_back(named(efficiency));
    }
    return modeInputProblem(given, efficiencies);
}

std::optional<QString> ModePage::inputProblem() const {
    if (auto problem = fieldProblem()) {
        return problem->text;
    }
    return std::nullopt;
}

bool ModePage::inputsUsable() const {
    return !fieldProblem().has_value();
}

bool ModePage::checkInputs() {
    const auto problem = fieldProblem();
    if (!problem) {
        for (int index = 0; index < pairs_->count(); ++index) {
            if (isGiven(selectedItem(), index) ||
                std::find(rules_.efficiencies.begin(), rules_.efficiencies.end(), index) !=
                    rules_.efficiencies.end()) {
                clearRefused(field(index));
            }
        }
        return true;
    }
    markRefused(problem->field);
    services_.showMessage(rules_.refusal.text, rules_.refusal.caption, problem->text);
    return false;
}

std::optional<double> ModePage::checkedValue(int pairIndex) {
    const FieldReading reading = FieldPairs::read(pair(pairIndex));
    if (!reading.usable()) {
        services_.showMessage(rules_.refusal.text, rules_.refusal.caption, reading.problem);
        return std::nullopt;
    }
    return reading.value;
}

bool ModePage::acceptInputs(int item) {
    return item >= 0 && checkInputs();
}

void ModePage::calculateClick() {
    const int item = selectedItem();
    if (!acceptInputs(item)) {
        return;
    }
    try {
        calculate(item);
    } catch (const FloatingPointFault& fault) {
        // Figures each within its range can still combine into a result no
        // drive has (the largest power at the least pressure through the
        // smallest displacement turns faster than any speed can be counted).
        // The element computes before anything is shown: the page stands.
        services_.showMessage(rules_.refusal.text, rules_.refusal.caption,
                              tr("These figures together give a result beyond any drive (%1): "
                                 "check the given values")
                                  .arg(faultText(fault)));
    }
}

void ModePage::appendReport(const bazna& element) {
    units::ReportRows rows;
    element.writeReportRows(rows);
    appendReportRows(services_, rows);
}
