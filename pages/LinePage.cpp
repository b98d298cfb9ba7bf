#include "pages/LinePage.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFont>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <climits>
#include <cmath>
#include <memory>

#include "model/CylinderFlow.h"
#include "model/cev.h"
#include "model/faults.h"
#include "ui/ControlEvents.h"
#include "ui/FieldAccess.h"
#include "ui/FieldPairs.h"
#include "ui/FieldWidgets.h"
#include "ui/ModelText.h"
#include "ui/NumberText.h"
#include "ui/ReportLog.h"

namespace {

// The page's quantities, in the order of its pair table.
enum Pair { Diameter, Length, SpeedOrFlow, InletPressure };

// Slider steps of the speed-or-flow pair: 0.1 m/s or 1 l/min.
constexpr double kSpeedScale = 0.1;
constexpr double kFlowScale = 1.0;
// The figures of the speed-or-flow field in either meaning.
constexpr ValueRange kSpeedRange{.lowest = 0.01, .highest = 100};
constexpr ValueRange kFlowRange{.lowest = 0.1, .highest = 10000};

// Items of the two option groups.
constexpr int kHose = 1;
constexpr int kFlowGiven = 1;

const QColor kInputYellow{255, 255, 0};
const QColor kCaptionBackground{255, 0, 0};

// The tube types in the list's order: the model's wall materials 1 to 6.
QStringList tubeTypes() {
    QStringList names;
    for (unsigned material = 1; material <= 6; ++material) {
        names << modelText(std::string(tubeTypeName(material)));
    }
    return names;
}

// The figures of the page's result labels.
enum Figure { kDropFigure, kVelocityFigure };

// Points of the drawn characteristic between no flow and the operating flow.
constexpr int kLineCharacteristicIntervals = 200;

std::vector<QuantityRow> pairTable() {
    return {
        // clang-format off
        {.caption = LinePage::tr("Diameter"), .quantity = units::Quantity::SmallLength,
         .slider = {.name = "tbUSd", .minimum = 1, .maximum = 100, .start = 1, .tick = 1,
                    .format = "%f"},
         .field = {.name = "edUSd"},
         .exit = {.kind = ExitKind::Decimal, .format = "%f"},
         .range = {.lowest = 0.5, .highest = 2000},
         .at = {.captionLeft = 8, .top = 70, .sliderLeft = 130, .sliderWidth = 200,
                .fieldLeft = 340, .fieldWidth = 76},
         .reset = {.kind = ResetKind::SliderThenText}},
        {.caption = LinePage::tr("Length"), .quantity = units::Quantity::Length,
         .slider = {.name = "tbUSl", .minimum = 0, .maximum = 200, .start = 1, .tick = 2,
                    .scale = 0.1, .format = "%2.1f"},
         .field = {.name = "edUSl"},
         .exit = {.kind = ExitKind::Decimal, .format = "%2.1f"},
         .range = {.lowest = 0, .highest = 10000},
         .at = {.captionLeft = 8, .top = 106, .sliderLeft = 130, .sliderWidth = 200,
                .fieldLeft = 340, .fieldWidth = 76}},
        // What the field holds, speed or flow, is said by the option group above it.
        // Its caption names it in messages only.
        {.caption = LinePage::tr("Fluid speed"), .quantity = units::Quantity::Velocity,
         .slider = {.name = "tbUS", .minimum = 1, .maximum = 100, .start = 1, .tick = 1,
                    .scale = kSpeedScale, .format = "%f"},
         .field = {.name = "edUS"},
         .exit = {.kind = ExitKind::Decimal, .format = "%f"},
         .range = kSpeedRange,
         .at = {.top = 184, .sliderLeft = 130, .sliderWidth = 200,
                .fieldLeft = 340, .fieldWidth = 76}},
        // Shown for the user's reference; no calculation reads it.
        {.caption = LinePage::tr("Pressure in"), .quantity = units::Quantity::Pressure,
         .slider = {.name = "TrackBar10", .minimum = 1, .maximum = 300, .start = 1, .tick = 1,
                    .format = "%f"},
         .field = {.name = "btnUsputPul"},
         .exit = {.kind = ExitKind::Decimal, .format = "%f"},
         .range = {.lowest = 0, .highest = 1000},
         .at = {.captionLeft = 8, .top = 220, .sliderLeft = 130, .sliderWidth = 200,
                .fieldLeft = 340, .fieldWidth = 76}},
        // clang-format on
    };
}

// A diagram's cell count: the value truncated toward zero, held to what an
// int can carry (the drawing refuses counts beyond a real line's anyway).
int cellCount(long double value) {
    if (!(value > 0.0L)) {
        return 0;
    }
    if (value >= static_cast<long double>(INT_MAX)) {
        return INT_MAX;
    }
    return static_cast<int>(std::trunc(value));
}

// The usual mean velocities of oil-hydraulic lines, highest limit first: a
// velocity above one of them is named with it. The page does not know what
// the line serves, so the note gives every range and leaves the verdict to
// the designer.
struct UsualVelocity {
    double limit;  // m/s
    const char* line;
};
constexpr UsualVelocity kUsualVelocities[] = {
    {6.0, QT_TRANSLATE_NOOP("LinePage", "a pressure line")},
    {4.0, QT_TRANSLATE_NOOP("LinePage", "a return line")},
    {1.5, QT_TRANSLATE_NOOP("LinePage", "a suction line")}};

// The note in the shown units; in metric it reads as the limits are written.
QString velocityAdvice(double velocity, units::UnitSystem system) {
    const auto shown = [system](double metres) {
        return QString::number(units::toDisplay(metres, units::Quantity::Velocity, system), 'g', 3);
    };
    const QString unit =
        QString::fromUtf8(units::displayUnit(units::Quantity::Velocity, system).ascii);
    for (const UsualVelocity& usual : kUsualVelocities) {
        if (velocity > usual.limit) {
            return QStringLiteral("v = ") +
                   formatText("%.2f",
                              units::toDisplay(velocity, units::Quantity::Velocity, system)) +
                   LinePage::tr(
                       " %1 is above the usual %2 %1 of %3. Usual velocities: pressure "
                       "lines %4\u2013%5 %1, return lines %6\u2013%7 %1, suction "
                       "lines %8\u2013%9 %1.")
                       .arg(unit, shown(usual.limit), LinePage::tr(usual.line), shown(2.0),
                            shown(6.0), shown(1.5), shown(4.0), shown(0.5), shown(1.5));
        }
    }
    return {};
}

}  // namespace

