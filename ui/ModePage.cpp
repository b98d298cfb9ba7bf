#include "ui/ModePage.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QIcon>
#include <QPushButton>
#include <algorithm>

#include "model/bazna.h"
#include "ui/FieldAccess.h"
#include "ui/FieldWidgets.h"
#include "ui/InputChecks.h"
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
    addRadioGroup(this, name, title, geometry, texts, modeButtons_, placement);
    connectGuarded(modeButtons_, &QButtonGroup::idToggled, this, services_,
                   [this](int, bool checked) {
                       if (checked) {
                           modeClick();
                       }
                   });
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
    QPushButton* button = addButton(this, name, QStringLiteral(":/program/glyphs/reset.svg"),
                                    QStringLiteral("Reset"), geometry);
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
    for (QWidget* given : givenFields(item)) {
        values.push_back(fieldValue(given));
    }
    return values;
}

void ModePage::modeClick() {
    services_.resetEditColours();
    enterMode();
    const int item = selectedItem();
    if (item < 0) {
        return;
    }
    services_.markKnownFields(givenFields(item));
}

NamedField ModePage::named(int pairIndex) const {
    const QuantityRow& row = pairs_->pair(pairIndex).row;
    QString name = row.caption.trimmed();
    if (name.endsWith(QLatin1Char(':'))) {
        name.chop(1);
    }
    if (!row.unit.isEmpty()) {
        name += QStringLiteral(" [") + row.unit + QLatin1Char(']');
    }
    return {row.field.name != nullptr ? pairs_->pair(pairIndex).field : nullptr, name};
}

std::optional<QString> ModePage::inputProblem() const {
    const int item = selectedItem();
    if (item < 0) {
        return QStringLiteral("No calculation mode chosen");
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

bool ModePage::inputsUsable() const {
    return !inputProblem().has_value();
}

bool ModePage::checkInputs() {
    const auto problem = inputProblem();
    if (!problem) {
        return true;
    }
    services_.showMessage(rules_.refusal.text, rules_.refusal.caption, *problem);
    return false;
}

bool ModePage::acceptInputs(int item) {
    return item >= 0 && checkInputs();
}

void ModePage::calculateClick() {
    const int item = selectedItem();
    if (acceptInputs(item)) {
        calculate(item);
    }
}

void ModePage::appendReport(bazna& element) {
    ReportLines lines;
    element.writeReport(lines);
    services_.appendToLog(lines);
}
