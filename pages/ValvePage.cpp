#include "pages/ValvePage.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <algorithm>
#include <cmath>
#include <exception>

#include "model/Valve.h"
#include "ui/ControlEvents.h"
#include "ui/DataFiles.h"
#include "ui/FieldAccess.h"
#include "ui/FieldPairs.h"
#include "ui/FieldWidgets.h"
#include "ui/ModelText.h"
#include "ui/ReportLog.h"

namespace {

// The page's quantities, in the order of its pair table.
enum Pair { Coefficient, MinimumPressure, IntakePressure };

std::vector<QuantityRow> pairTable() {
    return {
        // clang-format off
        // Only the slider sets the coefficient: its field is disabled.
        {.caption = ValvePage::tr("Hydraulic character coeficient:"),
         .slider = {.name = "tbHidrKar", .minimum = 1, .maximum = 50, .start = 1, .tick = 1,
                    .scale = 1.0 / 1500.0, .format = "%.3f"},
         .field = {.name = "edLokalK", .keys = KeyFilterKind::None},
         .exit = {.kind = ExitKind::None, .format = nullptr},
         .range = {.lowest = 0, .highest = 10},
         .at = {.captionLeft = 8, .top = 34, .sliderLeft = 8, .sliderWidth = 240,
                .fieldLeft = 256, .fieldWidth = 80, .captionTop = 12}},
        {.caption = ValvePage::tr("Min. working ressure"), .quantity = units::Quantity::Pressure,
         .slider = {.name = "TrackBar8", .minimum = 0, .maximum = 10, .start = 0, .tick = 1,
                    .format = "%.d"},
         .field = {.name = "edQ0", .keys = KeyFilterKind::None},
         .exit = {.kind = ExitKind::None, .format = nullptr},
         .range = {.lowest = 0, .highest = 1000},
         .at = {.captionLeft = 8, .top = 94, .sliderLeft = 8, .sliderWidth = 240,
                .fieldLeft = 256, .fieldWidth = 80, .unitLeft = 342, .captionTop = 72}},
        {.caption = ValvePage::tr("Pressure in"), .quantity = units::Quantity::Pressure,
         .slider = {.name = "TrackBar9", .minimum = 0, .maximum = 300, .start = 1, .tick = 10,
                    .format = "%d"},
         .field = {.name = "edVENTIL_Pul", .keys = KeyFilterKind::None},
         .exit = {.kind = ExitKind::None, .format = nullptr},
         .range = {.lowest = 0, .highest = 1000},
         // Room for the caption with its unit in either language.
         .at = {.captionLeft = 8, .top = 352, .sliderLeft = 128, .sliderWidth = 176,
                .fieldLeft = 310, .fieldWidth = 64}},
        // clang-format on
    };
}

// The valve types: each names its data file (and a design keeps it so); the
// list shows it in the program's language.
const char* const kValveTypes[] = {QT_TRANSLATE_NOOP("ValvePage", "DirectionalControlValve 4-3"),
                                   QT_TRANSLATE_NOOP("ValvePage", "Double Check Valve"),
                                   QT_TRANSLATE_NOOP("ValvePage", "Check Valve"),
                                   QT_TRANSLATE_NOOP("ValvePage", "Pilot Operated Check Valve")};
// Pictures of the valve types, by item of the type list.
constexpr int kValvePictures[] = {1001, 1001, 1002, 1003};

constexpr int kTestFlow = 75;  // l/min
constexpr int kTestDrop = 15;  // bar
const char* const kApplicationTitle = QT_TRANSLATE_NOOP("ValvePage", "Hidraulic Calculator");
const QColor kFieldYellow{255, 255, 0};
const QColor kDropRed{255, 0, 0};
const char* const kInputError = QT_TRANSLATE_NOOP("ValvePage", "INPUT ERROR");

// A figure with its unit, in the system's unit, as a report row writes it.
QString figureText(double value, units::Quantity quantity, const char* number,
                   units::UnitSystem system) {
    return QString::fromStdString(units::renderRow(
        units::numberRow("", value, quantity, units::NumberRules::Framework, number, " {unit}"),
        system));
}

// The diagram of a valve whose characteristic spans the given axes.
ValveDiagram characteristic(int largestFlow, int largestDrop, double p0, double k, int firstFlow) {
    ValveDiagram diagram;
    diagram.flowCells = largestFlow;
    diagram.dropCells = largestDrop;
    diagram.firstFlow = firstFlow;
    diagram.curve = DiagramCurve{p0, k, static_cast<double>(largestFlow),
                                 static_cast<double>(largestDrop), firstFlow};
    diagram.titles = {QStringLiteral("Q [l/min]"),
                      ValvePage::tr("pressure drop [%1]").arg(QStringLiteral("bar")),
                      {}};
    return diagram;
}

// A diagram of model figures (l/min, bar) in the system's units: the curve's
// coefficients converted, the flow axis in whole units of the system, the
// pressure axis in round steps of at most twenty cells.
ValveDiagram diagramIn(const ValveDiagram& model, units::UnitSystem system) {
    const units::Unit& flowUnit = units::displayUnit(units::Quantity::Flow, system);
    const units::Unit& dropUnit = units::displayUnit(units::Quantity::Pressure, system);
    if (flowUnit.isIdentity() && dropUnit.isIdentity()) {
        return model;
    }
    ValveDiagram shown = model;
    const double largestFlow = model.flowCells / flowUnit.factor;
    const double largestDrop = model.dropCells * model.dropUnit / dropUnit.factor;
    shown.flowCells = std::max(1, static_cast<int>(std::ceil(largestFlow)));
    shown.firstFlow = static_cast<int>(std::floor(model.firstFlow / flowUnit.factor));
    shown.dropUnit = dropUnitFor(largestDrop);
    shown.dropCells = std::max(1, static_cast<int>(std::ceil(largestDrop / shown.dropUnit)));
    if (model.curve) {
        const DiagramCurve& curve = *model.curve;
        shown.curve = DiagramCurve{
            curve.constantTerm / dropUnit.factor,
            curve.flowCoefficient * flowUnit.factor * flowUnit.factor / dropUnit.factor,
            curve.largestFlow / flowUnit.factor, curve.largestDrop / dropUnit.factor,
            shown.firstFlow};
    }
    for (QPointF& point : shown.points) {
        point = QPointF(point.x() / flowUnit.factor, point.y() / dropUnit.factor);
    }
    if (model.operatingPoint) {
        shown.operatingPoint = QPointF(model.operatingPoint->x() / flowUnit.factor,
                                       model.operatingPoint->y() / dropUnit.factor);
    }
    const auto unitText = [](const units::Unit& unit) {
        return QString::fromUtf8(unit.display.data(), static_cast<qsizetype>(unit.display.size()));
    };
    shown.titles = {QStringLiteral("Q [%1]").arg(unitText(flowUnit)),
                    ValvePage::tr("pressure drop [%1]").arg(unitText(dropUnit)),
                    {}};
    return shown;
}

}  // namespace

