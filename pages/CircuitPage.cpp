#include "pages/CircuitPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
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
#include <cmath>

#include "model/Valve.h"
#include "model/faults.h"
#include "model/klip.h"
#include "model/pumpa.h"
#include "pages/CircuitSketch.h"
#include "pages/Funkcije.h"
#include "ui/ClickableLabel.h"
#include "ui/ControlEvents.h"
#include "ui/DigitKeyFilter.h"
#include "ui/FieldAccess.h"
#include "ui/FieldWidgets.h"
#include "ui/InputChecks.h"
#include "ui/ModelText.h"
#include "ui/NumberText.h"
#include "ui/ReportLog.h"

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

// The title of every message of the page: the same text with no translation,
// a title for what went wrong in each language.
QString messageCaption() {
    return CircuitPage::tr("Simple pipeline");
}
QString takeOverCaption() {
    return CircuitPage::tr("Simple pipeline", "nothing to take over");
}
QString warningCaption() {
    return CircuitPage::tr("Simple pipeline", "the calculated circuit");
}

// The information lists' own texts. An item keeps its line untranslated
// under kUntranslated, and that is what a design saves, so a design reads
// the same whatever language wrote it and whatever language opens it.
constexpr const char* kOperationLineItem = QT_TRANSLATE_NOOP("CircuitPage", "Operational line: %1");
constexpr const char* kReturnLineItem = QT_TRANSLATE_NOOP("CircuitPage", "Return line: %1");
constexpr const char* kDoubleActingItem = QT_TRANSLATE_NOOP("CircuitPage", "Double action HC");
constexpr const char* kSingleActingItem = QT_TRANSLATE_NOOP("CircuitPage", "Single action HC ");
constexpr const char* kListTexts[] = {kOperationLineItem, kReturnLineItem, kDoubleActingItem,
                                      kSingleActingItem};
constexpr int kUntranslated = Qt::UserRole;

// An untranslated line in the program's language: one of the page's texts
// with its figure in place, or a component's name; a figure, or a line the
// page does not write, as it stands.
QString shownListLine(const QString& line) {
    for (const char* text : kListTexts) {
        const QString key = QString::fromLatin1(text);
        const qsizetype marker = key.indexOf(QStringLiteral("%1"));
        if (marker < 0) {
            if (line == key) {
                return QCoreApplication::translate("CircuitPage", text);
            }
            continue;
        }
        const QString before = key.left(marker);
        const QString after = key.mid(marker + 2);
        if (line.size() >= before.size() + after.size() && line.startsWith(before) &&
            line.endsWith(after)) {
            return QCoreApplication::translate("CircuitPage", text)
                .arg(line.mid(before.size(), line.size() - before.size() - after.size()));
        }
    }
    return shownComponent(line);
}

void addListLine(QListWidget* list, const QString& line) {
    auto* item = new QListWidgetItem(shownListLine(line), list);
    item->setData(kUntranslated, line);
}

// One of the page's list texts with its figure, untranslated.
QString listLine(const char* text, const QString& figure) {
    return QString::fromLatin1(text).arg(figure);
}

constexpr QSize kSketchSize{305, 113};
constexpr QSize kCharacteristicSize{401, 321};

