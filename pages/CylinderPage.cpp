#include "pages/CylinderPage.h"

#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
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

#include "model/CylinderDesign.h"
#include "model/InputError.h"
#include "model/klip.h"
#include "ui/ControlEvents.h"
#include "ui/FieldAccess.h"
#include "ui/FieldPairs.h"
#include "ui/FieldWidgets.h"
#include "ui/ModelText.h"
#include "ui/PictureBundle.h"
#include "ui/ReportLog.h"

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

const char* const kErrorCaption = QT_TRANSLATE_NOOP("CylinderPage", "ERROR !!!");

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
        {.caption = CylinderPage::tr("Resistant Force"), .quantity = units::Quantity::Force,
         .slider = {.name = "tbHCSila", .minimum = 0, .maximum = 500000, .start = 0, .tick = 100,
                    .scale = 0.001, .format = "%.2f"},
         .field = {.name = "edHCF", .tag = 120},
         .exit = {.kind = ExitKind::Decimal, .format = "%f"},
         .range = {.lowest = 0.001, .highest = 100000},
         .at = rowAt(0),
         .reset = {.kind = ResetKind::TextThenSlider}},
        {.caption = CylinderPage::tr("Pressure in"), .quantity = units::Quantity::Pressure,
         .slider = {.name = "tbHCPul", .minimum = 1, .maximum = 250, .start = 1, .tick = 1,
                    .format = "%.1f"},
         .field = {.name = "edHCPul", .tag = 121},
         .exit = {.kind = ExitKind::Decimal, .format = "%2.2f"},
         .range = {.lowest = 1, .highest = 1000},
         .at = rowAt(1),
         .reset = {.kind = ResetKind::TextThenSlider}},
        {.caption = CylinderPage::tr("Pressure out"), .quantity = units::Quantity::Pressure,
         .slider = {.name = "tbHCPiz", .minimum = 1, .maximum = 250, .start = 1, .tick = 1,
                    .format = "%.1f"},
         .field = {.name = "edHCPiz", .tag = 122},
         .exit = {.kind = ExitKind::Decimal, .format = "%f"},
         .range = {.lowest = 0, .highest = 1000},
         .at = rowAt(2),
         .reset = {.kind = ResetKind::SliderThenText}},
        {.caption = CylinderPage::tr("Flow in"), .quantity = units::Quantity::Flow,
         .slider = {.name = "tbHCQ1", .minimum = 1, .maximum = 200, .start = 1, .tick = 1,
                    .format = "%.1f"},
         .field = {.name = "edHCQ1", .tag = 123},
         .exit = {.kind = ExitKind::Decimal, .format = "%f"},
         .range = {.lowest = 0.1, .highest = 10000},
         .at = rowAt(3),
         .reset = {.kind = ResetKind::SliderThenText}},
        {.caption = CylinderPage::tr("Flow out"), .quantity = units::Quantity::Flow,
         .slider = {.name = "tbHCQ2", .minimum = 1, .maximum = 200, .start = 1, .tick = 1,
                    .format = "%.1f"},
         .field = {.name = "edHCQ2", .tag = 124},
         .exit = {.kind = ExitKind::Decimal, .format = "%f"},
         .range = {.lowest = 0.1, .highest = 10000},
         .at = rowAt(4),
         .reset = {.kind = ResetKind::SliderThenText}},
        {.caption = CylinderPage::tr("Piston diameter"), .quantity = units::Quantity::SmallLength,
         .slider = {.name = "tbHCD1", .minimum = 1, .maximum = 300, .start = 1, .tick = 1,
                    .format = "%.d"},
         .field = {.name = "edHCD1", .tag = 125, .keys = KeyFilterKind::Whole},
         .exit = {.kind = ExitKind::Integer, .format = "%d"},
         .range = {.lowest = 1, .highest = 2000},
         .at = rowAt(5),
         .reset = {.kind = ResetKind::SliderThenText}},
        {.caption = CylinderPage::tr("Piston rod diameter"),
         .quantity = units::Quantity::SmallLength,
         .slider = {.name = "tbHCD2", .minimum = 1, .maximum = 299, .start = 1, .tick = 1,
                    .format = "%.d"},
         .field = {.name = "edHCD2", .tag = 126, .keys = KeyFilterKind::Whole},
         .exit = {.kind = ExitKind::Integer, .format = "%d"},
         .range = {.lowest = 1, .highest = 2000},
         .at = rowAt(6),
         .reset = {.kind = ResetKind::SliderThenText}},
        {.caption = CylinderPage::tr("Stroke speed"), .quantity = units::Quantity::Velocity,
         .slider = {.name = "tbHCv", .minimum = 0, .maximum = 100, .start = 0, .tick = 1,
                    .scale = 0.01, .format = "%.2f"},
         .field = {.name = "edHCv", .tag = 127},
         .exit = {.kind = ExitKind::Decimal, .format = "%2.2f"},
         .range = {.lowest = 0.001, .highest = 10},
         .at = rowAt(7),
         .reset = {.kind = ResetKind::SliderThenText}},
        // Only the slider sets the efficiency; a reset keeps it.
        {.caption = CylinderPage::tr("Efficiency"),
         .slider = {.name = "tbHCNi", .minimum = 95, .maximum = 100, .start = 99, .tick = 1,
                    .scale = 0.01, .format = "%f"},
         .field = {.name = "lblHCNi", .kind = FieldKind::Label, .keys = KeyFilterKind::None},
         .exit = {.kind = ExitKind::None, .format = nullptr},
         .range = {.lowest = 0.3, .highest = 1},
         .at = rowAt(8)},
        // clang-format on
    };
}