ValvePage::ValvePage(PageServices& services, PumpFlowSource pumpFlow)
    : CalculatorPage(services), pumpFlow_(std::move(pumpFlow)) {
    setObjectName(QStringLiteral("tsLokalni"));
    buildControls();
    buildDiagramArea();
    connectHandlers();
}

void ValvePage::buildControls() {
    pgcntrsValves = new QTabWidget(this);
    pgcntrsValves->setObjectName(QStringLiteral("pgcntrsValves"));
    pgcntrsValves->setTabPosition(QTabWidget::South);
    pgcntrsValves->setGeometry(4, 4, 376, 296);
    auto* TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    auto* TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    pgcntrsValves->addTab(TabSheet1, tr("Select From Database"));
    pgcntrsValves->addTab(TabSheet2, tr("User defined"));

    addCaption(TabSheet1, tr("Valve type"), 8, 8);
    ComboBox1 = new QComboBox(TabSheet1);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    // Enter in the valve type loads the typed type; it does not calculate.
    keepEnterFrom(ComboBox1);
    ComboBox1->setEditable(true);
    // A typed name is the name of a file, not an item to keep; and it loads
    // as typed, not as completed to one of the items.
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setCompleter(nullptr);
    for (const char* type : kValveTypes) {
        ComboBox1->addItem(tr(type), QString::fromLatin1(type));
    }
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setGeometry(8, 24, 356, 22);
    ListBox1 = new QListWidget(TabSheet1);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(8, 54, 170, 206);
    // One line of text each: the list need not measure thousands of entries.
    ListBox1->setUniformItemSizes(true);
    imgVentil = new QLabel(TabSheet1);
    imgVentil->setObjectName(QStringLiteral("imgVentil"));
    imgVentil->setGeometry(188, 54, 176, 150);
    imgVentil->setScaledContents(true);
    btnValveOpen = new QPushButton(tr("Open data file\u2026"), TabSheet1);
    btnValveOpen->setObjectName(QStringLiteral("btnValveOpen"));
    btnValveOpen->setToolTip(tr("Load the valves of a data file of your choice"));
    btnValveOpen->setGeometry(188, 228, 176, 30);
    ComboBox1->lineEdit()->installEventFilter(this);

    const std::vector<QuantityRow> rows = pairTable();
    userPairs_ = new FieldPairs(services_, TabSheet2);
    userPairs_->build({rows[Coefficient], rows[MinimumPressure]});
    pairs_ = new FieldPairs(services_, this);
    pairs_->build({rows[IntakePressure]});
    QWidget* coefficient = userPairs_->pair(Coefficient).field;
    coefficient->setEnabled(false);
    setFieldText(coefficient, QStringLiteral("0.05"));
    setFieldText(userPairs_->pair(MinimumPressure).field, QStringLiteral("0"));
    QWidget* intake = pairs_->pair(0).field;
    setFieldText(intake, QStringLiteral("1"));
    setFieldColour(intake, kFieldYellow);

    btnTest = new QPushButton(tr("Test"), TabSheet2);
    btnTest->setObjectName(QStringLiteral("btnTest"));
    btnTest->setGeometry(8, 140, 97, 28);

    QLabel* dropCaption = addCaption(this, tr("pressure drop"), 8, 316);
    lblFall = new QLabel(QStringLiteral("0"), this);
    lblFall->setObjectName(QStringLiteral("lblFall"));
    QFont bold = lblFall->font();
    bold.setBold(true);
    bold.setPixelSize(16);
    lblFall->setFont(bold);
    QPalette red = lblFall->palette();
    red.setColor(QPalette::WindowText, kDropRed);
    lblFall->setPalette(red);
    // Clear of its caption, which carries the unit ("pressure drop [psi]").
    lblFall->setGeometry(150, 310, 200, 24);
    drop_.add({.value = lblFall,
               .caption = dropCaption,
               .symbol = tr("pressure drop"),
               .quantity = units::Quantity::Pressure,
               .format = "%2.2f",
               .blank = QStringLiteral("0")});

    BitBtn10 = new QPushButton(QIcon(QStringLiteral(":/program/glyphs/calculate.svg")),
                               tr("Calculate"), this);
    setCalculateButton(BitBtn10);
    BitBtn10->setObjectName(QStringLiteral("BitBtn10"));
    BitBtn10->setGeometry(8, 384, 97, 33);
}

