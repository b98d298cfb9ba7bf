#include "pages/CylinderPage.h"

#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSvgRenderer>

#include "model/klip.h"
#include "ui/ControlEvents.h"
#include "ui/FieldAccess.h"
#include "ui/FieldPairs.h"
#include "ui/FieldWidgets.h"
#include "ui/PictureBundle.h"

namespace {

// The page's quantities, in the order of its pair table.
enum Pair {
    Force,
    PressureIn,
    PressureOut,
    FlowIn,
    FlowOut,
    PistonDiameter,
    RodDiameter,
    Speed,
    Efficiency
};

const char* const kErrorCaption = "ERROR !!!";

// Rows of the pairs on the right half of the page.
constexpr int kCaptionLeft = 392;
constexpr int kSliderLeft = 548;
constexpr int kSliderWidth = 200;
constexpr int kFieldLeft = 756;
constexpr int kFieldWidth = 96;
constexpr int kFirstRow = 58;
constexpr int kRowStep = 40;
constexpr int kMarkLeft = 381;

constexpr PairPlacement rowAt(int row) {
    return {.captionLeft = kCaptionLeft,
            .top = kFirstRow + row * kRowStep,
            .sliderLeft = kSliderLeft,
            .sliderWidth = kSliderWidth,
            .fieldLeft = kFieldLeft,
            .fieldWidth = kFieldWidth};
}

std::vector<QuantityRow> pairTable() {
    return {
        // clang-format off
        {.caption = "Resistant Force [kN]",
         .slider = {.name = "tbHCSila", .minimum = 0, .maximum = 500000, .start = 0, .tick = 100,
                    .scale = 0.001, .format = "%.2f"},
         .field = {.name = "edHCF", .tag = 120},
         .exit = {.kind = ExitKind::Decimal, .format = "%f"},
         .at = rowAt(0),
         .reset = {.kind = ResetKind::TextThenSlider}},
        {.caption = "Pressure in [bar]",
         .slider = {.name = "tbHCPul", .minimum = 1, .maximum = 250, .start = 1, .tick = 1,
                    .format = "%.1f"},
         .field = {.name = "edHCPul", .tag = 121},
         .exit = {.kind = ExitKind::Decimal, .format = "%2.2f"},
         .at = rowAt(1),
         .reset = {.kind = ResetKind::TextThenSlider}},
        {.caption = "Pressure out [bar]",
         .slider = {.name = "tbHCPiz", .minimum = 1, .maximum = 250, .start = 1, .tick = 1,
                    .format = "%.1f"},
         .field = {.name = "edHCPiz", .tag = 122},
         .exit = {.kind = ExitKind::Decimal, .format = "%f"},
         .at = rowAt(2),
         .reset = {.kind = ResetKind::SliderThenText}},
        {.caption = "Flow in [l/min]",
         .slider = {.name = "tbHCQ1", .minimum = 1, .maximum = 200, .start = 1, .tick = 1,
                    .format = "%.1f"},
         .field = {.name = "edHCQ1", .tag = 123},
         .exit = {.kind = ExitKind::Decimal, .format = "%f"},
         .at = rowAt(3),
         .reset = {.kind = ResetKind::SliderThenText}},
        {.caption = "Flow out [l/min]",
         .slider = {.name = "tbHCQ2", .minimum = 1, .maximum = 200, .start = 1, .tick = 1,
                    .format = "%.1f"},
         .field = {.name = "edHCQ2", .tag = 124},
         .exit = {.kind = ExitKind::Decimal, .format = "%f"},
         .at = rowAt(4),
         .reset = {.kind = ResetKind::SliderThenText}},
        {.caption = "Piston diameter [mm]",
         .slider = {.name = "tbHCD1", .minimum = 1, .maximum = 300, .start = 1, .tick = 1,
                    .format = "%.d"},
         .field = {.name = "edHCD1", .tag = 125, .keys = KeyFilterKind::Whole},
         .exit = {.kind = ExitKind::Integer, .format = "%d", .failText = "1"},
         .at = rowAt(5),
         .reset = {.kind = ResetKind::SliderThenText}},
        {.caption = "Piston rod diameter [mm]",
         .slider = {.name = "tbHCD2", .minimum = 1, .maximum = 299, .start = 1, .tick = 1,
                    .format = "%.d"},
         .field = {.name = "edHCD2", .tag = 126, .keys = KeyFilterKind::Whole},
         .exit = {.kind = ExitKind::Integer, .format = "%d", .failText = "1"},
         .at = rowAt(6),
         .reset = {.kind = ResetKind::SliderThenText}},
        {.caption = "Stroke speed[m/s]",
         .slider = {.name = "tbHCv", .minimum = 0, .maximum = 100, .start = 0, .tick = 1,
                    .scale = 0.01, .format = "%.2f"},
         .field = {.name = "edHCv", .tag = 127},
         .exit = {.kind = ExitKind::Decimal, .format = "%2.2f"},
         .at = rowAt(7),
         .reset = {.kind = ResetKind::SliderThenText}},
        // Only the slider sets the efficiency; a reset keeps it.
        {.caption = "Efficiency",
         .slider = {.name = "tbHCNi", .minimum = 95, .maximum = 100, .start = 99, .tick = 1,
                    .scale = 0.01, .format = "%f"},
         .field = {.name = "lblHCNi", .kind = FieldKind::Label, .keys = KeyFilterKind::None},
         .exit = {.kind = ExitKind::None, .format = nullptr},
         .at = rowAt(8)},
        // clang-format on
    };
}

// The pairs of each mode's first to fourth arguments are marked and validated.
ModeRules modeRules() {
    return {
        .modes = {{"Pressure,Flow,Diameters", {PressureIn, FlowIn, PistonDiameter, RodDiameter}},
                  {"Force, Flow,Diameters", {Force, FlowIn, PistonDiameter, RodDiameter}},
                  {"Pressure, Stroke spd, Diameters",
                   {PressureIn, Speed, PistonDiameter, RodDiameter}},
                  {"Force, Stroke speed, Diameters", {Force, Speed, PistonDiameter, RodDiameter}}},
        .efficiencies = {Efficiency},
        .refusal = {"DATA INPUT IS NOT VALID", kErrorCaption},
    };
}

constexpr int kSingleActing = 0;
constexpr int kDoubleActing = 1;

// The cylinder pictures are part of the program: push, pull, through-rod.
const QSize kPictureSize{370, 65};

QImage renderPicture(const QString& resource) {
    QSvgRenderer renderer(resource);
    if (!renderer.isValid()) {
        throw ResourceNotFound(("Picture " + resource + " not found").toStdString());
    }
    QImage image(kPictureSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(kPictureSize)));
    return image;
}