LinePage::LinePage(PageServices& services, ReturnFlowSources returnFlow)
    : CalculatorPage(services), returnFlow_(std::move(returnFlow)) {
    setObjectName(QStringLiteral("tsUsputni"));
    buildControls();
    connectHandlers();
}

void LinePage::buildControls() {
    lineKind_ = new QButtonGroup(this);
    RGcevCrevo = addRadioGroup(this, "RGcevCrevo", QString(), QRect(8, 4, 416, 34),
                               {tr("Tube"), tr("Hose")}, lineKind_, {8, 6, 0, 204});
    lineKind_->button(0)->setChecked(true);
    RGcevCrevo->setToolTip(tr("Dupli klik za izbor smera opterecenja"));

    pairs_ = new FieldPairs(services_, this);
    pairs_->build(pairTable());
    for (int pair : {Diameter, Length, SpeedOrFlow}) {
        setFieldColour(field(pair), kInputYellow);
    }
    onDoubleClick(field(SpeedOrFlow), services_, [this] { edUSDblClick(); });

    speedOrFlow_ = new QButtonGroup(this);
    USRadio = addRadioGroup(this, "USRadio", QString(), QRect(8, 138, 416, 34),
                            {tr("Fluid speed [%1]").arg(QStringLiteral("m/s")),
                             tr("Flow [%1]").arg(QStringLiteral("l/min"))},
                            speedOrFlow_, {8, 6, 0, 204});
    speedOrFlow_->button(0)->setChecked(true);

    addCaption(this, tr("Tube type :"), 8, 254);
    cmbVrsta = new QComboBox(this);
    cmbVrsta->setObjectName(QStringLiteral("cmbVrsta"));
    cmbVrsta->setEditable(false);
    cmbVrsta->addItems(tubeTypes());
    cmbVrsta->setCurrentIndex(0);
    cmbVrsta->setGeometry(8, 272, 416, 24);

    BitBtn5 = new QPushButton(QIcon(QStringLiteral(":/program/glyphs/calculate.svg")),
                              tr("Calculate"), this);
    setCalculateButton(BitBtn5);
    BitBtn5->setObjectName(QStringLiteral("BitBtn5"));
    BitBtn5->setGeometry(8, 312, 97, 33);
    BitBtn7 =
        new QPushButton(QIcon(QStringLiteral(":/program/glyphs/reset.svg")), tr("Reset"), this);
    BitBtn7->setObjectName(QStringLiteral("BitBtn7"));
    BitBtn7->setGeometry(112, 312, 97, 33);

    QLabel* dropCaption =
        addCaption(this, tr("Pressure drop [%1]").arg(QStringLiteral("bar")), 230, 321);
    lblDp_Cev = new QLabel(QStringLiteral("0"), this);
    lblDp_Cev->setObjectName(QStringLiteral("lblDp_Cev"));
    QFont bold = lblDp_Cev->font();
    bold.setBold(true);
    bold.setPixelSize(14);
    lblDp_Cev->setFont(bold);
    QPalette red = lblDp_Cev->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    lblDp_Cev->setPalette(red);
    lblDp_Cev->setGeometry(352, 316, 72, 24);

    // What the drop was computed from, under it.
    QLabel* velocityCaption = nullptr;
    const auto figure = [this, &velocityCaption](const char* caption, const char* name, int left,
                                                 int top, int width) {
        velocityCaption = addCaption(this, tr(caption), left, top + 1);
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(name));
        label->setGeometry(left + 56, top, width, 18);
        return label;
    };
    lblUSVelocity = figure("v [m/s]", "lblUSVelocity", 8, 352, 80);
    figures_.add({.value = lblDp_Cev,
                  .caption = dropCaption,
                  .symbol = tr("Pressure drop"),
                  .quantity = units::Quantity::Pressure,
                  .format = "%2.2f",
                  .blank = QStringLiteral("0")});
    figures_.add({.value = lblUSVelocity,
                  .caption = velocityCaption,
                  .symbol = QStringLiteral("v"),
                  .quantity = units::Quantity::Velocity,
                  .format = "%.2f"});
    lblUSReynolds = figure("Re", "lblUSReynolds", 150, 352, 80);
    lblUSLambda = figure("\u03bb", "lblUSLambda", 292, 352, 76);
    lblUSRegime = figure(QT_TR_NOOP("Regime"), "lblUSRegime", 8, 372, 360);
    lblUSAdvice = new QLabel(this);
    lblUSAdvice->setObjectName(QStringLiteral("lblUSAdvice"));
    lblUSAdvice->setWordWrap(true);
    lblUSAdvice->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Under the diagram too: in two lines the advice stays above the page's edge.
    lblUSAdvice->setGeometry(8, 392, 849, 30);
    QPalette advice = lblUSAdvice->palette();
    advice.setColor(QPalette::WindowText, QColor(170, 70, 0));
    lblUSAdvice->setPalette(advice);

    PaintBox2 = new DiagramBox(this, "PaintBox2", QRect(440, 8, 417, 380));
}