void ValvePage::buildDiagramArea() {
    PaintBox1 = new DiagramBox(this, "PaintBox1", QRect(390, 4, 469, 342));

    // The flow can be slid or typed; the calculation reads the field.
    flowPair_ = new FieldPairs(services_, this);
    flowPair_->build({{
        .caption = tr("Flow"),
        .quantity = units::Quantity::Flow,
        .slider = {.name = "tbVENTIL_Q",
                   .minimum = 0,
                   .maximum = 10,
                   .start = 0,
                   .tick = 1,
                   .format = "%d"},
        .field = {.name = "edValveQ"},
        .exit = {.kind = ExitKind::Decimal, .format = "%2.2f"},
        .range = {.lowest = 0, .highest = 10000},
        .at = {.captionLeft = 390,
               .top = 360,
               .sliderLeft = 476,
               .sliderWidth = 186,
               .fieldLeft = 670,
               .fieldWidth = 64},
    }});
    tbVENTIL_Q = flowPair_->pair(0).slider;
    setFieldText(flowPair_->pair(0).field, QStringLiteral("0"));
    tbVENTIL_Q->setToolTip(tr("Right click for pump flow"));
    tbVENTIL_Q->setContextMenuPolicy(Qt::CustomContextMenu);
    popUpUseFlow = new QMenu(this);
    popUpUseFlow->setObjectName(QStringLiteral("popUpUseFlow"));
    Koristiprotok1 = popUpUseFlow->addAction(tr("Use Flow"));
    Koristiprotok1->setObjectName(QStringLiteral("Koristiprotok1"));
    Koristiprotok1->setToolTip(tr("Use last calculated pump flow"));
    Koristiprotok1->setStatusTip(Koristiprotok1->toolTip());
    popUpUseFlow->setToolTipsVisible(true);

    BitBtn8 = new QPushButton(QIcon(QStringLiteral(":/program/glyphs/erase.svg")),
                              tr("Erase diagram"), this);
    BitBtn8->setObjectName(QStringLiteral("BitBtn8"));
    BitBtn8->setGeometry(750, 352, 109, 30);
}