// A result is written in the format its field gives a typed value: a
// quotient such as 200/3 l/min would otherwise run past the field's edge.
QString resultText(const QuantityPair& pair, long double value) {
    return formatText(pair.row.exit.format, value);
}

}  // namespace

CylinderPage::CylinderPage(PageServices& services, PumpFlowSource pumpFlow)
    : ModePage(services, modeRules()), pumpFlow_(std::move(pumpFlow)) {
    setObjectName(QStringLiteral("tsHidrocilinder"));
    buildControls();
    connectHandlers();
}

void CylinderPage::buildControls() {
    Panel3 = new QFrame(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setFrameShape(QFrame::StyledPanel);
    Panel3->setGeometry(0, 0, 867, 44);

    typeButtons_ = new QButtonGroup(this);
    RadioGroup3 = addRadioGroup(
        Panel3, "RadioGroup3", QString(), QRect(4, 3, 370, 38),
        {QStringLiteral("Single action cyliner"), QStringLiteral("Double action cylinder")},
        typeButtons_, {8, 9, 0, 180});
    RadioGroup3->setToolTip(QStringLiteral("Dupli klik za izbor smera opterecenja"));
    RadioGroup3->setContextMenuPolicy(Qt::CustomContextMenu);
    typeButtons_->button(kSingleActing)->setChecked(true);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    auto* directions = new QActionGroup(PopupMenu1);
    directions->setExclusive(true);
    Potisnasila1 = PopupMenu1->addAction(QStringLiteral("Push load"));
    Potisnasila1->setObjectName(QStringLiteral("Potisnasila1"));
    Vucnasila1 = PopupMenu1->addAction(QStringLiteral("Pull load"));
    Vucnasila1->setObjectName(QStringLiteral("Vucnasila1"));
    for (QAction* action : {Potisnasila1, Vucnasila1}) {
        action->setCheckable(true);
        directions->addAction(action);
    }
    Potisnasila1->setChecked(true);

    // A pick list: the load direction is always one of its two items.
    ComboBox2 = new QComboBox(Panel3);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setEditable(false);
    ComboBox2->addItems({QStringLiteral("Push Force"), QStringLiteral("Pull Force")});
    ComboBox2->setCurrentIndex(0);
    ComboBox2->setGeometry(392, 11, 130, 22);

    lblHCSmer = new QLabel(Panel3);
    lblHCSmer->setObjectName(QStringLiteral("lblHCSmer"));
    lblHCSmer->setStyleSheet(QStringLiteral("color: red;"));
    lblHCSmer->setGeometry(540, 11, 240, 22);

    addModeGroup("RadioGroup4", QStringLiteral("Known or desired values"), QRect(4, 52, 370, 140),
                 {10, 26, 27});
    addPairs(pairTable());
    setFieldText(field(PressureOut), QStringLiteral("0"));
    field(FlowIn)->setToolTip(QStringLiteral("Double click for last calculated pump flow"));

    // The efficiency and the outlet pressure are needed in every mode.
    Label37 = addRequiredMark(this, kMarkLeft, rowAt(Efficiency).top - 2);
    Label37->setObjectName(QStringLiteral("Label37"));
    Label38 = addRequiredMark(this, kMarkLeft, rowAt(PressureOut).top - 2);
    Label38->setObjectName(QStringLiteral("Label38"));

    Image3 = new QLabel(this);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setGeometry(4, 206, kPictureSize.width(), kPictureSize.height());

    addCalculateButton("BitBtn3", QStringLiteral("Calculatie"), QRect(80, 300, 105, 33));
    addResetButton("BitBtn4", QRect(196, 300, 105, 33));
}

void CylinderPage::connectHandlers() {
    connectGuarded(typeButtons_, &QButtonGroup::idToggled, this, services_,
                   [this](int, bool checked) {
                       if (checked) {
                           RadioGroup3Click();
                       }
                   });
    connectGuarded(RadioGroup3, &QWidget::customContextMenuRequested, this, services_,
                   [this](const QPoint& at) { PopupMenu1->popup(RadioGroup3->mapToGlobal(at)); });
    connectGuarded(Potisnasila1, &QAction::triggered, this, services_,
                   [this] { Potisnasila1Click(); });
    connectGuarded(Vucnasila1, &QAction::triggered, this, services_, [this] { Vucnasila1Click(); });
    connectGuarded(ComboBox2, &QComboBox::currentIndexChanged, this, services_,
                   [this](int index) { ComboBox2Change(index); });
    onDoubleClick(field(FlowIn), services_, [this] { edHCQ1DblClick(); });
}

bool CylinderPage::doubleActing() const {
    return typeButtons_->checkedId() == kDoubleActing;
}

bool CylinderPage::pullLoad() const {
    return services_.shared().loadDirection;
}

void CylinderPage::reset() {
    services_.resetEditColours();
    pairs().resetAll();
}

void CylinderPage::RadioGroup3Click() {
    updateCylinderPicture();
}

void CylinderPage::ComboBox2Change(int index) {
    if (index == 0) {
        setLoadDirection(false, QStringLiteral("Load direction : Push"));
    } else {
        setLoadDirection(true, QStringLiteral("Load direction: Pull"));
    }
}

void CylinderPage::Potisnasila1Click() {
    setLoadDirection(false, QStringLiteral("Load direction : Push"));
}

void CylinderPage::Vucnasila1Click() {
    setLoadDirection(true, QStringLiteral("Load direction : Pull"));
}

// The combo, the menu, the caption, the picture and what the calculations and
// the circuit read must never disagree about the direction.
void CylinderPage::setLoadDirection(bool pull, const QString& caption) {
    {
        const QSignalBlocker quiet(ComboBox2);
        ComboBox2->setCurrentIndex(pull ? 1 : 0);
    }
    (pull ? Vucnasila1 : Potisnasila1)->setChecked(true);
    lblHCSmer->setText(caption);
    services_.shared().loadDirection = pull;
    updateCylinderPicture();
}

void CylinderPage::updateCylinderPicture() {
    const char* name = doubleActing() ? "B3" : pullLoad() ? "B2" : "B1";
    Image3->setPixmap(
        QPixmap::fromImage(renderPicture(QStringLiteral(":/program/%1.svg").arg(name))));
}

bool CylinderPage::acceptInputs(int item) {
    // The outlet pressure is read first: a text that is no number there
    // reaches the application-wide message before any check.
    const double outletPressure = fieldValue(field(PressureOut));
    if (!checkInputs()) {
        return false;
    }
    const QString caption = QString::fromLatin1(kErrorCaption);
    // The oil must push against the back pressure, and the rod must leave an
    // annulus: otherwise there is no working area to divide by.
    if (isGiven(item, PressureIn) && !(fieldValue(field(PressureIn)) > outletPressure)) {
        services_.showMessage(QStringLiteral("PRESSURE INPUT IS NOT VALID"), caption);
        return false;
    }
    if (!(fieldValue(field(PistonDiameter)) > fieldValue(field(RodDiameter)))) {
        services_.showMessage(QStringLiteral("PISTON OR PISTON ROD DIAMETAR ARE NOT VALID  "),
                              caption);
        return false;
    }
    return true;
}

void CylinderPage::calculate(int item) {
    const double outletPressure = fieldValue(field(PressureOut));
    const double efficiency = fieldValue(field(Efficiency));
    const std::vector<double> given = givenValues(item);
    const auto mode = static_cast<unsigned>(item + 1);
    if (doubleActing()) {
        klipDvostrani cylinder(given[0], given[1], given[2], given[3], outletPressure, efficiency,
                               mode);
        showDoubleActingResults(cylinder);
        if (services_.writeCalculations()) {
            appendReport(cylinder);
        }
    } else {
        klipJednostrani cylinder(given[0], given[1], given[2], given[3], outletPressure, efficiency,
                                 pullLoad(), mode);
        showSingleActingResults(cylinder);
        if (services_.writeCalculations()) {
            appendReport(cylinder);
        }
    }
}

// Every slider moves before its field is written, so a slider that clamps or
// truncates cannot overwrite the computed value.
void CylinderPage::showSingleActingResults(const klipJednostrani& cylinder) {
    const auto show = [this](int pairIndex, long double value) {
        showResult(pairIndex, value, resultText(pair(pairIndex), value));
    };
    show(Force, cylinder.force);
    show(PressureIn, cylinder.pressureIn);
    show(PressureOut, cylinder.pressureOut);
    show(FlowIn, cylinder.inletFlow);
    show(FlowOut, cylinder.outletFlow);
    show(PistonDiameter, cylinder.pistonDiameter);
    show(RodDiameter, cylinder.rodDiameter);
    show(Speed, cylinder.strokeSpeed);
}

// The flow out of a through-rod cylinder equals the flow in.
void CylinderPage::showDoubleActingResults(const klipDvostrani& cylinder) {
    const auto show = [this](int pairIndex, long double value) {
        showResult(pairIndex, value, resultText(pair(pairIndex), value));
    };
    show(Force, cylinder.force);
    show(PressureIn, cylinder.pressureIn);
    show(PressureOut, cylinder.pressureOut);
    show(FlowIn, cylinder.inletFlow);
    show(FlowOut, cylinder.inletFlow);
    show(PistonDiameter, cylinder.pistonDiameter);
    show(RodDiameter, cylinder.rodDiameter);
    show(Speed, cylinder.strokeSpeed);
}

void CylinderPage::edHCQ1DblClick() {
    // A pump flow that is no number reaches the application-wide message,
    // as any field read by a calculation does.
    const std::optional<double> flow = pumpFlow_();
    if (!flow || !(*flow > 0.0)) {
        return;
    }
    setFieldText(field(FlowIn), shownFlow(*flow));
}

void CylinderPage::startUp() {
    const QuantityPair& efficiency = pair(Efficiency);
    setFieldText(efficiency.field, formatText("%f", efficiency.slider->value() * 0.01L));
    setLoadDirection(false, QStringLiteral("Load direction: Push"));
}

CylinderDefinition CylinderPage::definition() const {
    CylinderDefinition cylinder;
    cylinder.kind = doubleActing() ? CylinderKind::DoubleActing : CylinderKind::SingleActing;
    cylinder.pistonDiameter = optionalFieldValue(field(PistonDiameter));
    cylinder.rodDiameter = optionalFieldValue(field(RodDiameter));
    cylinder.efficiency = fieldValue(field(Efficiency));
    cylinder.direction = pullLoad() ? LoadDirection::Pull : LoadDirection::Push;
    return cylinder;
}
