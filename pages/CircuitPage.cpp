#include "pages/CircuitPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QFont>
#include <QFontInfo>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "model/Valve.h"
#include "model/klip.h"
#include "pages/CircuitSketch.h"
#include "pages/Funkcije.h"
#include "ui/ClickableLabel.h"
#include "ui/ControlEvents.h"
#include "ui/DigitKeyFilter.h"
#include "ui/FieldAccess.h"
#include "ui/FieldWidgets.h"
#include "ui/NumberText.h"

// A box whose picture is drawn by the page on every paint.
class CircuitPaintBox : public QWidget {
  public:
    using Paint = std::function<void(QPainter&, QSize)>;
    CircuitPaintBox(QWidget* parent, Paint paint) : QWidget(parent), paint_(std::move(paint)) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        paint_(painter, size());
    }

  private:
    Paint paint_;
};

namespace {

const char* const kTakeOverHint = "Dupli klik za prihvatanje podataka zadnjeg izracunatog";
const char* const kHowToBuild =
    "Double-click a field to take over the component last calculated on its page";
const char* const kNoLineMessage = "Calculate a line on the line page first, then take it over.";
const char* const kNoValveMessage = "Calculate a valve on the valve page first, then take it over.";
constexpr QSize kSketchSize{305, 113};
constexpr QSize kCharacteristicSize{401, 321};

QLineEdit* addDropField(QWidget* parent, const char* name, int left, int top) {
    // The drops are taken over, never typed: what the calculation uses is the slot.
    QLineEdit* field = addEditField(parent, name, left, top, 54, 0);
    field->setReadOnly(true);
    return field;
}

}  // namespace

CircuitPage::CircuitPage(PageServices& services, Sources sources)
    : CalculatorPage(services), sources_(std::move(sources)) {
    setObjectName(QStringLiteral("tbProst"));
    buildControls();
    connectHandlers();
}