void ValvePage::connectHandlers() {
    // Choosing an item loads it at once; a typed name loads when the user
    // presses Enter or leaves the combo, once, not at every keystroke.
    connectGuarded(ComboBox1, &QComboBox::activated, this, services_, [this] {
        typedName_ = false;
        ComboBox1Change();
    });
    auto typedNameDone = [this] {
        if (typedName_) {
            typedName_ = false;
            ComboBox1Change();
        }
    };
    connectGuarded(ComboBox1->lineEdit(), &QLineEdit::textEdited, this, services_,
                   [this] { typedName_ = true; });
    connectGuarded(ComboBox1->lineEdit(), &QLineEdit::returnPressed, this, services_,
                   typedNameDone);
    onLeave(ComboBox1, services_, typedNameDone);

    connectGuarded(ListBox1, &QListWidget::itemSelectionChanged, this, services_,
                   [this] { ListBox1Click(); });
    // A click on the line already chosen shows it again after Erase or Test.
    connectGuarded(ListBox1, &QListWidget::itemClicked, this, services_, [this] {
        if (selectedRow() != listDiagramRow_) {
            ListBox1Click();
        }
    });
    connectGuarded(btnTest, &QPushButton::clicked, this, services_, [this] { btnTestClick(); });
    connectGuarded(btnValveOpen, &QPushButton::clicked, this, services_,
                   [this] { btnValveOpenClick(); });
    connectGuarded(BitBtn8, &QPushButton::clicked, this, services_, [this] { BitBtn8Click(); });
    connectGuarded(BitBtn10, &QPushButton::clicked, this, services_, [this] { BitBtn10Click(); });
    connectGuarded(tbVENTIL_Q, &QSlider::valueChanged, this, services_,
                   [this](int position) { tbVENTIL_Q->setToolTip(formatText("%d", position)); });
    connectGuarded(tbVENTIL_Q, &QWidget::customContextMenuRequested, this, services_,
                   [this](const QPoint& at) { popUpUseFlow->popup(tbVENTIL_Q->mapToGlobal(at)); });
    connectGuarded(Koristiprotok1, &QAction::triggered, this, services_,
                   [this] { Koristiprotok1Click(); });
}

void ValvePage::ComboBox1Change() {
    loadType(typeOf(ComboBox1->currentText()));
}

QString ValvePage::typeOf(const QString& shown) const {
    const int item = ComboBox1->findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive);
    return item >= 0 ? ComboBox1->itemData(item).toString() : shown;
}

void ValvePage::showType(const QString& type) {
    const int item = ComboBox1->findData(type);
    ComboBox1->setCurrentIndex(item);
    ComboBox1->setEditText(item >= 0 ? ComboBox1->itemText(item) : type);
}