QLineEdit* addDropField(QWidget* parent, const char* name, int left, int top) {
    // The drops are taken over, never typed: what the calculation uses is the
    // slot. The field says so by its look and its tool tip.
    QLineEdit* field = addEditField(parent, name, left, top, 54, 0);
    field->setReadOnly(true);
    QPalette readOnly = field->palette();
    readOnly.setColor(QPalette::Base, readOnly.color(QPalette::Window));
    field->setPalette(readOnly);
    field->setToolTip(
        CircuitPage::tr("Taken over, not typed: double-click it, or use its context "
                        "menu, for the last calculation of its page"));
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
    Label49 = new QLabel(tr("Pumpa mora biti definisana !"), this);
    Label49->setObjectName(QStringLiteral("Label49"));
    Label49->setGeometry(6, 2, 296, 16);
    QPalette red = Label49->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Label49->setPalette(red);

    Label51 = new ClickableLabel(this);
    Label51->setObjectName(QStringLiteral("Label51"));
    Label51->setGeometry(6, 23, 100, 16);
    Label51->setCursor(Qt::PointingHandCursor);
    edQ_prost = addEditField(this, "edQ_prost", 110, 24, 80, 0);
    services_.keyFilter(KeyFilterKind::Decimal).attach(edQ_prost);

    GroupBox3 = new QGroupBox(this);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    GroupBox3->setGeometry(4, 44, 300, 150);
    auto rowLabel = [this](const QString& text, const char* name, int row) {
        auto* label = new ClickableLabel(text, GroupBox3);
        label->setObjectName(QString::fromLatin1(name));
        label->setGeometry(8, 22 + row * 24, 230, 16);
        return label;
    };
    auto rowField = [this](const char* name, int row) {
        return addDropField(GroupBox3, name, 240, 22 + row * 24);
    };
    Label52 = rowLabel(tr("Operational line"), "Label52", 0);
    Label52->setCursor(Qt::PointingHandCursor);
    edDpPog = rowField("edDpPog", 0);
    edDpPog->setToolTip(tr("Dupli klik za prihvatanje podataka zadnjeg izracunatog") +
                        QLatin1Char('\n') + edDpPog->toolTip());
    Label54 = new QLabel(tr("Directional control avlve pressure drop"), GroupBox3);
    Label54->setObjectName(QStringLiteral("Label54"));
    Label54->setGeometry(8, 46, 230, 16);
    edDp = rowField("edDp", 1);
    addCaption(GroupBox3, tr("Blocking valve"), 8, 70);
    edDpProstBlok = rowField("edDpProstBlok", 2);
    addCaption(GroupBox3, tr("Throttle"), 8, 94);
    edDpPrig = rowField("edDpPrig", 3);
    Label53 = rowLabel(tr("Return line"), "Label53", 4);
    Label53->setCursor(Qt::PointingHandCursor);
    edDpPov = rowField("edDpPov", 4);

    blockButtons_ = new QButtonGroup(this);
    rgBlockSys = addRadioGroup(
        this, "rgBlockSys", tr("Blocking system"), QRect(4, 198, 300, 82),
        {tr("Directional control avlve type T"), tr("Check valve"), tr("Double check valve")},
        blockButtons_, {8, 18, 20});
    cbPrigusnica = new QCheckBox(tr("Throtle on return line"), this);
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
        const SketchLayout layout = sketchLayout(blockingSystem(), cbPrigusnica->isChecked());
        drawSketch(painter, drawn, layout, sketchPictures_);
        if (sketchAnnotated_) {
            drawSketchCaptions(painter, layout, sketchFigures(layout));
        }
    });
    pbShema->setObjectName(QStringLiteral("pbShema"));
    pbShema->setGeometry(QRect(QPoint(4, 304), kSketchSize));

    addCaption(this, tr("Components"), 312, 2);
    lsKomponente = new QListWidget(this);
    lsKomponente->setObjectName(QStringLiteral("lsKomponente"));
    lsKomponente->setGeometry(312, 18, 146, 126);
    Button1 = new QPushButton(tr("Sketch"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(312, 148, 146, 26);
    Label56 = new ClickableLabel(tr("Hydro cylinder definition"), this);
    Label56->setObjectName(QStringLiteral("Label56"));
    Label56->setGeometry(312, 180, 146, 16);
    Label56->setCursor(Qt::PointingHandCursor);
    lbHc = new QListWidget(this);
    lbHc->setObjectName(QStringLiteral("lbHc"));
    lbHc->setGeometry(312, 196, 146, 90);

    btnNovProst = new QPushButton(QIcon(QStringLiteral(":/program/glyphs/calculate.svg")),
                                  tr("Calculate"), this);
    btnNovProst->setObjectName(QStringLiteral("btnNovProst"));
    setCalculateButton(btnNovProst);
    btnNovProst->setGeometry(312, 310, 146, 33);
    BitBtn9 =
        new QPushButton(QIcon(QStringLiteral(":/program/glyphs/reset.svg")), tr("Reset"), this);
    BitBtn9->setObjectName(QStringLiteral("BitBtn9"));
    BitBtn9->setGeometry(312, 350, 146, 33);

    addCaption(this, tr("Pipeline feture"), 462, 2);
    PaintBox3 = new CircuitPaintBox(this, [this](QPainter& painter, QSize size) {
        Funkcije::drawCharacteristic(painter, size, characteristic_);
    });
    PaintBox3->setObjectName(QStringLiteral("PaintBox3"));
    PaintBox3->setGeometry(QRect(QPoint(462, 18), kCharacteristicSize));

    lblHint = new QLabel(
        tr("Double-click a field to take over the component last calculated on its page"), this);
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
    // Each caption is its symbol and the unit of the system shown.
    const QString symbols[] = {tr("Pressure at the cylinder"), tr("Cylinder force"),
                               tr("Cylinder speed")};
    const units::Quantity quantities[] = {units::Quantity::Pressure, units::Quantity::Force,
                                          units::Quantity::Velocity};
    const char* const formats[] = {"%.2f", "%.2f", "%.4f"};
    for (int row = 0; row < 3; ++row) {
        QLabel* caption = addCaption(this, QString(), 462, 362 + row * 18, 220);
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(results[row].second));
        label->setGeometry(690, 362 + row * 18, 120, 16);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        *results[row].first = label;
        cylinderFigures_.add({.value = label,
                              .caption = caption,
                              .symbol = symbols[row],
                              .quantity = quantities[row],
                              .format = formats[row],
                              .blank = QStringLiteral("\u2014")});
    }
    showCylinderResults(nullptr);
    captionUnits();
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
    // Asked for: from now on the sketch names its components and their figures.
    connectGuarded(Button1, &QPushButton::clicked, this, services_, [this] {
        sketchAnnotated_ = true;
        Button1Click();
    });
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
    lineFigures_.erase(slot);
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
    // The pump's text is in the system the pump page shows, which may be
    // switched before this page is.
    const std::optional<double> figure = [&text]() -> std::optional<double> {
        try {
            return readOptionalNumber(text);
        } catch (const ConversionError&) {
            return std::nullopt;
        }
    }();
    if (!figure || !std::isfinite(*figure)) {
        setFieldText(edQ_prost, text);
        return;
    }
    showModel(edQ_prost,
              units::toModel(*figure, units::Quantity::Flow, services_.shared().unitSystem));
}

