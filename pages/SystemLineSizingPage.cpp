#include "pages/SystemLineSizingPage.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "model/SystemLineSizing.h"
#include "ui/FieldAccess.h"
#include "ui/FieldWidgets.h"
#include "ui/HandlerGuard.h"
#include "ui/ModelText.h"

namespace {

enum Pair { Flow, Velocity, Length };

constexpr int kKindTop = 36;
constexpr LineKind kKinds[] = {LineKind::Suction, LineKind::Return, LineKind::Pressure};
constexpr int kPressureLine = 2;

QString kindItem(LineKind kind) {
    const LineKindVelocities& v = lineKindVelocities(kind);
    return QStringLiteral("%1 (%2\u2013%3 %4)")
        .arg(modelText(v.name))
        .arg(v.lowest)
        .arg(v.highest)
        .arg(captionUnit(units::Quantity::Velocity));
}

QString designVelocityText(int item) {
    return formatText("%2.2f", lineKindVelocities(kKinds[item]).design);
}

std::vector<QuantityRow> pairTable() {
    return {
        systemRow(SystemLineSizingPage::tr("Flow Q"), units::Quantity::Flow, "edSizeQ", 8, ""),
        systemRow(SystemLineSizingPage::tr("Design velocity v"), units::Quantity::Velocity,
                  "edSizeV", kKindTop + 30, designVelocityText(kPressureLine)),
        systemRow(SystemLineSizingPage::tr("Length L"), units::Quantity::Length, "edSizeL",
                  kKindTop + 58, "1"),
    };
}

}  // namespace

SystemLineSizingPage::SystemLineSizingPage(PageServices& services, PumpFlowSource pumpFlow)
    : SystemCalculator(services, "tsLineSizing", "linesizing"), pumpFlow_(std::move(pumpFlow)) {
    addPairs(pairTable());
    btnSizeFromPump = new QPushButton(tr("From the pump"), this);
    btnSizeFromPump->setObjectName(QStringLiteral("btnSizeFromPump"));
    btnSizeFromPump->setGeometry(kSystemUnitLeft + 36, 5, 110, 26);

    addCaption(this, tr("Line"), kSystemCaptionLeft, kKindTop + 4);
    cbSizeKind = new QComboBox(this);
    cbSizeKind->setObjectName(QStringLiteral("cbSizeKind"));
    for (LineKind kind : kKinds) {
        cbSizeKind->addItem(kindItem(kind));
    }
    cbSizeKind->setCurrentIndex(kPressureLine);
    cbSizeKind->setGeometry(kSystemFieldLeft - 60, kKindTop, 200, 24);

    addNote(tr("The hose's velocity and pressure drop are the hose line's, with the "
               "fluid of the working-fluid panel (smooth lining)."),
            QRect(kSystemCaptionLeft, kKindTop + 90, 360, 34));
    addButtons("btnSizeCalc", "btnSizeReset", kSystemCaptionLeft, kKindTop + 130);

    const int left = 440;
    const int captionWidth = 230;
    lblSizeD = addFigure("lblSizeD", tr("Inner diameter for v"), units::Quantity::SmallLength,
                         "%.2f", left, 8, captionWidth);
    lblSizeHose = addResult(
        "lblSizeHose", tr("Next hose size [%1]").arg(captionUnit(units::Quantity::SmallLength)),
        left, 36, captionWidth, 200);
    lblSizeVelocity = addFigure("lblSizeVelocity", tr("Velocity in the hose"),
                                units::Quantity::Velocity, "%.2f", left, 64, captionWidth);
    lblSizeDrop = addFigure("lblSizeDrop", tr("Pressure drop over the length"),
                            units::Quantity::Pressure, "%.3f", left, 92, captionWidth);
    lblSizeFlowType = addResult("lblSizeFlowType", tr("Flow type"), left, 120, captionWidth, 200);
    btnSizeToLine = new QPushButton(tr("To the line page"), this);
    btnSizeToLine->setObjectName(QStringLiteral("btnSizeToLine"));
    btnSizeToLine->setGeometry(left, 152, 140, 30);
    btnSizeToLine->setToolTip(
        tr("The hose, its length and the flow into the pipe pressure drop page"));

    connectGuarded(cbSizeKind, &QComboBox::currentIndexChanged, this, services_,
                   [this] { cbSizeKindChange(); });
    connectGuarded(btnSizeFromPump, &QPushButton::clicked, this, services_,
                   [this] { btnSizeFromPumpClick(); });
    connectGuarded(btnSizeToLine, &QPushButton::clicked, this, services_,
                   [this] { btnSizeToLineClick(); });
}

