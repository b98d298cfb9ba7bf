#include "pages/SystemAccumulatorPage.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "model/SystemAccumulator.h"
#include "ui/FieldAccess.h"
#include "ui/FieldWidgets.h"
#include "ui/HandlerGuard.h"
#include "ui/ModelText.h"

namespace {

enum Pair { Precharge, Minimum, Maximum, Exponent, GasTemperature, Useful, Size };

// The items of the process list, in the model's order; the list is read by
// its index alone.
QStringList processItems() {
    return {SystemAccumulatorPage::tr("Isothermal (slow, n = 1)"),
            SystemAccumulatorPage::tr("Adiabatic (fast, n = 1.4)"),
            SystemAccumulatorPage::tr("Polytropic")};
}
constexpr int kPolytropic = 2;
constexpr int kUsefulVolumeOfSize = 1;

constexpr int kProcessTop = 92;
constexpr int kSolveTop = 176;

std::vector<QuantityRow> pairTable() {
    const auto bar = units::Quantity::Pressure;
    return {
        systemRow(SystemAccumulatorPage::tr("Precharge p0 (at %1 %2)")
                      .arg(kPrechargeCelsius)
                      .arg(captionUnit(units::Quantity::Temperature)),
                  bar, "edAccP0", 8, "90"),
        systemRow(SystemAccumulatorPage::tr("Minimum pressure p1"), bar, "edAccP1", 36, "100"),
        systemRow(SystemAccumulatorPage::tr("Maximum pressure p2"), bar, "edAccP2", 64, "200"),
        systemRow(SystemAccumulatorPage::tr("Polytropic exponent n"), units::Quantity::Ratio,
                  "edAccN", 120, "1.3"),
        systemRow(SystemAccumulatorPage::tr("Working gas temperature"),
                  units::Quantity::Temperature, "edAccTw", 148, "20"),
        systemRow(SystemAccumulatorPage::tr("Useful volume \u0394V"), units::Quantity::Volume,
                  "edAccDV", 240, "2"),
        systemRow(SystemAccumulatorPage::tr("Size V0"), units::Quantity::Volume, "edAccV0", 268,
                  "10"),
    };
}

}  // namespace

SystemAccumulatorPage::SystemAccumulatorPage(PageServices& services)
    : SystemCalculator(services, "tsAccumulator", "accumulator") {
    addPairs(pairTable());
    field(Exponent)->setToolTip(
        tr("Between 1 (isothermal) and 1.4 (adiabatic) for nitrogen; real gas at "
           "high pressure up to about 1.6"));

    addCaption(this, tr("Process"), kSystemCaptionLeft, kProcessTop + 4);
    cbAccProcess = new QComboBox(this);
    cbAccProcess->setObjectName(QStringLiteral("cbAccProcess"));
    cbAccProcess->addItems(processItems());
    cbAccProcess->setGeometry(kSystemFieldLeft - 60, kProcessTop, 192, 24);

    solve_ = new QButtonGroup(this);
    rgAccSolve = addRadioGroup(
        this, "rgAccSolve", tr("Find"), QRect(kSystemCaptionLeft, kSolveTop, 320, 58),
        {tr("Size for a useful volume"), tr("Useful volume of a size")}, solve_, {8, 16, 20, 0});
    solve_->button(0)->setChecked(true);

    addButtons("btnAccCalc", "btnAccReset", kSystemCaptionLeft, 304);
    addNote(tr("Pressures are gauge pressures; the gas laws use absolute pressure "
               "(gauge + %1 %2). The precharge is given at %3 %4 and rises "
               "with the gas's absolute temperature.")
                .arg(units::kAtmosphere)
                .arg(captionUnit(units::Quantity::Pressure))
                .arg(kPrechargeCelsius)
                .arg(captionUnit(units::Quantity::Temperature)),
            QRect(kSystemCaptionLeft, 344, 330, 48));

    const int left = 372;
    const int captionWidth = 220;
    const auto volume = units::Quantity::Volume;
    lblAccV0 = addFigure("lblAccV0", tr("Size V0"), volume, "%.3f", left, 8, captionWidth);
    lblAccDV =
        addFigure("lblAccDV", tr("Useful volume \u0394V"), volume, "%.3f", left, 36, captionWidth);
    lblAccV1 =
        addFigure("lblAccV1", tr("Gas volume at p1: V1"), volume, "%.3f", left, 64, captionWidth);
    lblAccV2 =
        addFigure("lblAccV2", tr("Gas volume at p2: V2"), volume, "%.3f", left, 92, captionWidth);
    lblAccRatio =
        addResult("lblAccRatio", tr("Pressure ratio p2/p0 (absolute)"), left, 120, captionWidth);
    lblAccPrecharge = addFigure("lblAccPrecharge", tr("Precharge at gas temperature"),
                                units::Quantity::Pressure, "%.2f", left, 148, captionWidth);
    lblAccAdvice = addNote(QString(), QRect(left, 184, 470, 60));
    lblAccAdvice->setObjectName(QStringLiteral("lblAccAdvice"));
    QPalette red = lblAccAdvice->palette();
    red.setColor(QPalette::WindowText, QColor(200, 0, 0));
    lblAccAdvice->setPalette(red);

    connectGuarded(cbAccProcess, &QComboBox::currentIndexChanged, this, services_,
                   [this] { cbAccProcessChange(); });
    connectGuarded(solve_, &QButtonGroup::idToggled, this, services_, [this](int, bool checked) {
        if (checked) {
            rgAccSolveClick();
        }
    });
    cbAccProcessChange();
    rgAccSolveClick();
}