std::optional<double> CircuitPage::operationLineDrop() const {
    return modelOf(edDpPog);
}

bool CircuitPage::copyPumpFlow() {
    const std::optional<double> flow = sources_.pumpFlow();
    if (flow) {
        showModel(edQ_prost, *flow);
    } else {
        setFieldText(edQ_prost, QString());
    }
    return flow.has_value();
}

units::Quantity CircuitPage::quantityOf(const QLineEdit* field) const {
    return field == edQ_prost ? units::Quantity::Flow : units::Quantity::Pressure;
}

void CircuitPage::showModel(QLineEdit* field, double value) {
    const QString text = quantityText("%2.2f", value, quantityOf(field), system_);
    setFieldText(field, text);
    written_[field] = {text, value};
}

std::optional<double> CircuitPage::modelOf(const QLineEdit* field) const {
    const QString text = fieldText(field);
    if (text.isEmpty()) {
        return std::nullopt;
    }
    if (const auto found = written_.find(field);
        found != written_.end() && found->second.first == text) {
        return found->second.second;
    }
    // A text that is no number throws ConversionError, as reading it did.
    return units::toModel(readNumber(text), quantityOf(field), system_);
}

void CircuitPage::captionUnits() {
    const auto unit = [this](units::Quantity quantity) {
        return QString::fromUtf8(units::displayUnit(quantity, system_).ascii);
    };
    Label51->setText(tr("Flow [%1]").arg(unit(units::Quantity::Flow)));
    GroupBox3->setTitle(tr("Pressure drops[%1]").arg(unit(units::Quantity::Pressure)));
}

void CircuitPage::setUnitSystem(units::UnitSystem system) {
    std::map<QLineEdit*, double> values;
    for (QLineEdit* field : {edQ_prost, edDp, edDpProstBlok, edDpPrig, edDpPog, edDpPov}) {
        try {
            if (const auto value = modelOf(field)) {
                values[field] = *value;
            }
        } catch (const ConversionError&) {
            // A text that is no number stays for the user to correct.
        }
    }
    system_ = system;
    for (const auto& [field, value] : values) {
        showModel(field, value);
    }
    cylinderFigures_.setUnitSystem(system);
    captionUnits();
    pbShema->update();
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
        QString page;
        std::optional<CircuitSlot> slot;
    };
    const Menu menus[] = {
        {edQ_prost, &CircuitPage::edQ_prostDblClick, tr("Pump"), std::nullopt},
        {edDpPog, &CircuitPage::edDpPogDblClick, tr("Pipe pressure drop"),
         CircuitSlot::OperationLine},
        {edDp, &CircuitPage::edDpDblClick, tr("Valve pressure drop"),
         CircuitSlot::DirectionalValve},
        {edDpProstBlok, &CircuitPage::edDpProstBlokDblClick, tr("Valve pressure drop"),
         CircuitSlot::BlockingValve},
        {edDpPrig, &CircuitPage::edDpPrigDblClick, tr("Valve pressure drop"),
         CircuitSlot::Throttle},
        {edDpPov, &CircuitPage::edDpPovDblClick, tr("Pipe pressure drop"), CircuitSlot::ReturnLine},
    };
    for (const Menu& entry : menus) {
        auto* menu = new QMenu(this);
        menu->setObjectName(QStringLiteral("mnu") + entry.field->objectName());
        QAction* takeOver = menu->addAction(tr("Take over from %1").arg(entry.page));
        QAction* clear = menu->addAction(tr("Clear"));
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
        showCylinderFigures(std::nullopt);
        return;
    }
    showCylinderFigures(
        CylinderFigures{cylinder->pressureIn, cylinder->force, cylinder->strokeSpeed});
}