void LinePage::connectHandlers() {
    connectGuarded(lineKind_, &QButtonGroup::idToggled, this, services_, [this](int, bool checked) {
        if (checked) {
            RGcevCrevoClick();
        }
    });
    connectGuarded(speedOrFlow_, &QButtonGroup::idToggled, this, services_,
                   [this](int, bool checked) {
                       if (checked) {
                           USRadioClick();
                       }
                   });
    // Any input changed: the figures shown no longer belong to the inputs.
    for (int pair : {Diameter, Length, SpeedOrFlow}) {
        if (auto* edit = qobject_cast<QLineEdit*>(field(pair))) {
            connectGuarded(edit, &QLineEdit::textChanged, this, services_,
                           [this] { clearFigures(); });
        }
    }
    for (QButtonGroup* group : {lineKind_, speedOrFlow_}) {
        connectGuarded(group, &QButtonGroup::idToggled, this, services_,
                       [this] { clearFigures(); });
    }
    connectGuarded(cmbVrsta, &QComboBox::currentIndexChanged, this, services_,
                   [this] { clearFigures(); });
    connectGuarded(BitBtn5, &QPushButton::clicked, this, services_, [this] { BitBtn5Click(); });
    connectGuarded(BitBtn7, &QPushButton::clicked, this, services_, [this] { BitBtn7Click(); });
}

