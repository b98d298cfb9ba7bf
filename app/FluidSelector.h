#pragma once

#include <QObject>

#include "ui/PageServices.h"

class FluidPanelUnits;
class WorkingFluidPanel;

// Fills the density and viscosity fields of the working-fluid panel from the
// chosen fluid and the working temperature. Typing either figure by hand
// switches the panel to "User defined" and leaves the typed figures alone.
class FluidSelector : public QObject {
    Q_OBJECT
  public:
    FluidSelector(WorkingFluidPanel& panel, PageServices& services, const FluidPanelUnits& units);

    // A fluid (or "User defined") was chosen.
    void cmbUljeChange();
    // The temperature was typed and left, or stepped.
    void edTemperaturaExit();
    // The density or viscosity was changed by hand.
    void fluidFiguresTyped();
    // The panel's figures were put back as they were (remembered settings):
    // they stand for the chosen fluid at the shown temperature already.
    void takeFiguresAsApplied();
    // The temperature the chosen fluid's figures were written for; empty when
    // the figures are not the chosen fluid's (typed, or a choice refused).
    QString appliedTemperature() const { return appliedTemperature_; }

  private:
    // Writes the chosen fluid's figures at the temperature. The log names
    // the fluid before the next entry computed with it, not here.
    void applyChosenFluid();

    WorkingFluidPanel& panel_;
    PageServices& services_;
    const FluidPanelUnits& units_;
    // The temperature the fields were last written for, to log a change once.
    QString appliedTemperature_;
};