void CircuitPage::showCylinderFigures(const std::optional<CylinderFigures>& figures) {
    shownCylinder_ = figures;
    cylinderFigures_.show(0, figures ? std::optional(figures->pressure) : std::nullopt);
    cylinderFigures_.show(1, figures ? std::optional(figures->force) : std::nullopt);
    cylinderFigures_.show(2, figures ? std::optional(figures->speed) : std::nullopt);
}

void CircuitPage::takeOverLine(QLineEdit* field, CircuitSlot slot) {
    const std::optional<LineTakeOver> line = sources_.line();
    if (!line) {
        services_.showMessage(tr("Calculate a line on the line page first, then take it over."),
                              takeOverCaption());
        return;
    }
    showModel(field, line->drop);
    // Each line keeps its own tube type: the return line may be of another tube.
    slots_.setLine(slot, {line->diameter, line->length, line->tubeType});
    lineFigures_[slot] = {QString::fromStdString(numtext::FloatToStr(line->diameter)),
                          QString::fromStdString(numtext::FloatToStr(line->length))};
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
        services_.showMessage(tr("Calculate a valve on the valve page first, then take it over."),
                              takeOverCaption());
    }
    return valve;
}

void CircuitPage::takeOverValve(QLineEdit* field, std::optional<CircuitSlot> slot) {
    const auto valve = valveToTakeOver();
    if (!valve) {
        return;
    }
    showModel(field, valve->drop);
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
    const auto figures = lineFigures_.find(CircuitSlot::OperationLine);
    if (slot.isEmpty() || figures == lineFigures_.end()) {
        return;
    }
    // The window's title stays the program's: the slot is shown on the page.
    addListLine(lsKomponente, listLine(kOperationLineItem, slot));
    // Diameter and length as the user gave them, not in a field's format.
    addListLine(lbHc, figures->second.first);
    addListLine(lbHc, figures->second.second);
}

void CircuitPage::Label53Click() {
    const QString slot = QString::fromStdString(slots_.text(CircuitSlot::ReturnLine));
    if (!slot.isEmpty()) {
        addListLine(lsKomponente, listLine(kReturnLineItem, slot));
    }
}

void CircuitPage::Label56Click() {
    listCylinder();
}

void CircuitPage::listCylinder() {
    const CylinderDefinition cylinder = sources_.cylinder();
    addListLine(
        lbHc, QString::fromLatin1(cylinder.kind == CylinderKind::DoubleActing ? kDoubleActingItem
                                                                              : kSingleActingItem));
    auto diameter = [](const std::optional<double>& value) {
        return value ? shownDiameter(*value) : QString();
    };
    // Symbols, figures and units: the same in every language.
    addListLine(lbHc,
                QStringLiteral("D1= ") + diameter(cylinder.pistonDiameter) + QStringLiteral(" mm"));
    addListLine(lbHc,
                QStringLiteral("D2= ") + diameter(cylinder.rodDiameter) + QStringLiteral(" mm"));
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
    lineFigures_.clear();
    Label49->setVisible(true);
    showCylinderResults(nullptr);
    powerLost_.reset();
}

QStringList CircuitPage::sketchFigures(const SketchLayout& layout) const {
    // Each component's figure as its field shows it: the flow, the drops and
    // the pressure the cylinder needs; nothing where none is known yet.
    const auto with = [](const QString& text, const char* unit) {
        return text.isEmpty() || text == QStringLiteral("\u2014")
                   ? QString()
                   : text + QLatin1Char(' ') + QString::fromLatin1(unit);
    };
    const char* bar = units::displayUnit(units::Quantity::Pressure, system_).ascii.data();
    const char* flowUnit = units::displayUnit(units::Quantity::Flow, system_).ascii.data();
    bool flow = false;
    const double flowValue = fieldText(edQ_prost).toDouble(&flow);
    const std::map<QString, QString> byName{
        // One decimal: the flow's text has to fit under the pump's symbol.
        // Read without throwing: this runs while the sketch paints.
        {SketchComponent::Pump, with(flow ? formatText("%.1f", flowValue) : QString(), flowUnit)},
        {SketchComponent::OperationLine, with(fieldText(edDpPog), bar)},
        {SketchComponent::DirectionalValve, with(fieldText(edDp), bar)},
        {SketchComponent::CheckValve, with(fieldText(edDpProstBlok), bar)},
        {SketchComponent::DoubleCheckValve, with(fieldText(edDpProstBlok), bar)},
        {SketchComponent::ThrottleValve, with(fieldText(edDpPrig), bar)},
        {SketchComponent::Cylinder, with(lblProstPressure->text(), bar)},
        {SketchComponent::ReturnLine, with(fieldText(edDpPov), bar)},
    };
    QStringList figures;
    for (const QString& name : layout.components) {
        const auto found = byName.find(name);
        figures << (found == byName.end() ? QString() : found->second);
    }
    return figures;
}

