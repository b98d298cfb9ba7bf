#include "pages/SystemCalculator.h"

#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include "model/InputError.h"
#include "ui/FieldAccess.h"
#include "ui/FieldWidgets.h"
#include "ui/HandlerGuard.h"
#include "ui/ModelText.h"
#include "ui/NumberText.h"
#include "ui/ReportLog.h"

QString captionUnit(units::Quantity quantity) {
    return shownUnit(quantity == units::Quantity::Temperature ? units::modelUnit(quantity).display
                                                              : units::modelUnit(quantity).ascii);
}

QString SystemCalculator::inputErrorTitle() {
    return tr("INPUT ERROR");
}

QuantityRow systemRow(const QString& caption, units::Quantity quantity, const char* name, int top,
                      const QString& start, const char* exitFormat) {
    QuantityRow row;
    row.caption = caption;
    row.quantity = quantity;
    row.field.name = name;
    row.exit = {.kind = ExitKind::Decimal, .format = exitFormat};
    row.at = {.captionLeft = kSystemCaptionLeft,
              .top = top,
              .fieldLeft = kSystemFieldLeft,
              .fieldWidth = kSystemFieldWidth,
              .unitLeft = kSystemUnitLeft};
    row.reset = {.kind = ResetKind::TextThenSlider, .text = start};
    return row;
}

SystemCalculator::SystemCalculator(PageServices& services, const char* name,
                                   const char* manualSection)
    : CalculatorPage(services), manualSection_(QString::fromLatin1(manualSection)) {
    setObjectName(QString::fromLatin1(name));
    pairs_ = new FieldPairs(services_, this);
}

void SystemCalculator::addPairs(const std::vector<QuantityRow>& rows) {
    pairs_->build(rows);
    // Every field opens with its start value.
    pairs_->resetAll();
}

void SystemCalculator::addButtons(const char* calculateName, const char* resetName, int left,
                                  int top) {
    auto* calculate = new QPushButton(QIcon(QStringLiteral(":/program/glyphs/calculate.svg")),
                                      tr("Calculate"), this);
    calculate->setObjectName(QString::fromLatin1(calculateName));
    calculate->setGeometry(left, top, 97, 33);
    setCalculateButton(calculate);
    auto* reset =
        new QPushButton(QIcon(QStringLiteral(":/program/glyphs/reset.svg")), tr("Reset"), this);
    reset->setObjectName(QString::fromLatin1(resetName));
    reset->setGeometry(left + 104, top, 97, 33);
    connectGuarded(calculate, &QPushButton::clicked, this, services_, [this] { calculateClick(); });
    connectGuarded(reset, &QPushButton::clicked, this, services_, [this] { resetClick(); });
}

QLabel* SystemCalculator::addResult(const char* name, const QString& caption, int left, int top,
                                    int captionWidth, int valueWidth, QLabel** captionLabel) {
    QLabel* shownCaption = addCaption(this, caption, left, top + 2, captionWidth);
    if (captionLabel != nullptr) {
        *captionLabel = shownCaption;
    }
    auto* label = new QLabel(QStringLiteral("\u2014"), this);
    label->setObjectName(QString::fromLatin1(name));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    QPalette red = label->palette();
    red.setColor(QPalette::WindowText, QColor(200, 0, 0));
    label->setPalette(red);
    label->setGeometry(left + captionWidth + 4, top, valueWidth, 20);
    return label;
}

QLabel* SystemCalculator::addNote(const QString& text, const QRect& geometry) {
    auto* note = new QLabel(text, this);
    note->setWordWrap(true);
    note->setGeometry(geometry);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return note;
}

double SystemCalculator::value(int pair) const {
    if (!filled(pair)) {
        // The caption as the page shows it: the message is in the page's language.
        throw InputError(tr("%1: no value given").arg(row(pair).caption).toStdString());
    }
    return pairs_->modelValue(pair);
}

bool SystemCalculator::filled(int pair) const {
    return !fieldText(field(pair)).trimmed().isEmpty();
}

double SystemCalculator::fluidDensity() const {
    return readNumber(services_.workingFluid().density);
}

double SystemCalculator::fluidViscosity() const {
    return readNumber(services_.workingFluid().viscosity);
}

void SystemCalculator::logReport(const units::ReportRows& rows) {
    if (services_.writeCalculations()) {
        appendReportRows(services_, rows);
    }
}

void SystemCalculator::calculateClick() {
    try {
        calculate();
    } catch (const InputError& problem) {
        services_.showMessage(faultText(problem), inputErrorTitle());
    }
}

void SystemCalculator::resetClick() {
    pairs_->resetAll();
    clearResults();
}

QLabel* SystemCalculator::addFigure(const char* name, const QString& symbol,
                                    units::Quantity quantity, const char* format, int left, int top,
                                    int captionWidth, int valueWidth) {
    QLabel* caption = nullptr;
    QLabel* label = addResult(name, symbol, left, top, captionWidth, valueWidth, &caption);
    figures_.add({.value = label,
                  .caption = caption,
                  .symbol = symbol,
                  .quantity = quantity,
                  .format = format,
                  .blank = QStringLiteral("\u2014")});
    return label;
}

void SystemCalculator::showFigure(QLabel* label, std::optional<double> figure) {
    for (int index = 0; index < figures_.count(); ++index) {
        if (figures_.entry(index).value == label) {
            figures_.show(index, figure);
            return;
        }
    }
}

QString SystemCalculator::unitText(units::Quantity quantity) const {
    return shownUnit(units::displayUnit(quantity, pairs_->unitSystem()).ascii);
}

void SystemCalculator::setUnitSystem(units::UnitSystem system) {
    CalculatorPage::setUnitSystem(system);
    pairs_->setUnitSystem(system);
    figures_.setUnitSystem(system);
}