// The fields of the stroke and buckling group, in its own pair table.
enum DesignPair { Stroke, MountingLength, SafetyFactor };

std::vector<QuantityRow> designTable() {
    const auto at = [](int left, int top, int captionWidth) {
        return PairPlacement{.captionLeft = left,
                             .top = top,
                             .sliderLeft = 0,
                             .sliderWidth = 0,
                             .fieldLeft = left + captionWidth,
                             .fieldWidth = 56};
    };
    return {
        // clang-format off
        {.caption = CylinderPage::tr("Stroke"), .quantity = units::Quantity::SmallLength,
         .field = {.name = "edHCStroke", .tag = 128},
         .exit = {.kind = ExitKind::Decimal, .format = "%.0f"},
         .range = {.lowest = 1, .highest = 50000},
         .at = at(8, 20, 134)},
        {.caption = CylinderPage::tr("Retracted length"), .quantity = units::Quantity::SmallLength,
         .field = {.name = "edHCMountLength", .tag = 129},
         .exit = {.kind = ExitKind::Decimal, .format = "%.0f"},
         .range = {.lowest = 0, .highest = 50000},
         .at = at(8, 44, 134)},
        {.caption = CylinderPage::tr("Safety factor"),
         .field = {.name = "edHCSafety", .tag = 130},
         .exit = {.kind = ExitKind::Decimal, .format = "%.2f"},
         .range = {.lowest = 1, .highest = 100},
         .at = at(200, 44, 108)},
        // clang-format on
    };
}

// The mounting cases, in the order of the Euler cases, by their usual mounting.
struct Mounting {
    const char* name;
    const char* tip;
};
const Mounting kMountings[] = {
    {QT_TRANSLATE_NOOP("CylinderPage", "Flange, free rod"),
     QT_TRANSLATE_NOOP("CylinderPage", "Rear flange, the rod end free (fixed - free): L_K = 2 L")},
    {QT_TRANSLATE_NOOP("CylinderPage", "Eye, rod eye"),
     QT_TRANSLATE_NOOP("CylinderPage", "Rear eye and rod eye (pinned - pinned): L_K = L")},
    {QT_TRANSLATE_NOOP("CylinderPage", "Flange, rod eye"),
     QT_TRANSLATE_NOOP("CylinderPage",
                       "Rear flange, the rod eye guided (fixed - pinned): L_K = 0.7 L")},
    {QT_TRANSLATE_NOOP("CylinderPage", "Flange, fixed rod"),
     QT_TRANSLATE_NOOP("CylinderPage",
                       "Rear flange, the rod end fixed (fixed - fixed): L_K = 0.5 L")},
};

const char* const kDesignCaption = QT_TRANSLATE_NOOP("CylinderPage", "Stroke and buckling");