void CircuitPage::Button1Click() {
    lsKomponente->clear();
    for (const QString& component :
         sketchLayout(blockingSystem(), cbPrigusnica->isChecked()).components) {
        addListLine(lsKomponente, component);
    }
    pbShema->update();
}

QStringList CircuitPage::missingComponents() const {
    struct Needed {
        QString component;
        const QLineEdit* field;
        std::optional<CircuitSlot> slot;
        QString page;
        bool used;
    };
    const QString pumpPage = tr("Pump");
    const QString linePage = tr("Pipe pressure drop");
    const QString valvePage = tr("Valve pressure drop");
    const Needed needed[] = {
        {tr("the pump flow"), edQ_prost, std::nullopt, pumpPage, true},
        {tr("the operational line"), edDpPog, CircuitSlot::OperationLine, linePage, true},
        {tr("the directional control valve"), edDp, CircuitSlot::DirectionalValve, valvePage, true},
        {tr("the blocking valve"), nullptr, CircuitSlot::BlockingValve, valvePage,
         blockingSystem() > 0},
        {tr("the throttle"), edDpPrig, CircuitSlot::Throttle, valvePage, cbPrigusnica->isChecked()},
        {tr("the return line"), edDpPov, CircuitSlot::ReturnLine, linePage, true},
    };
    QStringList missing;
    // The cylinder is defined on its page, not taken over: only its diameters
    // can be missing.
    const CylinderDefinition cylinder = sources_.cylinder();
    if (!cylinder.pistonDiameter || !cylinder.rodDiameter) {
        missing << tr(
            "- the cylinder's piston and rod diameters: give them on the "
            "\"Hydro Cylinder\" page");
    }
    for (const Needed& item : needed) {
        const bool taken = (item.field == nullptr || !fieldText(item.field).isEmpty()) &&
                           (!item.slot || slots_.filled(*item.slot));
        if (item.used && !taken) {
            missing << tr("- %1: calculate it on the \"%2\" page, then double-click "
                          "its field here")
                           .arg(item.component, item.page);
        }
    }
    return missing;
}

CircuitInputs CircuitPage::gatherInputs() const {
    CircuitInputs inputs = slots_.gather(options());
    inputs.pump = sources_.pump();
    // A text that is no number is named here; a figure out of range by validate.
    const auto shown = [this](double flow) {
        return QString::number(units::toDisplay(flow, units::Quantity::Flow, system_), 'g', 6)
            .toDouble();
    };
    const FieldReading supply = readQuantity(
        tr("Supply flow Q [%1]")
            .arg(QString::fromUtf8(units::displayUnit(units::Quantity::Flow, system_).ascii)),
        fieldText(edQ_prost),
        {.lowest = shown(kLeastSupplyFlow), .highest = shown(kMostSupplyFlow)});
    if (!supply.number) {
        markRefused(edQ_prost);
        throw CircuitInputError(supply.problem.toStdString());
    }
    inputs.supplyFlow = *modelOf(edQ_prost);

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
    const QString caption = messageCaption();
    if (const QStringList missing = missingComponents(); !missing.isEmpty()) {
        services_.showMessage(tr("The circuit is not complete yet. Still to be taken over:\n%1")
                                  .arg(missing.join(QLatin1Char('\n'))),
                              caption);
        return;
    }
    CircuitInputs inputs;
    try {
        inputs = gatherInputs();
    } catch (const CircuitInputError& problem) {
        services_.showMessage(faultText(problem), caption);
        return;
    }
    if (const auto problem = validate(inputs)) {
        services_.showMessage(modelText(*problem), caption);
        return;
    }
    const prost_cevovod chain = buildCircuit(inputs);
    // Computed before anything is shown, so a failure leaves the log and
    // the diagram as they were.
    const ReportLines lines = shownLines(services_, circuitReportRows(inputs, chain));
    auto characteristic = characteristicOf(chain);
    services_.appendToLog(lines);
    characteristic_ = std::move(characteristic);
    drawnFrom_ = inputs;
    powerLost_ = powerLostIn(chain);
    PaintBox3->update();
    showComputedDrops(chain, inputs);
    showCylinderResults(&chain);
    // The definition list shows the cylinder this calculation used.
    lbHc->clear();
    listCylinder();
    pbShema->update();
    QStringList problems;
    const units::UnitSystem shown = services_.shared().unitSystem;
    if (const auto problem = cannotMoveLoad(chain, shown)) {
        problems << modelText(*problem);
    }
    for (const auto& warning : flowWarnings(inputs, chain, shown)) {
        problems << modelText(warning);
    }
    if (!problems.isEmpty()) {
        services_.showMessage(problems.join(QLatin1Char('\n')), warningCaption());
    }
}

