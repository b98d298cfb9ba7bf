#include "pages/SystemOrificePage.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "model/SystemOrifice.h"
#include "ui/FieldAccess.h"
#include "ui/FieldWidgets.h"
#include "ui/HandlerGuard.h"

namespace {

// In the order of the unknowns (OrificeUnknown): flow, diameter, pressure drop.
enum Pair { Flow, Diameter, Drop, Alpha };

constexpr int kRowsTop = 84;

std::vector<QuantityRow> pairTable() {
    return {
        systemRow(SystemOrificePage::tr("Flow Q"), units::Quantity::Flow, "edOrfQ", kRowsTop, "20"),
        systemRow(SystemOrificePage::tr("Diameter d"), units::Quantity::SmallLength, "edOrfD",
                  kRowsTop + 28, "2", "%.3f"),
        systemRow(SystemOrificePage::tr("Pressure drop \u0394p"), units::Quantity::Pressure,
                  "edOrfDp", kRowsTop + 56, "100"),
        systemRow(SystemOrificePage::tr("Discharge coefficient \u03B1"), units::Quantity::Ratio,
                  "edOrfAlpha", kRowsTop + 84, "0.62"),
    };
}

// The captions are translated where they are shown.
struct Shown {
    const char* caption;
    units::Quantity quantity;
    const char* format;
};
const Shown kShown[] = {
    {QT_TRANSLATE_NOOP("SystemOrificePage", "Flow Q"), units::Quantity::Flow, "%.2f"},
    {QT_TRANSLATE_NOOP("SystemOrificePage", "Diameter d"), units::Quantity::SmallLength, "%.3f"},
    {QT_TRANSLATE_NOOP("SystemOrificePage", "Pressure drop \u0394p"), units::Quantity::Pressure,
     "%.2f"},
};

}  // namespace

SystemOrificePage::SystemOrificePage(PageServices& services)
    : SystemCalculator(services, "tsOrifice", "orifice") {
    unknown_ = new QButtonGroup(this);
    rgOrfSolve =
        addRadioGroup(this, "rgOrfSolve", tr("Unknown"), QRect(kSystemCaptionLeft, 4, 340, 70),
                      {tr("Flow"), tr("Diameter"), tr("Pressure drop")}, unknown_, {8, 20, 0, 0});
    // Side by side would cut the texts; one row each is too tall: two columns.
    const auto buttons = unknown_->buttons();
    buttons.at(0)->move(8, 20);
    buttons.at(1)->move(8, 44);
    buttons.at(2)->move(170, 20);
    unknown_->button(0)->setChecked(true);

    addPairs(pairTable());
    field(Alpha)->setToolTip(tr("0.6 to 0.8; 0.62 for a sharp edge"));
    addNote(tr("Q = \u03B1 \u00B7 A \u00B7 \u221A(2 \u0394p / \u03C1), A = \u03C0 d\u00B2 "
               "/ 4; the density comes from the working-fluid panel."),
            QRect(kSystemCaptionLeft, kRowsTop + 116, 340, 34));
    addButtons("btnOrfCalc", "btnOrfReset", kSystemCaptionLeft, kRowsTop + 156);

    lblOrfResult =
        addResult("lblOrfResult", QString(), 380, kRowsTop, 200, 90, &lblOrfResultCaption);
    lblOrfResultCaption->setObjectName(QStringLiteral("lblOrfResultCaption"));
    lblOrfVelocity = addFigure("lblOrfVelocity", tr("Jet velocity \u221A(2 \u0394p / \u03C1)"),
                               units::Quantity::Velocity, "%.1f", 380, kRowsTop + 28, 200);

    connectGuarded(unknown_, &QButtonGroup::idToggled, this, services_, [this](int, bool checked) {
        if (checked) {
            rgOrfSolveClick();
        }
    });
    rgOrfSolveClick();
}

void SystemOrificePage::rgOrfSolveClick() {
    const int unknown = unknown_->checkedId();
    for (int pair : {Flow, Diameter, Drop}) {
        field(pair)->setEnabled(pair != unknown);
    }
    found_.reset();
    showFound();
    showFigure(lblOrfVelocity, std::nullopt);
}

void SystemOrificePage::showFound() {
    const Shown& shown = kShown[unknown_->checkedId()];
    lblOrfResultCaption->setText(
        QStringLiteral("%1 [%2]").arg(tr(shown.caption), unitText(shown.quantity)));
    lblOrfResult->setText(found_
                              ? formatText(shown.format, units::toDisplay(*found_, shown.quantity,
                                                                          pairs_->unitSystem()))
                              : QStringLiteral("\u2014"));
}

void SystemOrificePage::setUnitSystem(units::UnitSystem system) {
    SystemCalculator::setUnitSystem(system);
    showFound();
}

void SystemOrificePage::calculate() {
    OrificeInputs in;
    in.unknown = static_cast<OrificeUnknown>(unknown_->checkedId());
    if (in.unknown != OrificeUnknown::Flow) {
        in.flow = value(Flow);
    }
    if (in.unknown != OrificeUnknown::Diameter) {
        in.diameter = value(Diameter);
    }
    if (in.unknown != OrificeUnknown::PressureDrop) {
        in.pressureDrop = value(Drop);
    }
    in.discharge = value(Alpha);
    in.density = fluidDensity();
    const OrificeResult out = computeOrifice(in);
    const double found = in.unknown == OrificeUnknown::Flow       ? out.flow
                         : in.unknown == OrificeUnknown::Diameter ? out.diameter
                                                                  : out.pressureDrop;
    found_ = found;
    showFound();
    showFigure(lblOrfVelocity, out.jetVelocity);
    logReport(orificeReportRows(in, out));
}

void SystemOrificePage::clearResults() {
    unknown_->button(0)->setChecked(true);
    rgOrfSolveClick();
}

void SystemOrificePage::clearShown() {
    found_.reset();
    showFound();
    showFigure(lblOrfVelocity, std::nullopt);
}

std::vector<PageChoice> SystemOrificePage::choices() {
    return {{.name = QStringLiteral("rgOrfSolve"),
             .count = static_cast<int>(unknown_->buttons().size()),
             .item = [this] { return unknown_->checkedId(); },
             .setItem =
                 [this](int item) {
                     if (QAbstractButton* button = unknown_->button(item)) {
                         button->setChecked(true);
                     }
                 }}};
}