void ValvePage::loadType(const QString& type) {
    // A type that did not load keeps the picture of the list on screen.
    if (!type.isEmpty() && !loadValveFile(type)) {
        return;
    }
    loadValvePicture(type);
}

bool ValvePage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ComboBox1->lineEdit() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        ComboBox1->showPopup();
    }
    return CalculatorPage::eventFilter(watched, event);
}

bool ValvePage::loadValveFile(const QString& name) {
    return loadValveFile(name,
                         findDataFile(name + QStringLiteral(".dat"), QStringLiteral("valves")));
}

bool ValvePage::loadValveFile(const QString& name, const QString& path) {
    QString fault;
    const std::optional<QStringList> lines =
        path.isEmpty() ? std::nullopt : readDataFile(path, &fault);
    if (!lines) {
        // The lines and entries loaded before stay, and so does the name of
        // their type in the box: a row calculated or taken over later must not
        // be named after a file that never loaded.
        showLoadedType();
        const QString caption = tr("File load error");
        if (path.isEmpty()) {
            services_.showMessage(tr("Error no : 1000"), caption);
        } else {
            services_.showMessage(tr("The valve data file %1 is not loaded: %2.")
                                      .arg(QDir::toNativeSeparators(path), fault),
                                  caption);
        }
        return false;
    }
    // Clearing the list takes its selection, and with it a list line's diagram.
    ListBox1->clear();
    if (listDiagramRow_ >= 0) {
        showDiagram(std::nullopt, -1);
    }
    services_.shared().valveDataLines = *lines;
    loadedFile_ = path;
    loadedType_ = name;
    QStringList entries;
    entries.reserve(lines->size());
    for (const QString& line : *lines) {
        entries << entryName(line);
    }
    ListBox1->addItems(entries);
    return true;
}

void ValvePage::showLoadedType() {
    showType(loadedType_);
}

void ValvePage::loadValvePicture(const QString& type) {
    const int item = ComboBox1->findData(type);
    if (item < 0 || item >= static_cast<int>(std::size(kValvePictures))) {
        return;
    }
    try {
        if (auto picture = services_.picture(kValvePictures[item], imgVentil->size() * 2)) {
            imgVentil->setPixmap(QPixmap::fromImage(*picture));
        }
    } catch (const std::exception&) {
        services_.showMessage(tr("Error no: 1001"), tr("Resource loading error"));
    }
}

void ValvePage::showDiagram(std::optional<ValveDiagram> diagram, int listRow) {
    listDiagramRow_ = listRow;
    diagram_ = std::move(diagram);
    PaintBox1->setDiagram(diagram_ ? std::optional(diagramIn(*diagram_, flowPair_->unitSystem()))
                                   : std::nullopt);
}

void ValvePage::markOperatingPoint(double flow, double drop, double p0, double k) {
    // Only on the curve of the valve calculated: after the coefficients were
    // changed without a new diagram, the dot would stand beside the curve.
    // The dot of an earlier calculation goes either way.
    if (!diagram_) {
        return;
    }
    const bool onCurve = diagram_->curve && diagram_->curve->constantTerm == p0 &&
                         diagram_->curve->flowCoefficient == k;
    diagram_->operatingPoint = onCurve ? std::optional<QPointF>(QPointF(flow, drop)) : std::nullopt;
    PaintBox1->setDiagram(diagramIn(*diagram_, flowPair_->unitSystem()));
}

void ValvePage::showLineFault(int row, const QString& fault) {
    services_.showMessage(tr("Line %1 of the valve data file %2 is not used: %3.")
                              .arg(row + 1)
                              .arg(QDir::toNativeSeparators(loadedFile_), fault),
                          tr("Valve data error"));
}

int ValvePage::selectedRow() const {
    const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
    return selected.isEmpty() ? -1 : ListBox1->row(selected.first());
}