void SystemLineSizingPage::cbSizeKindChange() {
    // A kind of line comes with its own design velocity.
    setFieldText(field(Velocity), designVelocityText(cbSizeKind->currentIndex()));
}

void SystemLineSizingPage::btnSizeFromPumpClick() {
    const std::optional<double> flow = pumpFlow_();
    if (!flow) {
        services_.showMessage(tr("The pump page has no flow yet: calculate the pump, "
                                 "or type the flow here."),
                              inputErrorTitle());
        return;
    }
    setFieldText(field(Flow), shownFlow(*flow));
}

void SystemLineSizingPage::btnSizeToLineClick() {
    if (!chosen_) {
        services_.showMessage(tr("Calculate a hose size first, then take it over."),
                              inputErrorTitle());
        return;
    }
    emit lineSizeChosen(*chosen_);
}

void SystemLineSizingPage::calculate() {
    LineSizingInputs in;
    in.flow = value(Flow);
    in.kind = kKinds[cbSizeKind->currentIndex()];
    in.velocity = value(Velocity);
    in.length = value(Length);
    in.density = fluidDensity();
    in.viscosity = fluidViscosity();
    const LineSizingResult out = sizeLine(in);
    showFigure(lblSizeD, out.diameter);
    if (out.hose) {
        lblSizeHose->setText(QStringLiteral("%1 (%2)").arg(QString::fromLatin1(out.hose->dash),
                                                           formatText("%.2f", out.hose->diameter)));
        showFigure(lblSizeVelocity, out.hoseVelocity);
        showFigure(lblSizeDrop, out.hoseDrop);
        lblSizeFlowType->setText(modelText(out.flowType).trimmed());
        chosen_ = LineSizeTakeOver{out.hose->diameter, in.length, in.flow};
    } else {
        lblSizeHose->setText(tr("above -32: two lines or a pipe"));
        showFigure(lblSizeVelocity, std::nullopt);
        showFigure(lblSizeDrop, std::nullopt);
        lblSizeFlowType->setText(QStringLiteral("\u2014"));
        chosen_.reset();
    }
    logReport(lineSizingReportRows(in, out));
}

void SystemLineSizingPage::clearResults() {
    cbSizeKind->setCurrentIndex(kPressureLine);
    cbSizeKindChange();
    clearShown();
}

std::vector<PageChoice> SystemLineSizingPage::choices() {
    // Its design velocity comes with the kind; the field's own figure then
    // replaces it.
    return {{.name = QStringLiteral("cbSizeKind"),
             .count = cbSizeKind->count(),
             .item = [this] { return cbSizeKind->currentIndex(); },
             .setItem =
                 [this](int item) {
                     // Every calculation needs a kind of line.
                     if (item >= 0) {
                         cbSizeKind->setCurrentIndex(item);
                     }
                 }}};
}

void SystemLineSizingPage::clearShown() {
    for (QLabel* label : {lblSizeD, lblSizeVelocity, lblSizeDrop}) {
        showFigure(label, std::nullopt);
    }
    for (QLabel* label : {lblSizeHose, lblSizeFlowType}) {
        label->setText(QStringLiteral("\u2014"));
    }
    chosen_.reset();
}