std::optional<double> CircuitPage::powerLostIn(const prost_cevovod& chain) {
    if (chain.count() < 2 || cannotMoveLoad(chain)) {
        return std::nullopt;
    }
    const auto* pump = dynamic_cast<const pumpa*>(&chain.element(0));
    const auto* cylinder = dynamic_cast<const klip*>(&chain.element(chain.count() - 1));
    if (pump == nullptr || cylinder == nullptr) {
        return std::nullopt;
    }
    // kN times m/s is kW.
    return pump->power - cylinder->force * cylinder->strokeSpeed;
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
            showModel(fields[next++], element.pressureDrop);
        }
    }
}

namespace {

const char* slotKey(CircuitSlot slot) {
    switch (slot) {
        case CircuitSlot::OperationLine:
            return "operationLine";
        case CircuitSlot::ReturnLine:
            return "returnLine";
        case CircuitSlot::DirectionalValve:
            return "directionalValve";
        case CircuitSlot::BlockingValve:
            return "blockingValve";
        case CircuitSlot::Throttle:
            return "throttle";
    }
    return "";
}

QString slotFigure(CircuitSlot slot, const char* figure) {
    return QString::fromLatin1(slotKey(slot)) + QLatin1Char('.') + QLatin1String(figure);
}

// The information lists untranslated, one item a line.
QString listItems(const QListWidget* list) {
    QStringList items;
    for (int row = 0; row < list->count(); ++row) {
        const QListWidgetItem* item = list->item(row);
        const QVariant line = item->data(kUntranslated);
        items << (line.isValid() ? line.toString() : item->text());
    }
    return items.join(QLatin1Char('\n'));
}

void showListItems(QListWidget* list, const QString& items) {
    list->clear();
    if (!items.isEmpty()) {
        for (const QString& line : items.split(QLatin1Char('\n'))) {
            addListLine(list, line);
        }
    }
}

}  // namespace

std::vector<QWidget*> CircuitPage::plainFields() const {
    return {edQ_prost, edDp, edDpProstBlok, edDpPrig, edDpPog, edDpPov};
}

std::vector<PageChoice> CircuitPage::choices() {
    return {{.name = QStringLiteral("rgBlockSys"),
             .count = static_cast<int>(blockButtons_->buttons().size()),
             .item = [this] { return blockingSystem(); },
             .setItem =
                 [this](int item) {
                     if (QAbstractButton* button = blockButtons_->button(item)) {
                         button->setChecked(true);
                     }
                 }},
            {.name = QStringLiteral("cbPrigusnica"),
             .count = 2,
             .item = [this] { return cbPrigusnica->isChecked() ? 1 : 0; },
             .setItem = [this](int item) { cbPrigusnica->setChecked(item == 1); }}};
}

void CircuitPage::saveResults(PageState& state) const {
    for (const QListWidget* list : {lbHc, lsKomponente}) {
        state.names[list->objectName()] = listItems(list);
    }
    if (shownCylinder_) {
        state.results[QStringLiteral("cylinder.pressure")] = shownCylinder_->pressure;
        state.results[QStringLiteral("cylinder.force")] = shownCylinder_->force;
        state.results[QStringLiteral("cylinder.speed")] = shownCylinder_->speed;
    }
    if (powerLost_) {
        state.results[QStringLiteral("powerLost")] = *powerLost_;
    }
    saveDrawnFrom(state);
    for (CircuitSlot slot : kAllCircuitSlots) {
        if (const auto line = slots_.line(slot)) {
            state.results[slotFigure(slot, "diameter")] = line->diameter;
            state.results[slotFigure(slot, "length")] = line->length;
            state.results[slotFigure(slot, "tubeType")] = line->materialIndex;
        } else if (const auto valve = slots_.valve(slot)) {
            state.names[QString::fromLatin1(slotKey(slot))] = QString::fromStdString(valve->name);
            state.results[slotFigure(slot, "constantTerm")] = valve->constantTerm;
            state.results[slotFigure(slot, "flowCoefficient")] = valve->flowCoefficient;
            if (valve->largestFlow) {
                state.results[slotFigure(slot, "largestFlow")] = *valve->largestFlow;
            }
        }
    }
}

