#include "app/FluidSelector.h"

#include <QComboBox>
#include <QLineEdit>

#include "app/FluidPanelUnits.h"
#include "app/WorkingFluidPanel.h"
#include "model/faults.h"
#include "model/fluids.h"
#include "model/numtext.h"
#include "ui/FieldAccess.h"
#include "ui/ModelText.h"
#include "ui/UpDown.h"

FluidSelector::FluidSelector(WorkingFluidPanel& panel, PageServices& services,
                             const FluidPanelUnits& units)
    : QObject(&panel), panel_(panel), services_(services), units_(units) {
    connectGuarded(panel_.cmbUlje, &QComboBox::activated, this, services_,
                   [this] { cmbUljeChange(); });
    connectGuarded(panel_.edTemperatura, &QLineEdit::editingFinished, this, services_,
                   [this] { edTemperaturaExit(); });
    connectGuarded(panel_.UpDown3, &UpDown::stepped, this, services_,
                   [this] { edTemperaturaExit(); });
    for (QLineEdit* figure : {panel_.Edit1, panel_.Edit2}) {
        connectGuarded(figure, &QLineEdit::textEdited, this, services_,
                       [this] { fluidFiguresTyped(); });
    }
    for (UpDown* stepper : {panel_.UpDown1, panel_.UpDown2}) {
        connectGuarded(stepper, &UpDown::stepped, this, services_, [this] { fluidFiguresTyped(); });
    }
}

void FluidSelector::cmbUljeChange() {
    appliedTemperature_.clear();
    applyChosenFluid();
}

void FluidSelector::edTemperaturaExit() {
    // Leaving the field without a change writes and logs nothing again.
    if (panel_.edTemperatura->text() == appliedTemperature_) {
        return;
    }
    applyChosenFluid();
}

void FluidSelector::fluidFiguresTyped() {
    panel_.chooseFluid(userDefinedFluidKey());
    appliedTemperature_.clear();
}

void FluidSelector::takeFiguresAsApplied() {
    appliedTemperature_ = panel_.edTemperatura->text();
}

void FluidSelector::applyChosenFluid() {
    const FluidGrade* fluid = findFluid(panel_.fluidKey().toStdString());
    if (fluid == nullptr) {
        // "User defined" (or nothing chosen): the fields are the user's.
        return;
    }
    const QString temperatureText = panel_.edTemperatura->text();
    const QString caption = tr("Working fluid");
    double celsius = 0;
    try {
        celsius = numtext::StrToFloat(units_.metricTemperature().toStdString());
    } catch (const ConversionError&) {
        services_.showMessage(
            tr("The temperature '%1' is no number: type a temperature in %2.")
                .arg(
                    temperatureText,
                    QString::fromUtf8(
                        units::displayUnit(units::Quantity::Temperature, units_.system()).display)),
            caption);
        return;
    }
    FluidState state;
    try {
        state = fluidAt(*fluid, celsius);
    } catch (const FluidRangeError& outside) {
        services_.showMessage(faultText(outside), caption);
        return;
    }
    const QString density = units_.shownDensity(state.density);
    const QString viscosity = formatText("%0.1f", state.viscosity);
    panel_.Edit1->setText(density);
    panel_.Edit2->setText(viscosity);
    appliedTemperature_ = temperatureText;
}
