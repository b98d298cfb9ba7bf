#pragma once

#include <functional>
#include <optional>

#include "pages/PageLinks.h"
#include "pages/SystemCalculator.h"
#include "pages/SystemCurve.h"

class CurveBox;
class QLabel;
class QPushButton;

// The oil's compressibility: the volume a pressure rise takes, and the
// lowest natural frequency of a cylinder held by its two oil columns.
class SystemCompressPage : public SystemCalculator {
    Q_OBJECT
  public:
    void setUnitSystem(units::UnitSystem system) override;
    SystemCompressPage(PageServices& services, std::function<CylinderDefinition()> cylinder);

    // Bore, rod and stroke as the cylinder page defines them.
    void btnCompFromCylinderClick();

  protected:
    void calculate() override;
    void clearResults() override { clearShown(); }
    void clearShown() override;

  private:
    bool groupGiven(std::initializer_list<int> pairs) const;
    void calculateCompression();
    void calculateStiffness();

    std::function<CylinderDefinition()> cylinder_;
    QPushButton* btnCompFromCylinder = nullptr;
    QLabel* lblCompDV = nullptr;
    QLabel* lblCompF0 = nullptr;
    QLabel* lblCompX = nullptr;
    CurveBox* pbCompCurve = nullptr;
    // The stiffness curve on show, x in mm: drawn in the page's units.
    std::optional<CurvePlot> curve_;
    void drawCurve();
};
