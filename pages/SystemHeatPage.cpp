#include "pages/SystemHeatPage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "model/SystemChecks.h"
#include "model/SystemHeat.h"
#include "model/faults.h"
#include "pages/SystemCurve.h"
#include "ui/FieldAccess.h"
#include "ui/FieldWidgets.h"
#include "ui/HandlerGuard.h"
#include "ui/NumberText.h"

namespace {

enum Pair { Loss, Duty, Tank, Area, Transfer, Ambient, Highest };

constexpr int kCurvePoints = 200;
constexpr double kCurveTimeConstants = 5.0;

QString densityNote() {
    return SystemHeatPage::tr("Oil density: from the working-fluid panel");
}

std::vector<QuantityRow> pairTable() {
    return {
        systemRow(SystemHeatPage::tr("Power lost"), units::Quantity::Power, "edHeatLoss", 8, ""),
        systemRow(SystemHeatPage::tr("Duty"), units::Quantity::Share, "edHeatDuty", 36, "100"),
        systemRow(SystemHeatPage::tr("Tank volume"), units::Quantity::Volume, "edHeatTank", 64, ""),
        // Three decimals: the surface from the volume is read back as shown.
        systemRow(SystemHeatPage::tr("Tank surface"), units::Quantity::LargeArea, "edHeatArea", 92,
                  "", "%.3f"),
        systemRow(SystemHeatPage::tr("Heat transfer coefficient k"), units::Quantity::HeatTransfer,
                  "edHeatK", 120, "12"),
        systemRow(SystemHeatPage::tr("Ambient temperature"), units::Quantity::Temperature,
                  "edHeatAmbient", 148, "20"),
        systemRow(SystemHeatPage::tr("Highest oil temperature"), units::Quantity::Temperature,
                  "edHeatTmax", 176, "60"),
    };
}

}  // namespace

SystemHeatPage::SystemHeatPage(PageServices& services, CircuitLossSource circuitLoss)
    : SystemCalculator(services, "tsHeat", "heat"), circuitLoss_(std::move(circuitLoss)) {
    addPairs(pairTable());
    // Split after each dash: the translation tools would read "\u201312" as
    // one escape.
    field(Transfer)->setToolTip(tr("Still air 8\u2013"
                                   "12, moving air 15\u2013"
                                   "20 %1")
                                    .arg(captionUnit(units::Quantity::HeatTransfer)));
    field(Area)->setToolTip(
        tr("Filled from the tank volume, A = 0.065 V^(2/3), until you type a surface"));
    btnHeatFromCircuit = new QPushButton(tr("From the circuit"), this);
    btnHeatFromCircuit->setObjectName(QStringLiteral("btnHeatFromCircuit"));
    btnHeatFromCircuit->setGeometry(kSystemUnitLeft + 24, 5, 106, 26);
    btnHeatFromCircuit->setToolTip(
        tr("The last circuit's loss: pump input power minus F \u00B7 v at the cylinder"));

    lblHeatDensity = addNote(densityNote(), QRect(kSystemCaptionLeft, 206, 400, 18));
    lblHeatDensity->setObjectName(QStringLiteral("lblHeatDensity"));
    addNote(tr("Specific heat c = %1 %2 (mineral oil). The tank's steel is left out "
               "of the heat capacity, on the safe side: the real tank warms slower.")
                .arg(kMineralOilSpecificHeat)
                .arg(captionUnit(units::Quantity::SpecificHeat)),
            QRect(kSystemCaptionLeft, 226, 400, 48));
    addButtons("btnHeatCalc", "btnHeatReset", kSystemCaptionLeft, 280);

    // The results above the curve, in two columns.
    const int left = 440;
    const int captionWidth = 186;
    const int second = left + captionWidth + 80;
    lblHeatSteady = addFigure("lblHeatSteady", tr("Steady oil temperature"),
                              units::Quantity::Temperature, "%.1f", left, 8, captionWidth, 70);
    lblHeatTau = addResult(
        "lblHeatTau", tr("Time constant \u03C4 [%1]").arg(captionUnit(units::Quantity::Minutes)),
        second, 8, 170, 70);
    lblHeatTimeToMax =
        addResult("lblHeatTimeToMax",
                  tr("Time from ambient to Tmax [%1]").arg(captionUnit(units::Quantity::Minutes)),
                  left, 32, captionWidth, 80);
    lblHeatCooler = addFigure("lblHeatCooler", tr("Cooler to hold Tmax"), units::Quantity::Power,
                              "%.3f", second, 32, 170, 70);

    pbHeatCurve = new CurveBox(this, "pbHeatCurve", QRect(left, 60, 516, 326));

    auto* tank = qobject_cast<QLineEdit*>(field(Tank));
    auto* area = qobject_cast<QLineEdit*>(field(Area));
    connectGuarded(tank, &QLineEdit::textChanged, this, services_, [this] { edHeatTankChange(); });
    // Only the user's typing takes the surface over; a blank field gives it back.
    connectGuarded(area, &QLineEdit::textEdited, this, services_,
                   [this](const QString& text) { areaTyped_ = !text.trimmed().isEmpty(); });
    connectGuarded(btnHeatFromCircuit, &QPushButton::clicked, this, services_,
                   [this] { btnHeatFromCircuitClick(); });
}