std::optional<ValveLine> ValvePage::selectedValve(bool tellRefusal) {
    const int row = selectedRow();
    const QStringList& lines = services_.shared().valveDataLines;
    if (row < 0 || row >= lines.size()) {
        return std::nullopt;
    }
    ValveLineReading reading = readValveLine(lines.at(row));
    if (!reading.valve) {
        if (tellRefusal) {
            showLineFault(row, reading.fault);
        }
        return std::nullopt;
    }
    slots_ = reading.valve->fields;
    return reading.valve;
}

void ValvePage::ListBox1Click() {
    const int row = selectedRow();
    if (row < 0) {
        // No selection any more: a list line's diagram goes with it.
        if (listDiagramRow_ >= 0) {
            showDiagram(std::nullopt, -1);
        }
        return;
    }
    const std::optional<ValveLine> valve = selectedValve();
    if (!valve) {
        showDiagram(std::nullopt, row);
        return;
    }
    setFlowMaximum(valve->largestFlow);
    showDiagram(characteristic(valve->largestFlow, valve->largestDrop, valve->constantTerm,
                               valve->flowCoefficient, valve->firstFlow),
                row);
}

void ValvePage::btnTestClick() {
    const auto k = userPairs_->valueOrRefusal(Coefficient, tr(kInputError));
    const auto p0 = k ? userPairs_->valueOrRefusal(MinimumPressure, tr(kInputError)) : std::nullopt;
    if (!p0) {
        return;
    }
    setFlowMaximum(kTestFlow);
    showDiagram(characteristic(kTestFlow, kTestDrop, *p0, *k, 0), -1);
}

void ValvePage::BitBtn8Click() {
    showDiagram(std::nullopt, -1);
}

void ValvePage::BitBtn10Click() {
    const bool userDefined = pgcntrsValves->currentIndex() == 1;
    // A text that is no figure is named, its field red, before anything is computed.
    const std::optional<double> flow = flowPair_->valueOrRefusal(0, tr(kInputError));
    const std::optional<double> intake =
        flow ? pairs_->valueOrRefusal(0, tr(kInputError)) : std::nullopt;
    if (!intake) {
        return;
    }
    double k = 0;
    double p0 = 0;
    std::optional<double> largestFlow;
    QString name;
    QString source;
    if (userDefined) {
        const auto userK = userPairs_->valueOrRefusal(Coefficient, tr(kInputError));
        const auto userP0 =
            userK ? userPairs_->valueOrRefusal(MinimumPressure, tr(kInputError)) : std::nullopt;
        if (!userP0) {
            return;
        }
        k = *userK;
        p0 = *userP0;
        name = tr("User defined valve");
    } else {
        const int row = selectedRow();
        if (row < 0) {
            services_.showMessage(tr("Please select a valve first: choose the valve type, then "
                                     "click the valve's size in the list below it."),
                                  tr("No valve selected"));
            return;
        }
        // A refused line was reported when it was chosen; the drop label
        // keeps what it showed.
        const std::optional<ValveLine> valve = selectedValve(false);
        if (!valve) {
            return;
        }
        k = valve->flowCoefficient;
        p0 = valve->constantTerm;
        largestFlow = valve->largestFlow;
        name = loadedType_ + QLatin1Char(' ') + ListBox1->item(row)->text();
        source = tr("Data line: %1").arg(services_.shared().valveDataLines.at(row).trimmed());
    }
    Valve valve(*intake, *flow, k, p0, PortSide::Intake);
    valve.setName(name.toStdString());
    valve.computeDrop();
    const double drop = valve.drop();
    const units::UnitSystem system = services_.shared().unitSystem;
    // The outlet cannot lie below nought: the intake must carry the drop.
    if (*intake < drop) {
        using units::Quantity;
        services_.showMessage(
            tr("The intake pressure %1 is below the valve's drop of %2 at %3: the outlet would be "
               "below %4. Please raise the intake pressure.")
                .arg(figureText(*intake, Quantity::Pressure, "%.2f", system),
                     figureText(drop, Quantity::Pressure, "%.2f", system),
                     figureText(*flow, Quantity::Flow, "%.2f", system),
                     figureText(0.0, Quantity::Pressure, "%.f", system)),
            tr("Intake pressure too low"));
        return;
    }
    if (source.isEmpty()) {
        // As many digits as the coefficient has: the slider gives 1/1500 steps.
        source = tr("User coefficients: k = %1 bar/(l/min)^2, p0 = %2 bar")
                     .arg(QString::number(k, 'g', 6), QString::number(p0, 'g', 6));
    }
    valve.setSource(source.toStdString());
    drop_.show(0, drop);
    lastValve_ = ValveTakeOver{drop, name, p0, k, largestFlow};
    markOperatingPoint(*flow, drop, p0, k);
    // Above the largest flow of its data the valve runs outside what its
    // maker measured: said here and in the report, as the circuit does.
    // One sentence, so that a translation may place the name and the figures.
    QString warning;
    if (largestFlow && *flow > *largestFlow) {
        using units::Quantity;
        warning = tr("Warning: the valve \"%1\" runs at %2, above the largest flow of its data, %3")
                      .arg(name, figureText(*flow, Quantity::Flow, "%.2f", system),
                           figureText(*largestFlow, Quantity::Flow, "%.2f", system));
    }
    if (services_.writeCalculations()) {
        units::ReportRows rows;
        valve.writeReportRows(rows);
        if (!warning.isEmpty()) {
            rows.push_back(units::textRow(" ", true));
            // A text row: the user's name may hold anything, a unit mark too.
            rows.push_back(units::textRow(warning.toStdString()));
        }
        appendReportRows(services_, rows);
    }
    if (!warning.isEmpty()) {
        services_.showMessage(warning, tr("Valve pressure drop"));
    }
}