void CircuitPage::restoreResults(const PageState& state) {
    const auto figure = [&state](CircuitSlot slot, const char* name) -> std::optional<double> {
        const auto found = state.results.find(slotFigure(slot, name));
        return found == state.results.end() ? std::nullopt : std::optional(found->second);
    };
    slots_.clearAll();
    lineFigures_.clear();
    for (CircuitSlot slot : kAllCircuitSlots) {
        const bool lineSlot = slot == CircuitSlot::OperationLine || slot == CircuitSlot::ReturnLine;
        if (lineSlot) {
            const auto diameter = figure(slot, "diameter");
            const auto length = figure(slot, "length");
            if (diameter && length) {
                slots_.setLine(slot, {*diameter, *length,
                                      static_cast<int>(figure(slot, "tubeType").value_or(0))});
                // The information label lists the line as it did when it was taken over.
                lineFigures_[slot] = {QString::fromStdString(numtext::FloatToStr(*diameter)),
                                      QString::fromStdString(numtext::FloatToStr(*length))};
            }
        } else {
            const auto name = state.names.find(QString::fromLatin1(slotKey(slot)));
            const auto p0 = figure(slot, "constantTerm");
            const auto k = figure(slot, "flowCoefficient");
            if (name != state.names.end() && p0 && k) {
                slots_.setValve(slot,
                                {name->second.toStdString(), *p0, *k, figure(slot, "largestFlow")});
            }
        }
        showSlot(slot);
    }
    // The lists as they were shown; a state without them (a start) empties
    // the definition list and leaves the components to the sketch's options.
    const auto definitions = state.names.find(lbHc->objectName());
    showListItems(lbHc, definitions == state.names.end() ? QString() : definitions->second);
    if (const auto components = state.names.find(lsKomponente->objectName());
        components != state.names.end()) {
        showListItems(lsKomponente, components->second);
    }
    // The figures of the last calculation as they were shown, and its
    // characteristic drawn again from what it was calculated from.
    restoreDrawnFrom(state);
    PaintBox3->update();
    const auto result = [&state](const char* name) -> std::optional<double> {
        const auto found = state.results.find(QString::fromLatin1(name));
        return found == state.results.end() ? std::nullopt : std::optional(found->second);
    };
    const auto pressure = result("cylinder.pressure");
    const auto force = result("cylinder.force");
    const auto speed = result("cylinder.speed");
    showCylinderFigures(pressure && force && speed
                            ? std::optional(CylinderFigures{*pressure, *force, *speed})
                            : std::nullopt);
    powerLost_ = result("powerLost");
}

namespace {

const QString kDrawn = QStringLiteral("drawnFrom.");

// The figures of a valve of the calculation, under its slot's name.
void saveValve(PageState& state, const char* slot, const ValveInputs& valve) {
    const QString key = kDrawn + QLatin1String(slot);
    state.names[key] = QString::fromStdString(valve.name);
    state.results[key + QStringLiteral(".constantTerm")] = valve.constantTerm;
    state.results[key + QStringLiteral(".flowCoefficient")] = valve.flowCoefficient;
    if (valve.largestFlow) {
        state.results[key + QStringLiteral(".largestFlow")] = *valve.largestFlow;
    }
}

}  // namespace

void CircuitPage::saveDrawnFrom(PageState& state) const {
    if (!characteristic_ || !drawnFrom_) {
        return;
    }
    const CircuitInputs& in = *drawnFrom_;
    const std::pair<const char*, double> figures[] = {
        {"pump.power", in.pump.power},
        {"pump.pressure", in.pump.pressure},
        {"pump.displacement", in.pump.displacement},
        {"pump.volumetricEfficiency", in.pump.volumetricEfficiency},
        {"pump.hydromechanicalEfficiency", in.pump.hydromechanicalEfficiency},
        {"supplyFlow", in.supplyFlow},
        {"operationLine.diameter", in.operationLine.diameter},
        {"operationLine.length", in.operationLine.length},
        {"operationLine.tubeType", in.operationLine.materialIndex},
        {"returnLine.diameter", in.returnLine.diameter},
        {"returnLine.length", in.returnLine.length},
        {"returnLine.tubeType", in.returnLine.materialIndex},
        {"cylinder.doubleActing", in.cylinder.kind == CylinderKind::DoubleActing ? 1 : 0},
        {"cylinder.pistonDiameter", in.cylinder.pistonDiameter},
        {"cylinder.rodDiameter", in.cylinder.rodDiameter},
        {"cylinder.efficiency", in.cylinder.efficiency},
        {"cylinder.pull", in.cylinder.direction == LoadDirection::Pull ? 1 : 0},
        {"density", in.density},
        {"viscosity", in.viscosity},
    };
    for (const auto& [name, value] : figures) {
        state.results[kDrawn + QLatin1String(name)] = value;
    }
    saveValve(state, "directionalValve", in.directionalValve);
    if (in.blockingValve) {
        saveValve(state, "blockingValve", *in.blockingValve);
    }
    if (in.throttle) {
        saveValve(state, "throttle", *in.throttle);
    }
}