// The pairs of each mode's first to fourth arguments are marked and validated.
ModeRules modeRules() {
    return {
        .modes = {{CylinderPage::tr("Pressure,Flow,Diameters"),
                   {PressureIn, FlowIn, PistonDiameter, RodDiameter}},
                  {CylinderPage::tr("Force, Flow,Diameters"),
                   {Force, FlowIn, PistonDiameter, RodDiameter}},
                  {CylinderPage::tr("Pressure, Stroke spd, Diameters"),
                   {PressureIn, Speed, PistonDiameter, RodDiameter}},
                  {CylinderPage::tr("Force, Stroke speed, Diameters"),
                   {Force, Speed, PistonDiameter, RodDiameter}}},
        .efficiencies = {Efficiency},
        .refusal = {CylinderPage::tr("DATA INPUT IS NOT VALID"), CylinderPage::tr(kErrorCaption)},
    };
}

constexpr int kSingleActing = 0;
constexpr int kDoubleActing = 1;

// The cylinder pictures are part of the program: push, pull, through-rod.
const QSize kPictureSize{370, 65};

QImage renderPicture(const QString& resource) {
    QSvgRenderer renderer(resource);
    if (!renderer.isValid()) {
        throw ResourceNotFound(
            CylinderPage::tr("Picture %1 not found").arg(resource).toStdString());
    }
    QImage image(kPictureSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(kPictureSize)));
    return image;
}

// The design group's results, in the order they are added.
enum DesignResult {
    ExtendTime,
    ExtendVolume,
    RetractTime,
    RetractVolume,
    RegenSpeed,
    RegenForce,
    RegenTime,
    BucklingLength,
    Slenderness,
    PermissibleForce,
    kDesignResults
};

// A result is written in the format its field gives a typed value: a
// quotient such as 200/3 l/min would otherwise run past the field's edge.
QString resultText(const QuantityPair& pair, long double value) {
    return formatText(pair.row.exit.format, value);
}

// The verdict on the rod in the program's language: its rows translated as a
// report's are, then written in the system's units.
QString verdictText(const BucklingFigures& buckling, std::optional<double> pushLoad,
                    units::UnitSystem system) {
    ReportLines lines;
    units::appendRows(lines, translatedRows(bucklingVerdictRows(buckling, pushLoad)), system);
    return lines.empty() ? QString() : QString::fromStdString(lines.front());
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
    // Wide enough for the kinds' full names, and the direction's caption after
    // the combo for the side the oil pushes on.
    RadioGroup3 = addRadioGroup(Panel3, "RadioGroup3", QString(), QRect(4, 3, 462, 38),
                                {tr("Single action cyliner"), tr("Double action cylinder")},
                                typeButtons_, {8, 9, 0, 228});
    RadioGroup3->setToolTip(tr("Dupli klik za izbor smera opterecenja"));
    RadioGroup3->setContextMenuPolicy(Qt::CustomContextMenu);
    typeButtons_->button(kSingleActing)->setChecked(true);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    auto* directions = new QActionGroup(PopupMenu1);
    directions->setExclusive(true);
    Potisnasila1 = PopupMenu1->addAction(tr("Push load"));
    Potisnasila1->setObjectName(QStringLiteral("Potisnasila1"));
    Vucnasila1 = PopupMenu1->addAction(tr("Pull load"));
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
    ComboBox2->addItems({tr("Push Force"), tr("Pull Force")});
    ComboBox2->setCurrentIndex(0);
    ComboBox2->setGeometry(472, 11, 104, 22);

    lblHCSmer = new QLabel(Panel3);
    lblHCSmer->setObjectName(QStringLiteral("lblHCSmer"));
    lblHCSmer->setStyleSheet(QStringLiteral("color: red;"));
    lblHCSmer->setGeometry(584, 11, 280, 22);

    // Compact, so the stroke and buckling group fits below the picture.
    addModeGroup("RadioGroup4", tr("Known or desired values"), QRect(4, 48, 370, 96), {10, 18, 20});
    addPairs(pairTable());
    setFieldText(field(PressureOut), QStringLiteral("0"));
    field(FlowIn)->setToolTip(tr("Double click for last calculated pump flow"));

    // The efficiency and the outlet pressure are needed in every mode.
    Label37 = addRequiredMark(this, kMarkLeft, rowAt(Efficiency).top - 2);
    Label37->setObjectName(QStringLiteral("Label37"));
    Label38 = addRequiredMark(this, kMarkLeft, rowAt(PressureOut).top - 2);
    Label38->setObjectName(QStringLiteral("Label38"));

    Image3 = new QLabel(this);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setGeometry(4, 146, kPictureSize.width(), kPictureSize.height());

    buildDesignGroup();
    addCalculateButton("BitBtn3", tr("Calculatie"), QRect(80, 382, 105, 33));
    addResetButton("BitBtn4", QRect(196, 382, 105, 33));
}