void ValvePage::btnValveOpenClick() {
    QFileDialog dialog(this, tr("Open valve data file"));
    // The program's own dialog, so it looks the same everywhere and a test
    // can answer it.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({tr("Valve data (*.dat)"), tr("All files (*)")});
    dialog.setDirectory(loadedFile_.isEmpty() ? dataFolder(QStringLiteral("valves"))
                                              : QFileInfo(loadedFile_).absolutePath());
    if (services_.runDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString path = dialog.selectedFiles().constFirst();
    // Listed under the file's name, as a type typed into the box would be.
    const QString name = QFileInfo(path).completeBaseName();
    showType(name);
    typedName_ = false;
    if (loadValveFile(name, path)) {
        loadValvePicture(name);
    }
}

void ValvePage::Koristiprotok1Click() {
    try {
        const std::optional<double> pumpFlow = pumpFlow_();
        if (!pumpFlow) {
            return;
        }
        const double flow = std::trunc(*pumpFlow);
        if (flow < flowPair_->pair(0).row.slider.maximum) {
            // The slider to the whole flow, the field to the flow itself.
            FieldPairs::showResult(flowPair_->pair(0), std::max(*pumpFlow, 0.0),
                                   shownFlow(std::max(*pumpFlow, 0.0)));
        } else {
            services_.showMessage(tr("Flow to big for this valve, please select other"),
                                  tr(kApplicationTitle));
        }
    } catch (const std::exception& failure) {
        services_.showMessage(tr("ERROR::%1").arg(faultText(failure)),
                              tr("Valve flow slider set error"));
    }
}

std::vector<PageChoice> ValvePage::choices() {
    return {{.name = QStringLiteral("pgcntrsValves"),
             .count = pgcntrsValves->count(),
             .item = [this] { return pgcntrsValves->currentIndex(); },
             .setItem = [this](int item) { pgcntrsValves->setCurrentIndex(item); }},
            {.name = QStringLiteral("ComboBox1"),
             .text = [this] { return loadedType_; },
             .setText = [this](const QString& name) { restoreValveType(name); }},
            {.name = QStringLiteral("ListBox1"),
             .text =
                 [this] {
                     const int row = selectedRow();
                     return row < 0 ? QString() : ListBox1->item(row)->text();
                 },
             .setText = [this](const QString& name) { restoreValveLine(name); }}};
}

void ValvePage::restoreValveType(const QString& name) {
    if (name == loadedType_) {
        return;
    }
    typedName_ = false;
    if (name.isEmpty()) {
        ListBox1->clear();
        showDiagram(std::nullopt, -1);
        services_.shared().valveDataLines.clear();
        loadedFile_.clear();
        loadedType_.clear();
        ComboBox1->setCurrentIndex(-1);
        imgVentil->clear();
        return;
    }
    // By the type itself, not by the text shown for it: a design keeps types
    // in no language.
    showType(name);
    loadType(name);
}

void ValvePage::restoreValveLine(const QString& name) {
    const QList<QListWidgetItem*> found = ListBox1->findItems(name, Qt::MatchExactly);
    if (name.isEmpty() || found.isEmpty()) {
        ListBox1->clearSelection();
        return;
    }
    ListBox1->setCurrentItem(found.first());
}

void ValvePage::saveResults(PageState& state) const {
    // The test diagram of typed coefficients; a list line's comes back with
    // its selection.
    // The model's figures, whatever units the diagram shows.
    const auto& shown = diagram_;
    if (listDiagramRow_ < 0 && shown && shown->curve) {
        state.results[QStringLiteral("testDiagram.constantTerm")] = shown->curve->constantTerm;
        state.results[QStringLiteral("testDiagram.flowCoefficient")] =
            shown->curve->flowCoefficient;
    }
    if (!lastValve_) {
        return;
    }
    state.results.insert({{QStringLiteral("drop"), lastValve_->drop},
                          {QStringLiteral("constantTerm"), lastValve_->constantTerm},
                          {QStringLiteral("flowCoefficient"), lastValve_->flowCoefficient}});
    if (lastValve_->largestFlow) {
        state.results[QStringLiteral("largestFlow")] = *lastValve_->largestFlow;
    }
    state.names[QStringLiteral("valve")] = lastValve_->name;
}

void ValvePage::restoreResults(const PageState& state) {
    const auto& results = state.results;
    const auto testP0 = results.find(QStringLiteral("testDiagram.constantTerm"));
    const auto testK = results.find(QStringLiteral("testDiagram.flowCoefficient"));
    if (testP0 != results.end() && testK != results.end()) {
        showDiagram(characteristic(kTestFlow, kTestDrop, testP0->second, testK->second, 0), -1);
    } else if (listDiagramRow_ < 0) {
        showDiagram(std::nullopt, -1);
    }
    lastValve_.reset();
    const auto drop = results.find(QStringLiteral("drop"));
    const auto p0 = results.find(QStringLiteral("constantTerm"));
    const auto k = results.find(QStringLiteral("flowCoefficient"));
    const auto name = state.names.find(QStringLiteral("valve"));
    if (drop == results.end() || p0 == results.end() || k == results.end() ||
        name == state.names.end()) {
        drop_.show(0, std::nullopt);
        return;
    }
    std::optional<double> largestFlow;
    if (const auto largest = results.find(QStringLiteral("largestFlow"));
        largest != results.end()) {
        largestFlow = largest->second;
    }
    lastValve_ = ValveTakeOver{drop->second, name->second, p0->second, k->second, largestFlow};
    drop_.show(0, drop->second);
}

std::optional<ValveTakeOver> ValvePage::takeOver() const {
    return lastValve_;
}

QString ValvePage::dropText() const {
    return lblFall->text();
}

void ValvePage::setFlowSliderMaximum(int maximum) {
    setFlowMaximum(maximum);
}

void ValvePage::setUnitSystem(units::UnitSystem system) {
    CalculatorPage::setUnitSystem(system);
    drop_.setUnitSystem(system);
    if (diagram_) {
        PaintBox1->setDiagram(diagramIn(*diagram_, system));
    }
}

void ValvePage::setFlowMaximum(int maximum) {
    flowPair_->setSliderMaximum(0, maximum);
    // Ticks at least four pixels apart, or they merge into a grey bar.
    const int span = tbVENTIL_Q->maximum() - tbVENTIL_Q->minimum();
    int interval = 1;
    while (span / interval > tbVENTIL_Q->width() / 4) {
        interval *= 10;
    }
    tbVENTIL_Q->setTickInterval(interval);
    tbVENTIL_Q->setPageStep(std::max(1, span / 10));
}