void SystemAccumulatorPage::cbAccProcessChange() {
    // The exponent is the user's only for a polytropic process.
    field(Exponent)->setEnabled(cbAccProcess->currentIndex() == kPolytropic);
}

void SystemAccumulatorPage::rgAccSolveClick() {
    const bool sizeGiven = solve_->checkedId() == kUsefulVolumeOfSize;
    field(Size)->setEnabled(sizeGiven);
    field(Useful)->setEnabled(!sizeGiven);
}

void SystemAccumulatorPage::calculate() {
    AccumulatorInputs in;
    in.precharge = value(Precharge);
    in.minimumPressure = value(Minimum);
    in.maximumPressure = value(Maximum);
    in.process = static_cast<GasProcess>(cbAccProcess->currentIndex());
    if (in.process == GasProcess::Polytropic) {
        in.exponent = value(Exponent);
    }
    in.gasTemperature = value(GasTemperature);
    in.solve = solve_->checkedId() == kUsefulVolumeOfSize ? AccumulatorSolve::UsefulVolumeOfSize
                                                          : AccumulatorSolve::SizeForUsefulVolume;
    if (in.solve == AccumulatorSolve::SizeForUsefulVolume) {
        in.usefulVolume = value(Useful);
    } else {
        in.size = value(Size);
    }
    const AccumulatorResult out = computeAccumulator(in);
    showFigure(lblAccV0, out.size);
    showFigure(lblAccDV, out.usefulVolume);
    showFigure(lblAccV1, out.volumeAtMinimum);
    showFigure(lblAccV2, out.volumeAtMaximum);
    lblAccRatio->setText(formatText("%.3f", out.pressureRatio));
    showFigure(lblAccPrecharge, out.workingPrecharge);
    QStringList advice;
    for (const auto& line : out.advice) {
        advice << modelText(line);
    }
    lblAccAdvice->setText(advice.join(QLatin1Char('\n')));
    logReport(accumulatorReportRows(in, out));
}

void SystemAccumulatorPage::clearResults() {
    clearShown();
    cbAccProcess->setCurrentIndex(0);
    solve_->button(0)->setChecked(true);
}

void SystemAccumulatorPage::clearShown() {
    for (QLabel* label : {lblAccV0, lblAccDV, lblAccV1, lblAccV2, lblAccPrecharge}) {
        showFigure(label, std::nullopt);
    }
    lblAccRatio->setText(QStringLiteral("\u2014"));
    lblAccAdvice->clear();
}

std::vector<PageChoice> SystemAccumulatorPage::choices() {
    return {{.name = QStringLiteral("cbAccProcess"),
             .count = cbAccProcess->count(),
             .item = [this] { return cbAccProcess->currentIndex(); },
             .setItem =
                 [this](int item) {
                     // Every calculation needs a process.
                     if (item >= 0) {
                         cbAccProcess->setCurrentIndex(item);
                     }
                 }},
            {.name = QStringLiteral("rgAccSolve"),
             .count = static_cast<int>(solve_->buttons().size()),
             .item = [this] { return solve_->checkedId(); },
             .setItem =
                 [this](int item) {
                     if (QAbstractButton* button = solve_->button(item)) {
                         button->setChecked(true);
                     }
                 }}};
}