void CylinderPage::buildDesignGroup() {
    grpHCDesign = new QGroupBox(tr(kDesignCaption), this);
    grpHCDesign->setObjectName(QStringLiteral("grpHCDesign"));
    grpHCDesign->setGeometry(4, 214, 370, 162);
    // No room for sliders here: the fields keep the key filter, the exit and
    // the reset of every pair.
    design_ = new FieldPairs(services_, grpHCDesign);
    design_->build(designTable());
    design_->pair(MountingLength)
        .field->setToolTip(
            tr("between the mounting points, rod retracted; extended, the stroke is added"));

    // The items name the mounting and show its picture; the tool tips name
    // the Euler case.
    cbHCMounting = new QComboBox(grpHCDesign);
    cbHCMounting->setObjectName(QStringLiteral("cbHCMounting"));
    cbHCMounting->setGeometry(200, 17, 164, 22);
    cbHCMounting->setIconSize(QSize(24, 12));
    cbHCMounting->setToolTip(tr("Mounting case of the cylinder"));
    for (int item = 0; item < 4; ++item) {
        cbHCMounting->addItem(QIcon(QStringLiteral(":/program/mounting/%1.svg").arg(item)),
                              tr(kMountings[item].name));
        cbHCMounting->setItemData(item, tr(kMountings[item].tip), Qt::ToolTipRole);
    }
    cbHCMounting->setCurrentIndex(static_cast<int>(MountingCase::PinnedPinned));

    struct Result {
        QLabel** label;
        const char* name;
        const char* caption;
        int row;
        int left;  // the caption's; the value follows it
        int valueLeft;
        units::Quantity quantity;
        const char* format;
    };
    using units::Quantity;
    // Extend, retract and regenerative figures in columns behind their row's
    // name; the buckling figures in a row of their own.
    const Result results[] = {
        {&lblHCExtendTime, "lblHCExtendTime", "t", 0, 88, 134, Quantity::Time, "%.2f"},
        {&lblHCExtendVolume, "lblHCExtendVolume", "V", 0, 180, 226, Quantity::Volume, "%.3f"},
        {&lblHCRetractTime, "lblHCRetractTime", "t", 1, 88, 134, Quantity::Time, "%.2f"},
        {&lblHCRetractVolume, "lblHCRetractVolume", "V", 1, 180, 226, Quantity::Volume, "%.3f"},
        {&lblHCRegenSpeed, "lblHCRegenSpeed", "v", 2, 88, 134, Quantity::Velocity, "%.4f"},
        {&lblHCRegenForce, "lblHCRegenForce", "F", 2, 180, 226, Quantity::Force, "%.2f"},
        {&lblHCRegenTime, "lblHCRegenTime", "t", 2, 272, 318, Quantity::Time, "%.2f"},
        {&lblHCBucklingLength, "lblHCBucklingLength", "L_K", 3, 8, 64, Quantity::SmallLength,
         "%.0f"},
        {&lblHCSlenderness, "lblHCSlenderness", "\u03bb", 3, 130, 146, Quantity::Ratio, "%.1f"},
        {&lblHCPermissibleForce, "lblHCPermissibleForce", QT_TR_NOOP("F perm."), 3, 212, 290,
         Quantity::Force, "%.2f"},
    };
    const char* const rowCaptions[] = {QT_TR_NOOP("Extend"), QT_TR_NOOP("Retract"),
                                       QT_TR_NOOP("Regenerative")};
    constexpr int kFirstResult = 70;
    constexpr int kResultStep = 16;
    for (int row = 0; row < 3; ++row) {
        addCaption(grpHCDesign, tr(rowCaptions[row]), 8, kFirstResult + row * kResultStep);
    }
    for (const Result& result : results) {
        const int top = kFirstResult + result.row * kResultStep;
        QLabel* caption = addCaption(grpHCDesign, tr(result.caption), result.left, top);
        auto* label = new QLabel(grpHCDesign);
        label->setObjectName(QString::fromLatin1(result.name));
        label->setGeometry(result.valueLeft, top, 46, 16);
        *result.label = label;
        designResults_.add({.value = label,
                            .caption = caption,
                            .symbol = tr(result.caption),
                            .quantity = result.quantity,
                            .format = result.format});
    }
    lblHCBucklingVerdict = new QLabel(grpHCDesign);
    lblHCBucklingVerdict->setObjectName(QStringLiteral("lblHCBucklingVerdict"));
    lblHCBucklingVerdict->setGeometry(8, kFirstResult + 4 * kResultStep + 2, 356, 16);
    clearDesignResults();
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
    clearDesignResults();
}