void SystemHeatPage::btnHeatFromCircuitClick() {
    const std::optional<double> loss = circuitLoss_();
    if (!loss) {
        services_.showMessage(tr("No circuit has been calculated yet, or its cylinder "
                                 "could not move the load: calculate the simple "
                                 "pipeline first, or type the power lost."),
                              inputErrorTitle());
        return;
    }
    setFieldText(field(Loss), formatText("%.3f", *loss));
}

void SystemHeatPage::edHeatTankChange() {
    if (areaTyped_) {
        return;
    }
    const std::optional<double> volume = [this]() -> std::optional<double> {
        try {
            return readOptionalNumber(fieldText(field(Tank)));
        } catch (const ConversionError&) {
            return std::nullopt;
        }
    }();
    setFieldText(field(Area), volume && positive(*volume)
                                  ? formatText("%.3f", tankSurfaceArea(*volume))
                                  : QString());
}

void SystemHeatPage::calculate() {
    HeatInputs in;
    in.powerLost = value(Loss);
    in.duty = value(Duty);
    in.tankVolume = value(Tank);
    if (!areaTypedOver() && !filled(Area)) {
        // The surface follows the volume: a volume it cannot follow is named.
        const std::string caption = row(Tank).caption.toStdString();
        syscheck::requirePositive(in.tankVolume, caption.c_str());
    }
    in.tankArea = value(Area);
    in.transfer = value(Transfer);
    in.ambient = value(Ambient);
    in.highestOil = value(Highest);
    in.density = fluidDensity();
    in.specificHeat = kMineralOilSpecificHeat;
    const HeatResult out = computeHeatBalance(in);
    CurvePlot plot;
    plot.xTitle = tr("time [%1]").arg(captionUnit(units::Quantity::Minutes));
    plot.yTitle = tr("oil temperature [%1]").arg(captionUnit(units::Quantity::Temperature));
    const double end = kCurveTimeConstants * out.timeConstant;
    for (int i = 0; i <= kCurvePoints; ++i) {
        const double t = end * i / kCurvePoints;
        plot.points.emplace_back(t, oilTemperatureAt(in, out, t));
    }
    plot.level = in.highestOil;
    plot.levelCaption = QStringLiteral("Tmax %1 %2")
                            .arg(in.highestOil)
                            .arg(captionUnit(units::Quantity::Temperature));
    if (out.timeToHighest) {
        plot.marker = QPointF(*out.timeToHighest, in.highestOil);
    }

    lblHeatDensity->setText(tr("Oil density: %1 %2, from the working-fluid panel")
                                .arg(in.density)
                                .arg(captionUnit(units::Quantity::Density)));
    showFigure(lblHeatSteady, out.steadyTemperature);
    lblHeatTau->setText(formatText("%.1f", out.timeConstant));
    lblHeatTimeToMax->setText(out.timeToHighest ? formatText("%.1f", *out.timeToHighest)
                                                : tr("not reached"));
    showFigure(lblHeatCooler, out.coolerPower);
    pbHeatCurve->setPlot(std::move(plot));
    logReport(heatReportRows(in, out));
}

void SystemHeatPage::clearResults() {
    areaTyped_ = false;
    edHeatTankChange();
    clearShown();
}

std::vector<PageChoice> SystemHeatPage::choices() {
    return {{.name = QStringLiteral("edHeatAreaTyped"),
             .count = 2,
             .item = [this] { return areaTyped_ ? 1 : 0; },
             .setItem = [this](int item) { areaTyped_ = item == 1; }}};
}

void SystemHeatPage::clearShown() {
    for (QLabel* label : {lblHeatSteady, lblHeatTau, lblHeatTimeToMax, lblHeatCooler}) {
        showFigure(label, std::nullopt);
        label->setText(QStringLiteral("\u2014"));
    }
    lblHeatDensity->setText(densityNote());
    pbHeatCurve->setPlot(std::nullopt);
}