void CircuitPage::restoreDrawnFrom(const PageState& state) {
    characteristic_.reset();
    drawnFrom_.reset();
    bool complete = true;
    const auto figure = [&state, &complete](const QString& name) {
        const auto found = state.results.find(kDrawn + name);
        complete = complete && found != state.results.end();
        return found == state.results.end() ? 0.0 : found->second;
    };
    const auto valve = [&state, &figure](const char* slot) -> std::optional<ValveInputs> {
        const QString key = QLatin1String(slot);
        const auto name = state.names.find(kDrawn + key);
        if (name == state.names.end()) {
            return std::nullopt;
        }
        ValveInputs valve{name->second.toStdString(), figure(key + QStringLiteral(".constantTerm")),
                          figure(key + QStringLiteral(".flowCoefficient")), std::nullopt};
        if (const auto largest = state.results.find(kDrawn + key + QStringLiteral(".largestFlow"));
            largest != state.results.end()) {
            valve.largestFlow = largest->second;
        }
        return valve;
    };
    CircuitInputs in;
    in.pump = {figure(QStringLiteral("pump.power")), figure(QStringLiteral("pump.pressure")),
               figure(QStringLiteral("pump.displacement")),
               figure(QStringLiteral("pump.volumetricEfficiency")),
               figure(QStringLiteral("pump.hydromechanicalEfficiency"))};
    in.supplyFlow = figure(QStringLiteral("supplyFlow"));
    in.operationLine = {figure(QStringLiteral("operationLine.diameter")),
                        figure(QStringLiteral("operationLine.length")),
                        static_cast<int>(figure(QStringLiteral("operationLine.tubeType")))};
    in.returnLine = {figure(QStringLiteral("returnLine.diameter")),
                     figure(QStringLiteral("returnLine.length")),
                     static_cast<int>(figure(QStringLiteral("returnLine.tubeType")))};
    const auto directional = valve("directionalValve");
    in.blockingValve = valve("blockingValve");
    in.throttle = valve("throttle");
    in.cylinder = {
        figure(QStringLiteral("cylinder.doubleActing")) != 0.0 ? CylinderKind::DoubleActing
                                                               : CylinderKind::SingleActing,
        figure(QStringLiteral("cylinder.pistonDiameter")),
        figure(QStringLiteral("cylinder.rodDiameter")),
        figure(QStringLiteral("cylinder.efficiency")),
        figure(QStringLiteral("cylinder.pull")) != 0.0 ? LoadDirection::Pull : LoadDirection::Push};
    in.density = figure(QStringLiteral("density"));
    in.viscosity = figure(QStringLiteral("viscosity"));
    // A design without them, or with figures no calculation accepts (a file
    // written by hand), shows no characteristic.
    if (!complete || !directional) {
        return;
    }
    in.directionalValve = *directional;
    if (validate(in)) {
        return;
    }
    try {
        characteristic_ = characteristicOf(buildCircuit(in));
        drawnFrom_ = in;
    } catch (const std::exception&) {
        characteristic_.reset();
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

std::optional<FieldFigure> CircuitPage::plainFigure(const QWidget* field) const {
    const auto* edit = qobject_cast<const QLineEdit*>(field);
    if (edit == nullptr || system_ == units::kMetric) {
        return CalculatorPage::plainFigure(field);
    }
    try {
        if (const auto value = modelOf(edit)) {
            return FieldFigure{QString::number(*value, 'g', 6).toDouble(), -1};
        }
    } catch (const ConversionError&) {
    }
    return std::nullopt;
}

void CircuitPage::showPlainFigure(QWidget* field, const std::optional<FieldFigure>& figure) {
    auto* edit = qobject_cast<QLineEdit*>(field);
    if (edit == nullptr || system_ == units::kMetric || !figure) {
        CalculatorPage::showPlainFigure(field, figure);
        return;
    }
    showModel(edit, figure->value);
}