void CylinderPage::RadioGroup3Click() {
    updateCylinderPicture();
}

void CylinderPage::ComboBox2Change(int index) {
    if (index == 0) {
        setLoadDirection(false, tr("Load direction : Push"));
    } else {
        setLoadDirection(true, tr("Load direction: Pull"));
    }
}

void CylinderPage::Potisnasila1Click() {
    setLoadDirection(false, tr("Load direction : Push"));
}

void CylinderPage::Vucnasila1Click() {
    setLoadDirection(true, tr("Load direction : Pull"));
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
    // The outlet pressure is read first: every mode needs it.
    const std::optional<double> outlet = checkedValue(PressureOut);
    if (!outlet || !checkInputs()) {
        return false;
    }
    const double outletPressure = *outlet;
    const QString caption = tr(kErrorCaption);
    // The oil must push against the back pressure, and the rod must leave an
    // annulus: otherwise there is no working area to divide by.
    if (isGiven(item, PressureIn) && !(pairs().modelValue(PressureIn) > outletPressure)) {
        services_.showMessage(tr("PRESSURE INPUT IS NOT VALID"), caption);
        return false;
    }
    if (!(pairs().modelValue(PistonDiameter) > pairs().modelValue(RodDiameter))) {
        services_.showMessage(tr("PISTON OR PISTON ROD DIAMETAR ARE NOT VALID  "), caption);
        return false;
    }
    if (strokeGiven()) {
        // The group's own inputs, checked before anything is computed; the
        // flow and the pressure come from the calculation itself.
        klip stand;
        stand.pistonDiameter = pairs().modelValue(PistonDiameter);
        stand.rodDiameter = pairs().modelValue(RodDiameter);
        return designInputs(stand, 1.0).has_value();
    }
    return true;
}

bool CylinderPage::strokeGiven() const {
    return !fieldText(design_->pair(Stroke).field).isEmpty();
}

std::optional<CylinderDesignInputs> CylinderPage::designInputs(const klip& cylinder, double flow) {
    const QString caption = tr(kDesignCaption);
    if (fieldText(design_->pair(MountingLength).field).isEmpty()) {
        services_.showMessage(
            tr("Retracted length must be given for the buckling check: the distance "
               "between the mounting points, retracted, in mm"),
            caption);
        return std::nullopt;
    }
    CylinderDesignInputs in;
    in.pistonDiameter = cylinder.pistonDiameter;
    in.rodDiameter = cylinder.rodDiameter;
    in.throughRod = doubleActing();
    // A text that is no number is named first, then what the design itself
    // cannot take, then a figure beyond what a cylinder is built with (whose
    // buckling length would leave the range of a double in the report).
    FieldReading readings[3];
    for (int index : {Stroke, MountingLength, SafetyFactor}) {
        readings[index] = design_->read(index);
        if (!readings[index].number) {
            services_.showMessage(readings[index].problem, caption);
            return std::nullopt;
        }
    }
    in.stroke = readings[Stroke].value;
    in.flow = flow;
    in.pressure = cylinder.pressureIn;
    in.efficiency = fieldValue(field(Efficiency));
    in.mounting = static_cast<MountingCase>(std::max(cbHCMounting->currentIndex(), 0));
    in.mountingLength = readings[MountingLength].value;
    in.safetyFactor = readings[SafetyFactor].value;
    if (const auto problem = checkDesignInputs(in)) {
        services_.showMessage(modelText(*problem), caption);
        return std::nullopt;
    }
    for (const FieldReading& reading : readings) {
        if (!reading.usable()) {
            services_.showMessage(reading.problem, caption);
            return std::nullopt;
        }
    }
    return in;
}