QWidget* LinePage::field(int pair) const {
    return pairs_->pair(pair).field;
}

bool LinePage::flowGiven() const {
    return speedOrFlow_->checkedId() == kFlowGiven;
}

void LinePage::startUp() {
    for (int pair = 0; pair < pairs_->count(); ++pair) {
        FieldPairs::sliderChanged(pairs_->pair(pair));
    }
}

void LinePage::RGcevCrevoClick() {
    // A hose keeps the tube type chosen last: its roughness still counts.
    cmbVrsta->setEnabled(lineKind_->checkedId() != kHose);
}

void LinePage::USRadioClick() {
    // The number in the field keeps its text; only its meaning changes.
    QuantityRow& row = pairs_->pair(SpeedOrFlow).row;
    row.caption = flowGiven() ? tr("Flow") : tr("Fluid speed");
    row.range = flowGiven() ? kFlowRange : kSpeedRange;
    pairs_->setQuantity(SpeedOrFlow,
                        flowGiven() ? units::Quantity::Flow : units::Quantity::Velocity,
                        flowGiven() ? kFlowScale : kSpeedScale);
}

void LinePage::BitBtn5Click() {
    // The explanation stands in the text, where the desktop does not cut it.
    const auto refuse = [this] {
        services_.showMessage(tr("Pipeline input data is not regular "), tr("INPUT ERROR"),
                              tr("Diameter, speed or flow, viscosity and density must "
                                 "be greater than 0, the length not negative"));
    };
    for (int pair : {Diameter, Length, SpeedOrFlow}) {
        if (fieldText(field(pair)).isEmpty()) {
            refuse();
            return;
        }
    }
    // A text that is no number, or a figure no line has, is named with its
    // range, and its field turns red.
    for (int pair : {Diameter, Length, SpeedOrFlow}) {
        if (const FieldReading reading = pairs_->read(pair); !reading.usable()) {
            services_.showMessage(tr("Pipeline input data is not regular "), tr("INPUT ERROR"),
                                  reading.problem);
            return;
        }
    }
    const WorkingFluidTexts fluid = services_.workingFluid();
    const double viscosity = readNumber(fluid.viscosity);
    const double diameter = pairs_->modelValue(Diameter);
    const double density = readNumber(fluid.density);
    const double length = pairs_->modelValue(Length);
    const double speedOrFlow = pairs_->modelValue(SpeedOrFlow);
    // A zero diameter, speed, flow or viscosity divides by zero in the line's
    // formulas; a negative length or density gives a negative drop.
    const bool sound = positive(diameter) && positive(speedOrFlow) && positive(viscosity) &&
                       positive(density) && std::isfinite(length) && length >= 0.0;
    if (!sound) {
        refuse();
        return;
    }
    const LineInputs inputs{speedOrFlow,
                            length,
                            density,
                            diameter,
                            viscosity,
                            static_cast<unsigned>(cmbVrsta->currentIndex() + 1),
                            flowGiven() ? 1 : 0,
                            lineKind_->checkedId() == kHose};
    const std::unique_ptr<cev> line = makeLine(inputs);
    if (services_.writeCalculations()) {
        units::ReportRows rows;
        line->writeReportRows(rows);
        appendReportRows(services_, rows);
    }
    last_ = LineTakeOver{line->pressureDrop, diameter, length, cmbVrsta->currentIndex()};
    lastInputs_ = inputs;
    figures_.show(kDropFigure, line->pressureDrop);
    showFigures(*line);
    storeDiagram(*line);
}