void CircuitPage::buildControls() {
    Label49 = new QLabel(QStringLiteral("Pumpa mora biti definisana !"), this);
    Label49->setObjectName(QStringLiteral("Label49"));
    Label49->setGeometry(6, 2, 296, 16);
    QPalette red = Label49->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Label49->setPalette(red);

    Label51 = new ClickableLabel(QStringLiteral("Flow [l/min]"), this);
    Label51->setObjectName(QStringLiteral("Label51"));
    Label51->setGeometry(6, 23, 100, 16);
    Label51->setCursor(Qt::PointingHandCursor);
    edQ_prost = addEditField(this, "edQ_prost", 110, 24, 80, 0);
    services_.keyFilter(KeyFilterKind::Decimal).attach(edQ_prost);

    GroupBox3 = new QGroupBox(QStringLiteral("Pressure drops[bar]"), this);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    GroupBox3->setGeometry(4, 44, 300, 150);
    auto rowLabel = [this](const char* text, const char* name, int row) {
        auto* label = new ClickableLabel(QString::fromLatin1(text), GroupBox3);
        label->setObjectName(QString::fromLatin1(name));
        label->setGeometry(8, 22 + row * 24, 230, 16);
        return label;
    };
    auto rowField = [this](const char* name, int row) {
        return addDropField(GroupBox3, name, 240, 22 + row * 24);
    };
    Label52 = rowLabel("Operational line", "Label52", 0);
    Label52->setCursor(Qt::PointingHandCursor);
    edDpPog = rowField("edDpPog", 0);
    edDpPog->setToolTip(QString::fromLatin1(kTakeOverHint));
    Label54 = new QLabel(QStringLiteral("Directional control avlve pressure drop"), GroupBox3);
    Label54->setObjectName(QStringLiteral("Label54"));
    Label54->setGeometry(8, 46, 230, 16);
    edDp = rowField("edDp", 1);
    addCaption(GroupBox3, QStringLiteral("Blocking valve"), 8, 70);
    edDpProstBlok = rowField("edDpProstBlok", 2);
    addCaption(GroupBox3, QStringLiteral("Throttle"), 8, 94);
    edDpPrig = rowField("edDpPrig", 3);
    Label53 = rowLabel("Return line", "Label53", 4);
    Label53->setCursor(Qt::PointingHandCursor);
    edDpPov = rowField("edDpPov", 4);

    blockButtons_ = new QButtonGroup(this);
    rgBlockSys =
        addRadioGroup(this, "rgBlockSys", QStringLiteral("Blocking system"), QRect(4, 198, 300, 82),
                      {QStringLiteral("Directional control avlve type T"),
                       QStringLiteral("Check valve"), QStringLiteral("Double check valve")},
                      blockButtons_, {8, 18, 20});
    cbPrigusnica = new QCheckBox(QStringLiteral("Throtle on return line"), this);
    cbPrigusnica->setObjectName(QStringLiteral("cbPrigusnica"));
    cbPrigusnica->setGeometry(8, 283, 296, 18);

    pbShema = new CircuitPaintBox(this, [this](QPainter& painter, QSize size) {
        // In a larger window the sketch grows with its box, as a whole.
        const double scale =
            std::max(1.0, std::min(static_cast<double>(size.width()) / kSketchSize.width(),
                                   static_cast<double>(size.height()) / kSketchSize.height()));
        painter.scale(scale, scale);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QSize drawn(static_cast<int>(size.width() / scale),
                          static_cast<int>(size.height() / scale));
        drawSketch(painter, drawn, sketchLayout(blockingSystem(), cbPrigusnica->isChecked()),
                   sketchPictures_);
    });
    pbShema->setObjectName(QStringLiteral("pbShema"));
    pbShema->setGeometry(QRect(QPoint(4, 304), kSketchSize));

    addCaption(this, QStringLiteral("Components"), 312, 2);
    lsKomponente = new QListWidget(this);
    lsKomponente->setObjectName(QStringLiteral("lsKomponente"));
    lsKomponente->setGeometry(312, 18, 146, 126);
    Button1 = new QPushButton(QStringLiteral("Sketch"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(312, 148, 146, 26);
    Label56 = new ClickableLabel(QStringLiteral("Hydro cylinder definition"), this);
    Label56->setObjectName(QStringLiteral("Label56"));
    Label56->setGeometry(312, 180, 146, 16);
    Label56->setCursor(Qt::PointingHandCursor);
    lbHc = new QListWidget(this);
    lbHc->setObjectName(QStringLiteral("lbHc"));
    lbHc->setGeometry(312, 196, 146, 90);

    btnNovProst = new QPushButton(QIcon(QStringLiteral(":/program/glyphs/calculate.svg")),
                                  QStringLiteral("Calculate"), this);
    btnNovProst->setObjectName(QStringLiteral("btnNovProst"));
    setCalculateButton(btnNovProst);
    btnNovProst->setGeometry(312, 310, 146, 33);
    BitBtn9 = new QPushButton(QIcon(QStringLiteral(":/program/glyphs/reset.svg")),
                              QStringLiteral("Reset"), this);
    BitBtn9->setObjectName(QStringLiteral("BitBtn9"));
    BitBtn9->setGeometry(312, 350, 146, 33);

    addCaption(this, QStringLiteral("Pipeline feture"), 462, 2);
    PaintBox3 = new CircuitPaintBox(this, [this](QPainter& painter, QSize size) {
        Funkcije::drawCharacteristic(painter, size, characteristic_);
    });
    PaintBox3->setObjectName(QStringLiteral("PaintBox3"));
    PaintBox3->setGeometry(QRect(QPoint(462, 18), kCharacteristicSize));

    lblHint = new QLabel(QString::fromLatin1(kHowToBuild), this);
    lblHint->setObjectName(QStringLiteral("lblHint"));
    lblHint->setGeometry(462, 342, 401, 16);
    // A hint, a little smaller than the page's texts, so it fits under the diagram.
    QFont hintFont = lblHint->font();
    hintFont.setPixelSize(std::max(9, QFontInfo(hintFont).pixelSize() * 7 / 8));
    lblHint->setFont(hintFont);
    // The cylinder as the last calculation leaves it, below the diagram.
    const std::pair<QLabel**, const char*> results[] = {
        {&lblProstPressure, "lblProstPressure"},
        {&lblProstForce, "lblProstForce"},
        {&lblProstSpeed, "lblProstSpeed"},
    };
    const char* const captions[] = {"Pressure at the cylinder [bar]", "Cylinder force [kN]",
                                    "Cylinder speed [m/s]"};
    for (int row = 0; row < 3; ++row) {
        addCaption(this, QString::fromLatin1(captions[row]), 462, 362 + row * 18, 220);
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(results[row].second));
        label->setGeometry(690, 362 + row * 18, 120, 16);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        *results[row].first = label;
    }
    showCylinderResults(nullptr);
    addTakeOverMenus();
}

void CircuitPage::connectHandlers() {
    // A double click on a field takes its component over.
    const std::pair<QWidget*, void (CircuitPage::*)()> takeOvers[] = {
        {edQ_prost, &CircuitPage::edQ_prostDblClick},
        {edDpPog, &CircuitPage::edDpPogDblClick},
        {edDpPov, &CircuitPage::edDpPovDblClick},
        {edDp, &CircuitPage::edDpDblClick},
        {edDpProstBlok, &CircuitPage::edDpProstBlokDblClick},
        {edDpPrig, &CircuitPage::edDpPrigDblClick},
    };
    for (const auto& [field, handler] : takeOvers) {
        onDoubleClick(field, services_, [this, handler] { (this->*handler)(); });
    }
    connectGuarded(blockButtons_, &QButtonGroup::idToggled, this, services_,
                   [this](int, bool checked) {
                       if (checked) {
                           rgBlockSysClick();
                       }
                   });
    connectGuarded(cbPrigusnica, &QCheckBox::toggled, this, services_,
                   [this] { cbPrigusnicaClick(); });
    connectGuarded(Label51, &ClickableLabel::clicked, this, services_,
                   [this] { emit valveCalculationRequested(); });
    connectGuarded(Label52, &ClickableLabel::clicked, this, services_, [this] { Label52Click(); });
    connectGuarded(Label53, &ClickableLabel::clicked, this, services_, [this] { Label53Click(); });
    connectGuarded(Label56, &ClickableLabel::clicked, this, services_, [this] { Label56Click(); });
    connectGuarded(btnNovProst, &QPushButton::clicked, this, services_,
                   [this] { btnNovProstClick(); });
    connectGuarded(BitBtn9, &QPushButton::clicked, this, services_, [this] { BitBtn9Click(); });
    connectGuarded(Button1, &QPushButton::clicked, this, services_, [this] { Button1Click(); });
}

QWidget* CircuitPage::slotHolder(CircuitSlot slot) const {
    switch (slot) {
        case CircuitSlot::OperationLine:
            return Label52;
        case CircuitSlot::ReturnLine:
            return Label53;
        case CircuitSlot::DirectionalValve:
            return Label54;
        case CircuitSlot::BlockingValve:
            return rgBlockSys;
        case CircuitSlot::Throttle:
            return cbPrigusnica;
    }
    return Label54;
}

void CircuitPage::showSlot(CircuitSlot slot) {
    slotHolder(slot)->setToolTip(QString::fromStdString(slots_.text(slot)));
}

void CircuitPage::clearSlot(CircuitSlot slot) {
    slots_.clear(slot);
    showSlot(slot);
}

int CircuitPage::operationTubeType() const {
    return slots_.tubeType(CircuitSlot::OperationLine);
}

int CircuitPage::returnTubeType() const {
    return slots_.tubeType(CircuitSlot::ReturnLine);
}

int CircuitPage::blockingSystem() const {
    return std::max(blockButtons_->checkedId(), 0);
}

CircuitOptions CircuitPage::options() const {
    return {blockingSystem() > 0, cbPrigusnica->isChecked()};
}

void CircuitPage::setPumpFlow(const QString& text) {
    setFieldText(edQ_prost, text);
}

std::optional<double> CircuitPage::operationLineDrop() const {
    return optionalFieldValue(edDpPog);
}

bool CircuitPage::copyPumpFlow() {
    const std::optional<double> flow = sources_.pumpFlow();
    setFieldText(edQ_prost, flow ? shownFlow(*flow) : QString());
    return flow.has_value();
}

void CircuitPage::edQ_prostDblClick() {
    // Taken over by the user: the note that the pump must be defined has
    // done its work.
    Label49->setVisible(!copyPumpFlow());
}

void CircuitPage::addTakeOverMenus() {
    struct Menu {
        QLineEdit* field;
        void (CircuitPage::*takeOver)();
        const char* page;
        std::optional<CircuitSlot> slot;
    };
    const Menu menus[] = {
        {edQ_prost, &CircuitPage::edQ_prostDblClick, "Pump", std::nullopt},
        {edDpPog, &CircuitPage::edDpPogDblClick, "Pipe pressure drop", CircuitSlot::OperationLine},
        {edDp, &CircuitPage::edDpDblClick, "Valve pressure drop", CircuitSlot::DirectionalValve},
        {edDpProstBlok, &CircuitPage::edDpProstBlokDblClick, "Valve pressure drop",
         CircuitSlot::BlockingValve},
        {edDpPrig, &CircuitPage::edDpPrigDblClick, "Valve pressure drop", CircuitSlot::Throttle},
        {edDpPov, &CircuitPage::edDpPovDblClick, "Pipe pressure drop", CircuitSlot::ReturnLine},
    };
    for (const Menu& entry : menus) {
        auto* menu = new QMenu(this);
        menu->setObjectName(QStringLiteral("mnu") + entry.field->objectName());
        QAction* takeOver =
            menu->addAction(QStringLiteral("Take over from ") + QString::fromLatin1(entry.page));
        QAction* clear = menu->addAction(QStringLiteral("Clear"));
        connectGuarded(takeOver, &QAction::triggered, this, services_,
                       [this, handler = entry.takeOver] { (this->*handler)(); });
        connectGuarded(clear, &QAction::triggered, this, services_,
                       [this, field = entry.field, slot = entry.slot] { clearField(field, slot); });
        entry.field->setContextMenuPolicy(Qt::CustomContextMenu);
        connectGuarded(
            entry.field, &QWidget::customContextMenuRequested, this, services_,
            [menu, field = entry.field](const QPoint& at) { menu->popup(field->mapToGlobal(at)); });
    }
}

void CircuitPage::clearField(QLineEdit* field, std::optional<CircuitSlot> slot) {
    setFieldText(field, QString());
    if (slot) {
        clearSlot(*slot);
    }
}

void CircuitPage::showCylinderResults(const prost_cevovod* chain) {
    const auto* cylinder = chain != nullptr && chain->count() > 0
                               ? dynamic_cast<const klip*>(&chain->element(chain->count() - 1))
                               : nullptr;
    if (cylinder == nullptr || cannotMoveLoad(*chain)) {
        for (QLabel* label : {lblProstPressure, lblProstForce, lblProstSpeed}) {
            label->setText(QStringLiteral("\u2014"));
        }
        return;
    }
    lblProstPressure->setText(formatText("%.2f", cylinder->pressureIn));
    lblProstForce->setText(formatText("%.2f", cylinder->force));
    lblProstSpeed->setText(formatText("%.4f", cylinder->strokeSpeed));
}

void CircuitPage::takeOverLine(QLineEdit* field, CircuitSlot slot) {
    const std::optional<LineTakeOver> line = sources_.line();
    if (!line) {
        services_.showMessage(QString::fromLatin1(kNoLineMessage),
                              QString::fromLatin1(kCircuitCaption));
        return;
    }
    setFieldText(field, shownDrop(line->drop));
    // Each line keeps its own tube type: the return line may be of another tube.
    slots_.setLine(slot, {line->diameter, line->length, line->tubeType});
    showSlot(slot);
}

void CircuitPage::edDpPogDblClick() {
    takeOverLine(edDpPog, CircuitSlot::OperationLine);
}

void CircuitPage::edDpPovDblClick() {
    takeOverLine(edDpPov, CircuitSlot::ReturnLine);
}

std::optional<ValveTakeOver> CircuitPage::valveToTakeOver() {
    auto valve = sources_.valve();
    if (!valve) {
        services_.showMessage(QString::fromLatin1(kNoValveMessage),
                              QString::fromLatin1(kCircuitCaption));
    }
    return valve;
}

void CircuitPage::takeOverValve(QLineEdit* field, std::optional<CircuitSlot> slot) {
    const auto valve = valveToTakeOver();
    if (!valve) {
        return;
    }
    setFieldText(field, shownDrop(valve->drop));
    if (slot) {
        slots_.setValve(*slot, {valve->name.toStdString(), valve->constantTerm,
                                valve->flowCoefficient, valve->largestFlow});
        showSlot(*slot);
    }
}

void CircuitPage::edDpDblClick() {
    takeOverValve(edDp, CircuitSlot::DirectionalValve);
}

void CircuitPage::edDpProstBlokDblClick() {
    // Without a blocking valve in the circuit there is no slot to fill.
    takeOverValve(edDpProstBlok, blockingSystem() > 0
                                     ? std::optional<CircuitSlot>(CircuitSlot::BlockingValve)
                                     : std::nullopt);
}

void CircuitPage::edDpPrigDblClick() {
    takeOverValve(edDpPrig, CircuitSlot::Throttle);
}

void CircuitPage::rgBlockSysClick() {
    edDpProstBlok->setEnabled(blockingSystem() != 0);
    Button1Click();
    // Last: a pump flow that is no number must not keep the choice from showing.
    copyPumpFlow();
}

void CircuitPage::cbPrigusnicaClick() {
    edDpPrig->setEnabled(cbPrigusnica->isChecked());
    Button1Click();
}

void CircuitPage::Label52Click() {
    const QString slot = QString::fromStdString(slots_.text(CircuitSlot::OperationLine));
    if (slot.isEmpty()) {
        return;
    }
    // The window's title stays the program's: the slot is shown on the page.
    lsKomponente->addItem(QStringLiteral("Operational line: ") + slot);
    const qsizetype bar = slot.indexOf(QLatin1Char('|'));
    lbHc->addItem(slot.left(bar));
    lbHc->addItem(bar < 0 ? QString() : slot.mid(bar + 1));
}

void CircuitPage::Label53Click() {
    const QString slot = QString::fromStdString(slots_.text(CircuitSlot::ReturnLine));
    if (!slot.isEmpty()) {
        lsKomponente->addItem(QStringLiteral("Return line: ") + slot);
    }
}

void CircuitPage::Label56Click() {
    const CylinderDefinition cylinder = sources_.cylinder();
    lbHc->addItem(cylinder.kind == CylinderKind::DoubleActing
                      ? QStringLiteral("Double action HC")
                      : QStringLiteral("Single action HC "));
    auto diameter = [](const std::optional<double>& value) {
        return value ? shownDiameter(*value) : QString();
    };
    lbHc->addItem(QStringLiteral("D1= ") + diameter(cylinder.pistonDiameter) +
                  QStringLiteral(" mm"));
    lbHc->addItem(QStringLiteral("D2= ") + diameter(cylinder.rodDiameter) + QStringLiteral(" mm"));
}

void CircuitPage::BitBtn9Click() {
    slots_.clearAll();
    for (CircuitSlot slot : kAllCircuitSlots) {
        showSlot(slot);
    }
    // The throttle's drop goes with its slot, like the others.
    for (QLineEdit* field : {edQ_prost, edDp, edDpProstBlok, edDpPrig, edDpPog, edDpPov}) {
        setFieldText(field, QString());
    }
    lbHc->clear();
    Label49->setVisible(true);
    showCylinderResults(nullptr);
}

void CircuitPage::Button1Click() {
    lsKomponente->clear();
    lsKomponente->addItems(sketchLayout(blockingSystem(), cbPrigusnica->isChecked()).components);
    pbShema->update();
}

bool CircuitPage::hasRequiredInputs() const {
    for (const QLineEdit* field : {edQ_prost, edDp, edDpPog, edDpPov}) {
        if (fieldText(field).isEmpty()) {
            return false;
        }
    }
    if (cbPrigusnica->isChecked() && fieldText(edDpPrig).isEmpty()) {
        return false;
    }
    return slots_.complete(options());
}

CircuitInputs CircuitPage::gatherInputs() const {
    CircuitInputs inputs = slots_.gather(options());
    inputs.pump = sources_.pump();
    inputs.supplyFlow = fieldValue(edQ_prost);

    const CylinderDefinition cylinder = sources_.cylinder();
    // A blank diameter fails as reading its blank field does.
    inputs.cylinder = {cylinder.kind, requireNumber(cylinder.pistonDiameter),
                       requireNumber(cylinder.rodDiameter), cylinder.efficiency,
                       cylinder.direction};

    const WorkingFluidTexts fluid = services_.workingFluid();
    inputs.density = readNumber(fluid.density);
    inputs.viscosity = readNumber(fluid.viscosity);
    return inputs;
}

void CircuitPage::btnNovProstClick() {
    if (!hasRequiredInputs()) {
        return;
    }
    const QString caption = QString::fromLatin1(kCircuitCaption);
    CircuitInputs inputs;
    try {
        inputs = gatherInputs();
    } catch (const CircuitInputError& problem) {
        services_.showMessage(QString::fromStdString(problem.what()), caption);
        return;
    }
    if (const auto problem = validate(inputs)) {
        services_.showMessage(QString::fromStdString(*problem), caption);
        return;
    }
    const prost_cevovod chain = buildCircuit(inputs);
    // Computed before anything is shown, so a failure leaves the log and
    // the diagram as they were.
    const ReportLines lines = circuitReport(inputs, chain);
    auto characteristic = characteristicOf(chain);
    services_.appendToLog(lines);
    characteristic_ = std::move(characteristic);
    PaintBox3->update();
    showComputedDrops(chain, inputs);
    showCylinderResults(&chain);
    QStringList problems;
    if (const auto problem = cannotMoveLoad(chain)) {
        problems << QString::fromStdString(*problem);
    }
    for (const std::string& warning : flowWarnings(inputs, chain)) {
        problems << QString::fromStdString(warning);
    }
    if (!problems.isEmpty()) {
        services_.showMessage(problems.join(QLatin1Char('\n')), caption);
    }
}

void CircuitPage::showComputedDrops(const prost_cevovod& chain, const CircuitInputs& inputs) {
    // The chain's order: pump, operation line, directional valve, blocking
    // valve, return line, throttle, cylinder; the optional ones may be absent.
    std::vector<QLineEdit*> lines{edDpPog, edDpPov};
    std::vector<QLineEdit*> valves{edDp};
    if (inputs.blockingValve) {
        valves.push_back(edDpProstBlok);
    }
    if (inputs.throttle) {
        valves.push_back(edDpPrig);
    }
    std::size_t line = 0;
    std::size_t valve = 0;
    for (std::size_t position = 1; position + 1 < chain.count(); ++position) {
        const bazna& element = chain.element(position);
        const bool isValve = dynamic_cast<const Valve*>(&element) != nullptr;
        std::vector<QLineEdit*>& fields = isValve ? valves : lines;
        std::size_t& next = isValve ? valve : line;
        if (next < fields.size()) {
            setFieldText(fields[next++], shownDrop(element.pressureDrop));
        }
    }
}

void CircuitPage::startUp() {
    blockButtons_->button(0)->setChecked(true);
    cbPrigusnica->setChecked(false);
    edDpProstBlok->setEnabled(false);
    edDpPrig->setEnabled(false);
    Button1Click();
}

void CircuitPage::loadPictures() {
    // All at once, so a bundle that lacks one is reported at start-up and
    // the sketch never paints half a circuit.
    std::map<int, QImage> pictures;
    for (int number : SketchPicture::All) {
        if (auto picture = services_.picture(number, {kSketchCellPixels, kSketchCellPixels})) {
            pictures.emplace(number, std::move(*picture));
        }
    }
    sketchPictures_ = std::move(pictures);
    pbShema->update();
}