void CylinderPage::showDesignFigures(const CylinderDesign& design, std::optional<double> pushLoad) {
    shownDesign_ = ShownDesign{design, pushLoad};
    designResults_.show(ExtendTime, design.stroke.extendTime);
    designResults_.show(ExtendVolume, design.stroke.extendVolume);
    designResults_.show(RetractTime, design.stroke.retractTime);
    designResults_.show(RetractVolume, design.stroke.retractVolume);
    for (int index : {RegenSpeed, RegenForce, RegenTime}) {
        designResults_.show(index, std::nullopt);
    }
    if (design.regenerative) {
        designResults_.show(RegenSpeed, design.regenerative->speed);
        designResults_.show(RegenForce, design.regenerative->force);
        designResults_.show(RegenTime, design.regenerative->time);
    } else {
        for (QLabel* label : {lblHCRegenSpeed, lblHCRegenForce, lblHCRegenTime}) {
            label->setText(QStringLiteral("\u2014"));
        }
    }
    designResults_.show(BucklingLength, design.buckling.freeLength);
    designResults_.show(Slenderness, design.buckling.slenderness);
    designResults_.show(PermissibleForce, design.buckling.permissible);
    lblHCBucklingVerdict->setText(
        verdictText(design.buckling, pushLoad, designResults_.unitSystem()));
    const bool safe = rodSafe(design.buckling, pushLoad);
    lblHCBucklingVerdict->setStyleSheet(safe ? QStringLiteral("color: #007000;")
                                             : QStringLiteral("color: red;"));
}

void CylinderPage::clearDesignResults() {
    shownDesign_.reset();
    for (int index = 0; index < kDesignResults; ++index) {
        designResults_.show(index, std::nullopt);
    }
    lblHCBucklingVerdict->clear();
}

std::optional<double> CylinderPage::pushLoadOf(const klip& cylinder) const {
    // A pull load stretches the rod; a through rod may be pushed either way.
    if (!doubleActing() && pullLoad()) {
        return std::nullopt;
    }
    return cylinder.force;
}

void CylinderPage::showDesign(const klip& cylinder, double flow, units::ReportRows* report) {
    clearDesignResults();
    if (!strokeGiven()) {
        return;
    }
    const auto inputs = designInputs(cylinder, flow);
    if (!inputs) {
        return;
    }
    const CylinderDesign design = designCylinder(*inputs);
    const std::optional<double> pushLoad = pushLoadOf(cylinder);
    showDesignFigures(design, pushLoad);
    if (report != nullptr) {
        writeDesignReportRows(*inputs, design, pushLoad, *report);
    }
}

void CylinderPage::calculate(int item) {
    const double outletPressure = pairs().modelValue(PressureOut);
    const double efficiency = fieldValue(field(Efficiency));
    const std::vector<double> given = givenValues(item);
    const auto mode = static_cast<unsigned>(item + 1);
    if (doubleActing()) {
        klipDvostrani cylinder(given[0], given[1], given[2], given[3], outletPressure, efficiency,
                               mode);
        showResults(cylinder, cylinder.inletFlow);
        warnOfHighPressure(cylinder.pressureIn);
        reportWithDesign(cylinder);
    } else {
        klipJednostrani cylinder(given[0], given[1], given[2], given[3], outletPressure, efficiency,
                                 pullLoad(), mode);
        showResults(cylinder, cylinder.outletFlow);
        warnOfHighPressure(cylinder.pressureIn);
        reportWithDesign(cylinder);
    }
}

// The pump page's warning, for the pressure the cylinder needs: above the
// usual working pressure of the pumps and valves that would have to feed it.
void CylinderPage::warnOfHighPressure(double inletPressure) {
    constexpr double kPressureWarningLimit = 250.0;  // bar
    if (inletPressure > kPressureWarningLimit) {
        services_.showMessage(pressureWarning(inletPressure, pairs().unitSystem()),
                              tr("CALCULATION ERROR"));
    }
}