std::unique_ptr<cev> LinePage::makeLine(const LineInputs& in) {
    if (in.hose) {
        return std::make_unique<crevo>(in.speedOrFlow, in.length, in.density, in.diameter,
                                       in.viscosity, in.material, in.given);
    }
    return std::make_unique<cev>(in.speedOrFlow, in.length, in.density, in.diameter, in.viscosity,
                                 in.material, in.given);
}

void LinePage::showFigures(const cev& line) {
    figures_.show(kVelocityFigure, line.velocity);
    lblUSReynolds->setText(formatText("%.0f", line.reynolds));
    lblUSLambda->setText(QString::fromStdString(fourSignificantDigits(line.frictionFactor)));
    lblUSRegime->setText(modelText(line.flowType).trimmed());
    shownVelocity_ = line.velocity;
    lblUSAdvice->setText(velocityAdvice(line.velocity, pairs_->unitSystem()));
}

void LinePage::fluidChanged() {
    clearFigures();
}

void LinePage::clearFigures() {
    for (QLabel* label : {lblUSVelocity, lblUSReynolds, lblUSLambda, lblUSRegime, lblUSAdvice}) {
        label->clear();
    }
}

void LinePage::storeDiagram(const cev& line) {
    // The line's own law at every flow: laminar drops grow with the flow,
    // turbulent ones nearly with its square; the curve ends on the operating
    // point the page shows.
    characteristic_.clear();
    for (int i = 0; i < kLineCharacteristicIntervals; ++i) {
        const double q = line.flow * i / kLineCharacteristicIntervals;
        characteristic_.emplace_back(q, line.dropAtFlow(q));
    }
    characteristic_.emplace_back(line.flow, line.pressureDrop);
    drawDiagram();
}

void LinePage::drawDiagram() {
    if (characteristic_.empty()) {
        return;
    }
    const units::UnitSystem system = pairs_->unitSystem();
    const auto flowIn = [system](double flow) {
        return units::toDisplay(flow, units::Quantity::Flow, system);
    };
    const auto dropIn = [system](double drop) {
        return units::toDisplay(drop, units::Quantity::Pressure, system);
    };
    const QPointF operating = characteristic_.back();
    ValveDiagram diagram;
    diagram.flowCells = cellCount(static_cast<long double>(flowIn(operating.x())) + 1.0L);
    // Pressure cells fine enough that even a small drop is read off at
    // several labelled values.
    diagram.dropUnit = dropUnitFor(dropIn(operating.y()));
    diagram.dropCells =
        cellCount(static_cast<long double>(dropIn(operating.y())) / diagram.dropUnit + 1.0L);
    diagram.firstFlow = 0;
    for (const QPointF& point : characteristic_) {
        diagram.points.emplace_back(flowIn(point.x()), dropIn(point.y()));
    }
    // The axis titles, with their units, on the red of the page's captions.
    const auto unit = [system](units::Quantity quantity) {
        return QString::fromUtf8(units::displayUnit(quantity, system).ascii);
    };
    diagram.titles = {QStringLiteral("Q [%1]").arg(unit(units::Quantity::Flow)),
                      tr("prssure lost [%1]").arg(unit(units::Quantity::Pressure)),
                      kCaptionBackground};
    PaintBox2->setDiagram(std::move(diagram));
    // The valve's flow slider counts in the model's flow.
    emit diagramFlowRange(cellCount(static_cast<long double>(operating.x()) + 1.0L));
}