// The design lines follow the cylinder's own report, in one addition to the log.
void CylinderPage::reportWithDesign(klipJednostrani& cylinder) {
    units::ReportRows rows;
    if (services_.writeCalculations()) {
        cylinder.writeReportRows(rows);
    }
    showDesign(cylinder, cylinder.inletFlow, services_.writeCalculations() ? &rows : nullptr);
    if (services_.writeCalculations()) {
        appendReportRows(services_, rows);
    }
}

// Every slider moves before its field is written, so a slider that clamps or
// truncates cannot overwrite the computed value. The flow out of a through-rod
// cylinder equals the flow in.
void CylinderPage::showResults(const klipJednostrani& cylinder, double outletFlow) {
    const auto show = [this](int pairIndex, long double value) {
        showResult(pairIndex, value, resultText(pair(pairIndex), value));
    };
    show(Force, cylinder.force);
    show(PressureIn, cylinder.pressureIn);
    show(PressureOut, cylinder.pressureOut);
    show(FlowIn, cylinder.inletFlow);
    show(FlowOut, outletFlow);
    show(PistonDiameter, cylinder.pistonDiameter);
    show(RodDiameter, cylinder.rodDiameter);
    // A stroke speed is a tenth of a metre a second or so: two decimals
    // would leave one significant digit.
    showResult(Speed, cylinder.strokeSpeed, formatText("%.4f", cylinder.strokeSpeed));
}

void CylinderPage::edHCQ1DblClick() {
    // A pump flow that is no number reaches the application-wide message,
    // as any field read by a calculation does.
    const std::optional<double> flow = pumpFlow_();
    if (!flow || !(*flow > 0.0)) {
        return;
    }
    FieldPairs::showValue(pair(FlowIn), "%2.2f", *flow);
}

void CylinderPage::startUp() {
    const QuantityPair& efficiency = pair(Efficiency);
    setFieldText(efficiency.field, formatText("%f", efficiency.slider->value() * 0.01L));
    setLoadDirection(false, tr("Load direction: Push"));
    // Cylinder catalogues' usual safety against buckling.
    setFieldText(design_->pair(SafetyFactor).field, QStringLiteral("3.50"));
}

void CylinderPage::setUnitSystem(units::UnitSystem system) {
    ModePage::setUnitSystem(system);
    // The regenerative figures of a cylinder that has none keep their dash.
    std::vector<QString> dashes;
    for (QLabel* label : {lblHCRegenSpeed, lblHCRegenForce, lblHCRegenTime}) {
        dashes.push_back(label->text());
    }
    designResults_.setUnitSystem(system);
    int index = 0;
    for (QLabel* label : {lblHCRegenSpeed, lblHCRegenForce, lblHCRegenTime}) {
        if (dashes[static_cast<std::size_t>(index++)] == QStringLiteral("\u2014")) {
            label->setText(QStringLiteral("\u2014"));
        }
    }
    // The verdict names the loads in the units shown.
    if (shownDesign_) {
        lblHCBucklingVerdict->setText(
            verdictText(shownDesign_->design.buckling, shownDesign_->pushLoad, system));
    }
}

std::vector<const FieldPairs*> CylinderPage::quantityRows() const {
    std::vector<const FieldPairs*> rows = ModePage::quantityRows();
    rows.push_back(design_);
    return rows;
}

std::vector<PageChoice> CylinderPage::choices() {
    std::vector<PageChoice> kinds = {
        {.name = QStringLiteral("RadioGroup3"),
         .count = 2,
         .item = [this] { return typeButtons_->checkedId(); },
         .setItem =
             [this](int item) {
                 if (QAbstractButton* button = typeButtons_->button(item)) {
                     button->setChecked(true);
                 }
             }},
        {.name = QStringLiteral("ComboBox2"),
         .count = 2,
         .item = [this] { return ComboBox2->currentIndex(); },
         .setItem =
             [this](int item) {
                 // The captions of the start and of the combo's choice.
                 setLoadDirection(item == 1, item == 1 ? tr("Load direction: Pull")
                                                       : tr("Load direction: Push"));
             }},
        {.name = QStringLiteral("cbHCMounting"),
         .count = cbHCMounting->count(),
         .item = [this] { return cbHCMounting->currentIndex(); },
         .setItem = [this](int item) { cbHCMounting->setCurrentIndex(item); }},
    };
    // The mode last: choosing one resets the quantities.
    for (PageChoice& mode : ModePage::choices()) {
        kinds.push_back(std::move(mode));
    }
    return kinds;
}