void LinePage::setUnitSystem(units::UnitSystem system) {
    CalculatorPage::setUnitSystem(system);
    const auto unit = [system](units::Quantity quantity) {
        return QString::fromUtf8(units::displayUnit(quantity, system).ascii);
    };
    speedOrFlow_->button(0)->setText(tr("Fluid speed [%1]").arg(unit(units::Quantity::Velocity)));
    speedOrFlow_->button(1)->setText(tr("Flow [%1]").arg(unit(units::Quantity::Flow)));
    figures_.setUnitSystem(system);
    if (shownVelocity_ && !lblUSAdvice->text().isEmpty()) {
        lblUSAdvice->setText(velocityAdvice(*shownVelocity_, system));
    }
    if (!characteristic_.empty()) {
        drawDiagram();
    }
}

void LinePage::BitBtn7Click() {
    // The diameter's slider goes back to its start; the other sliders stay
    // where they are while their fields show their minimums.
    pairs_->resetAll();
    for (int pair : {Length, SpeedOrFlow, InletPressure}) {
        setFieldText(field(pair), QString::number(pairs_->pair(pair).slider->minimum()));
    }
    last_.reset();
    lastInputs_.reset();
    clearFigures();
    figures_.showBlank(kDropFigure, QStringLiteral("0.0"));
    characteristic_.clear();
    PaintBox2->setDiagram(std::nullopt);
}

void LinePage::edUSDblClick() {
    if (!flowGiven()) {
        return;
    }
    const QuantityPair& flow = pairs_->pair(SpeedOrFlow);
    const std::optional<double> pumpFlow = returnFlow_.pumpFlow();
    if (!pumpFlow) {
        services_.showMessage(tr("The pump page has no flow yet: calculate the pump, "
                                 "or type the flow here."),
                              tr("INPUT ERROR"));
        return;
    }
    FieldPairs::showValue(flow, "%2.2f", *pumpFlow);
    // The return flow serves the circuit's return line, so only once the
    // operation line has been taken over.
    const std::optional<double> operationLine = returnFlow_.operationLineDrop();
    if (!operationLine || !(*operationLine > 0.0)) {
        return;
    }
    const CylinderDefinition cylinder = returnFlow_.cylinder();
    if (cylinder.pistonDiameter && cylinder.rodDiameter) {
        const double piston = *cylinder.pistonDiameter;
        const double rod = *cylinder.rodDiameter;
        if (piston > 0.0 && rod > 0.0 && rod < piston) {
            const double returned =
                returnFlow(*pumpFlow, piston, rod, cylinder.kind, cylinder.direction);
            // The slider first: its change writes whole l/min, the field then
            // gets the return flow itself.
            FieldPairs::showResult(flow, returned, formatText("%2.2f", returned));
            return;
        }
    }
    const QString text = fieldText(flow.field);
    if (!text.isEmpty()) {
        // The slider follows the pump flow; the field keeps its decimals.
        FieldPairs::showResult(flow, FieldPairs::modelValue(flow), text);
    }
}

void LinePage::takeLineSize(const LineSizeTakeOver& line) {
    lineKind_->button(kHose)->setChecked(true);
    speedOrFlow_->button(kFlowGiven)->setChecked(true);
    FieldPairs::showResult(pairs_->pair(Diameter), line.diameter,
                           formatText("%2.2f", line.diameter));
    FieldPairs::showResult(pairs_->pair(Length), line.length, formatText("%2.2f", line.length));
    FieldPairs::showResult(pairs_->pair(SpeedOrFlow), line.flow, shownFlow(line.flow));
}