namespace {

const char* const kRegenerativeFigures[] = {"design.regenerativeSpeed", "design.regenerativeForce",
                                            "design.regenerativeTime"};

}  // namespace

void CylinderPage::saveResults(PageState& state) const {
    if (!shownDesign_) {
        return;
    }
    const CylinderDesign& design = shownDesign_->design;
    state.results = {
        {QStringLiteral("design.extendTime"), design.stroke.extendTime},
        {QStringLiteral("design.extendVolume"), design.stroke.extendVolume},
        {QStringLiteral("design.retractTime"), design.stroke.retractTime},
        {QStringLiteral("design.retractVolume"), design.stroke.retractVolume},
        {QStringLiteral("design.freeLength"), design.buckling.freeLength},
        {QStringLiteral("design.slenderness"), design.buckling.slenderness},
        {QStringLiteral("design.permissible"), design.buckling.permissible},
    };
    if (design.regenerative) {
        const double figures[] = {design.regenerative->speed, design.regenerative->force,
                                  design.regenerative->time};
        for (std::size_t i = 0; i < std::size(figures); ++i) {
            state.results[QString::fromLatin1(kRegenerativeFigures[i])] = figures[i];
        }
    }
    if (shownDesign_->pushLoad) {
        state.results[QStringLiteral("design.pushLoad")] = *shownDesign_->pushLoad;
    }
}

void CylinderPage::restoreResults(const PageState& state) {
    clearDesignResults();
    const auto figure = [&state](const char* name) -> std::optional<double> {
        const auto found = state.results.find(QString::fromLatin1(name));
        return found == state.results.end() ? std::nullopt : std::optional(found->second);
    };
    CylinderDesign design;
    double* const needed[] = {&design.stroke.extendTime,   &design.stroke.extendVolume,
                              &design.stroke.retractTime,  &design.stroke.retractVolume,
                              &design.buckling.freeLength, &design.buckling.slenderness,
                              &design.buckling.permissible};
    const char* const names[] = {
        "design.extendTime", "design.extendVolume", "design.retractTime", "design.retractVolume",
        "design.freeLength", "design.slenderness",  "design.permissible"};
    for (std::size_t i = 0; i < std::size(needed); ++i) {
        const auto value = figure(names[i]);
        if (!value) {
            return;  // no group shown (or a file that lacks it): the group stays empty
        }
        *needed[i] = *value;
    }
    const auto speed = figure(kRegenerativeFigures[0]);
    const auto force = figure(kRegenerativeFigures[1]);
    const auto time = figure(kRegenerativeFigures[2]);
    if (speed && force && time) {
        design.regenerative = RegenerativeFigures{*speed, *force, *time};
    }
    showDesignFigures(design, figure("design.pushLoad"));
}

CylinderDefinition CylinderPage::definition() const {
    CylinderDefinition cylinder;
    cylinder.kind = doubleActing() ? CylinderKind::DoubleActing : CylinderKind::SingleActing;
    // A blank diameter is nothing yet; a text that is no figure of a
    // diameter is named, as the page would name it.
    for (int diameter : {PistonDiameter, RodDiameter}) {
        if (!fieldText(field(diameter)).isEmpty()) {
            const FieldReading reading = FieldPairs::read(pair(diameter));
            if (!reading.usable()) {
                throw InputError(reading.problem.toStdString());
            }
        }
    }
    cylinder.pistonDiameter = FieldPairs::optionalModelValue(pair(PistonDiameter));
    cylinder.rodDiameter = FieldPairs::optionalModelValue(pair(RodDiameter));
    cylinder.stroke = FieldPairs::optionalModelValue(design_->pair(Stroke));
    cylinder.efficiency = fieldValue(field(Efficiency));
    cylinder.direction = pullLoad() ? LoadDirection::Pull : LoadDirection::Push;
    return cylinder;
}