std::vector<PageChoice> LinePage::choices() {
    const auto group = [](const char* name, QButtonGroup* buttons) {
        return PageChoice{.name = QString::fromLatin1(name),
                          .count = static_cast<int>(buttons->buttons().size()),
                          .item = [buttons] { return buttons->checkedId(); },
                          .setItem =
                              [buttons](int item) {
                                  if (QAbstractButton* button = buttons->button(item)) {
                                      button->setChecked(true);
                                  }
                              }};
    };
    return {group("RGcevCrevo", lineKind_),
            group("USRadio", speedOrFlow_),
            {.name = QStringLiteral("cmbVrsta"),
             .count = cmbVrsta->count(),
             .item = [this] { return cmbVrsta->currentIndex(); },
             .setItem = [this](int item) { cmbVrsta->setCurrentIndex(item); }}};
}

void LinePage::saveResults(PageState& state) const {
    if (last_) {
        state.results = {{QStringLiteral("drop"), last_->drop},
                         {QStringLiteral("diameter"), last_->diameter},
                         {QStringLiteral("length"), last_->length},
                         {QStringLiteral("tubeType"), last_->tubeType}};
    }
    if (last_ && lastInputs_) {
        state.results[QStringLiteral("diagram.speedOrFlow")] = lastInputs_->speedOrFlow;
        state.results[QStringLiteral("diagram.density")] = lastInputs_->density;
        state.results[QStringLiteral("diagram.viscosity")] = lastInputs_->viscosity;
        state.results[QStringLiteral("diagram.flowGiven")] = lastInputs_->given;
        state.results[QStringLiteral("diagram.hose")] = lastInputs_->hose ? 1 : 0;
    }
}

void LinePage::restoreResults(const PageState& state) {
    const auto& results = state.results;
    const auto has = [&results](const char* name) {
        return results.count(QString::fromLatin1(name)) > 0;
    };
    last_.reset();
    lastInputs_.reset();
    characteristic_.clear();
    PaintBox2->setDiagram(std::nullopt);
    if (!(has("drop") && has("diameter") && has("length") && has("tubeType"))) {
        figures_.showBlank(kDropFigure, QStringLiteral("0"));
        return;
    }
    last_ = LineTakeOver{results.at(QStringLiteral("drop")), results.at(QStringLiteral("diameter")),
                         results.at(QStringLiteral("length")),
                         static_cast<int>(results.at(QStringLiteral("tubeType")))};
    figures_.show(kDropFigure, last_->drop);
    if (!(has("diagram.speedOrFlow") && has("diagram.density") && has("diagram.viscosity") &&
          has("diagram.flowGiven") && has("diagram.hose"))) {
        return;  // a design without them shows the drop alone
    }
    const LineInputs inputs{results.at(QStringLiteral("diagram.speedOrFlow")),
                            last_->length,
                            results.at(QStringLiteral("diagram.density")),
                            last_->diameter,
                            results.at(QStringLiteral("diagram.viscosity")),
                            static_cast<unsigned>(last_->tubeType + 1),
                            results.at(QStringLiteral("diagram.flowGiven")) != 0.0 ? 1 : 0,
                            results.at(QStringLiteral("diagram.hose")) != 0.0};
    // The calculation's own checks: a file written by hand may hold figures
    // no calculation had, and then shows no diagram.
    const bool sound = positive(inputs.diameter) && positive(inputs.speedOrFlow) &&
                       positive(inputs.viscosity) && positive(inputs.density) &&
                       inputs.length >= 0.0;
    if (!sound) {
        return;
    }
    try {
        // The same inputs give the same line: its diagram as it was drawn.
        // The figures beside the drop are not shown again: they were cleared
        // when an input changed, and a calculation on opening shows them.
        storeDiagram(*makeLine(inputs));
        lastInputs_ = inputs;
    } catch (const std::exception&) {
        characteristic_.clear();
        PaintBox2->setDiagram(std::nullopt);
    }
}

std::optional<LineTakeOver> LinePage::takeOver() const {
    return last_;
}
