#include "app/Uhidromotor.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSessionManager>
#include <QSettings>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "app/About.h"
#include "app/DesignSession.h"
#include "app/EveryLanguage.h"
#include "app/FluidPanelUnits.h"
#include "app/FluidSelector.h"
#include "app/Language.h"
#include "app/LogRecovery.h"
#include "app/MessageButtons.h"
#include "app/ResultsLogPage.h"
#include "app/SystemError.h"
#include "app/WorkingFluidPanel.h"
#include "model/Quantity.h"
#include "model/faults.h"
#include "model/fluids.h"
#include "model/numtext.h"
#include "pages/CircuitPage.h"
#include "pages/CylinderPage.h"
#include "pages/LinePage.h"
#include "pages/MotorPage.h"
#include "pages/PumpPage.h"
#include "pages/SystemPage.h"
#include "pages/ValvePage.h"
#include "ui/CalculatorPage.h"
#include "ui/ClickableLabel.h"
#include "ui/DataFiles.h"
#include "ui/DigitKeyFilter.h"
#include "ui/FieldAccess.h"
#include "ui/FieldWidgets.h"
#include "ui/ModelText.h"
#include "ui/ScaledArrangement.h"
#include "ui/SvgIcon.h"

namespace {

constexpr int kPagesHeight = 455;
constexpr int kPanelHeight = 114;
// The caption of the application-wide message is cut like its 256-byte buffer.
constexpr int kCaptionLimit = 255;

QString logCaption() {
    return TfrmKalvorMain::tr("Results log");
}

// The manual's section for each page, by the page's name.
constexpr std::pair<const char*, const char*> kManualSections[] = {
    {"tsPumpa", "pump"},   {"tdHidromotor", "motor"}, {"tsHidrocilinder", "cylinder"},
    {"tsUsputni", "pipe"}, {"tsLokalni", "valve"},    {"tbProst", "circuit"},
    {"tbInfo", "log"},
};

// Settings another version or a hand edit left behind are taken only when
// they are numbers; anything else leaves the field as it starts.
bool isNumber(const QString& text) {
    try {
        numtext::StrToFloat(text.toStdString());
        return true;
    } catch (const ConversionError&) {
        return false;
    }
}

// The log's lines that start a run and name the fluid of the entries below.
// The heading's start is the same in every language, the fluid line's is not.
constexpr const char* kHeadingStart = " ===== ";
constexpr const char* kContext = "TfrmKalvorMain";
constexpr const char* kFluidLineStart = QT_TRANSLATE_NOOP("TfrmKalvorMain", " Working fluid: ");
constexpr const char* kFluidAt = QT_TRANSLATE_NOOP("TfrmKalvorMain", "%1 at %2 %3");
constexpr const char* kUserDefined = QT_TRANSLATE_NOOP("TfrmKalvorMain", "user defined");

QString now() {
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

}  // namespace

TfrmKalvorMain::TfrmKalvorMain(QWidget* parent, std::unique_ptr<Desktop> desktop)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      desktop_(desktop ? std::move(desktop) : std::make_unique<Desktop>()),
      languages_(std::make_unique<EveryLanguage>(shippedTranslations())) {
    setObjectName(QStringLiteral("frmKalvorMain"));
    setWindowTitle(tr("Hydraulic calculator QX7  ver: 1.0"));
    setWindowIcon(svgIcon(QStringLiteral(":/program/hydrocalc.svg")));
    QFont windowFont(QStringLiteral("DejaVu Sans"));
    windowFont.setPixelSize(11);
    setFont(windowFont);
    // The pages are placed for this size; a larger window scales them as a
    // whole, fonts included.
    setMinimumSize(kClientWidth, kClientHeight);
    resize(kClientWidth, kClientHeight);
    move(250, 133);
    FormCreate();
    arrangement_ = std::make_unique<ScaledArrangement>(*this, QSize(kClientWidth, kClientHeight));
    // A page's controls made or moved since the last arrangement follow it
    // when the page comes to the front.
    connectGuarded(PageControl1, &QTabWidget::currentChanged, this, *this, [this](int index) {
        if (index >= 0 && index < kCalculators) {
            calculator(index);
        } else if (PageControl1->widget(index) == logSheet_) {
            resultsLog();
        }
        arrangement_->apply();
    });
    restoreSettings();
    makeFrontPage();
}

TfrmKalvorMain::~TfrmKalvorMain() = default;

void TfrmKalvorMain::FormCreate() {
    // Failures of every handler of every page end in reportFailure: the pages
    // connect through the guard with this window as the route.
    edSnagaKeyPress_ = new DigitKeyFilter(this);
    edNKeyPress_ = new DigitKeyFilter(this);
    shared_.valveDataLines.clear();
    buildPages();
    connectPanel();
    design_ = new DesignSession(
        {.window = this,
         .madePages = [this] { return madePages(); },
         .makeEveryPage = [this] { buildEveryPage(); },
         .madeLog = [this] { return resultsLog_; },
         .copyLinkedFigures = [this] { copyPumpFlowToCircuit(); },
         .panel = panel_,
         .fluid = fluidSelector_,
         .logState = &logState_,
         .desktop = desktop_.get(),
         .ask =
             [this](const QString& text, const QString& caption, int icon, int buttons,
                    const QString& detail) {
                 return runMessage(text, caption, icon, buttons, detail);
             },
         .quiet = [this](bool quiet) { quiet_ = quiet; },
         .guarded = [this](std::function<void()> command) { runGuarded(*this, command); }});
    setProjectPage(projectPageUrl());
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connectGuarded(help, &QShortcut::activated, this, *this, [this] { helpOnPage(); });
}

void TfrmKalvorMain::buildPages() {
    auto* Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, kClientWidth, kPagesHeight);
    PageControl1 = new QTabWidget(Panel1);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, 0, kClientWidth, kPagesHeight);
    PageControl1->setIconSize(QSize(20, 20));
    // Eight tabs share the window's width; none may hide behind scroll arrows.
    PageControl1->tabBar()->setUsesScrollButtons(false);
    PageControl1->tabBar()->setElideMode(Qt::ElideNone);

    // A tab holds a sheet of the page's name; the page goes into it when it
    // is made. The log too is made when it is first shown or written to.
    struct Tab {
        const char* name;
        const char* caption;
        int image;
    };
    const Tab tabs[] = {
        {"tsPumpa", QT_TR_NOOP("Pump"), 0},
        {"tdHidromotor", QT_TR_NOOP("Hydro motor"), 1},
        {"tsHidrocilinder", QT_TR_NOOP("Hydro Cylinder"), 2},
        {"tsUsputni", QT_TR_NOOP("Pipe pressure drop"), 3},
        {"tsLokalni", QT_TR_NOOP("Valve pressure drop"), 4},
        {"tbProst", QT_TR_NOOP("Simple pipeline"), 6},
        {"tsSystem", QT_TR_NOOP("System"), 7},
        {"tbInfo", QT_TR_NOOP("Result's"), 5},
    };
    for (const Tab& tab : tabs) {
        auto* sheet = new QWidget;
        sheet->setObjectName(QString::fromLatin1(tab.name));
        auto* fill = new QVBoxLayout(sheet);
        fill->setContentsMargins(0, 0, 0, 0);
        if (sheet->objectName() == QLatin1String("tbInfo")) {
            logSheet_ = sheet;
        } else if (PageControl1->count() < kCalculators) {
            sheets_[static_cast<std::size_t>(PageControl1->count())] = sheet;
        }
        const QIcon icon = svgIcon(QStringLiteral(":/program/tabs/%1.svg").arg(tab.image));
        PageControl1->addTab(sheet, icon, tr(tab.caption));
    }
    // The log's tab stands out from the calculators.
    PageControl1->tabBar()->setTabTextColor(PageControl1->indexOf(logSheet_), QColor(0, 0, 160));
    // A first start shows the first calculator; later starts the page last
    // used. Its page is made once the settings have chosen it.
    PageControl1->setCurrentIndex(CalculatorTab<PumpPage>::index);

    panel_ = new WorkingFluidPanel(this);
    panel_->setGeometry(0, kPagesHeight, kClientWidth, kPanelHeight);
    fluidUnits_ = std::make_unique<FluidPanelUnits>(*panel_);
    fluidSelector_ = new FluidSelector(*panel_, *this, *fluidUnits_);
}

void TfrmKalvorMain::connectPanel() {
    // The line page's figures were computed with the fluid of their calculation.
    for (QLineEdit* fluid : {panel_->Edit1, panel_->Edit2}) {
        connectGuarded(fluid, &QLineEdit::textChanged, this, *this, [this] {
            if (pageBuilt(CalculatorTab<LinePage>::index)) {
                page<LinePage>().fluidChanged();
            }
        });
    }
    connectGuarded(panel_->cbUnits, &QComboBox::currentIndexChanged, this, *this,
                   [this] { cbUnitsChange(); });
    connectGuarded(panel_->cbLanguage, &QComboBox::currentIndexChanged, this, *this,
                   [this] { cbLanguageChange(); });
    connectGuarded(panel_->btnExit, &QPushButton::clicked, this, *this, [this] { btnExitClick(); });
    connectGuarded(panel_->spdHelp, &QToolButton::clicked, this, *this, [this] { spdHelpClick(); });
    connectGuarded(panel_->StaticText1, &ClickableLabel::clicked, this, *this,
                   [this] { StaticText1Click(); });
}

void TfrmKalvorMain::cbLanguageChange() {
    const int index = panel_->cbLanguage->currentIndex();
    if (index < 0) {
        return;
    }
    saveLanguage(*desktop_->settings(), static_cast<LanguageChoice>(index));
    if (!quiet_) {
        runMessage(tr("The calculator uses the language chosen from its next start. Entries "
                      "already in the results log stay as they were written."),
                   tr("Language"), QMessageBox::Information, QMessageBox::Ok, {});
    }
}

void TfrmKalvorMain::cbUnitsChange() {
    const std::vector<units::UnitSystem> systems = units::unitSystems();
    const int index = panel_->cbUnits->currentIndex();
    if (index < 0 || index >= static_cast<int>(systems.size())) {
        return;
    }
    const units::UnitSystem system = systems[static_cast<std::size_t>(index)];
    if (system == shared_.unitSystem) {
        return;
    }
    // The fluid a table fluid was chosen at stays chosen at it.
    const bool applied = !fluidSelector_->appliedTemperature().isEmpty() &&
                         fluidSelector_->appliedTemperature() == panel_->edTemperatura->text();
    fluidUnits_->show(system);
    if (applied) {
        fluidSelector_->takeFiguresAsApplied();
    }
    shared_.unitSystem = system;
    // A page not made yet starts in the system when it is made.
    for (CalculatorPage* page : calculators_) {
        if (page != nullptr) {
            page->setUnitSystem(system);
        }
    }
}

CalculatorPage* TfrmKalvorMain::makePage(int index) {
    // What a page reads of the others it gets as lambdas that ask for the
    // other page when called, which makes it if it is not made yet.
    auto pumpFlow = [this] { return page<PumpPage>().flow(); };
    auto cylinder = [this] { return page<CylinderPage>().definition(); };
    switch (index) {
        case CalculatorTab<PumpPage>::index:
            return new PumpPage(*this);
        case CalculatorTab<MotorPage>::index:
            return new MotorPage(*this);
        case CalculatorTab<CylinderPage>::index:
            return new CylinderPage(*this, pumpFlow);
        case CalculatorTab<LinePage>::index:
            return new LinePage(
                *this,
                {pumpFlow, [this] { return page<CircuitPage>().operationLineDrop(); }, cylinder});
        case CalculatorTab<ValvePage>::index:
            return new ValvePage(*this, pumpFlow);
        case CalculatorTab<CircuitPage>::index:
            return new CircuitPage(*this,
                                   {[this] { return page<PumpPage>().inputs(); }, pumpFlow,
                                    [this] { return page<LinePage>().takeOver(); },
                                    [this] { return page<ValvePage>().takeOver(); }, cylinder});
        default:
            return new SystemPage(
                *this, {pumpFlow, [this] { return page<CircuitPage>().powerLost(); }, cylinder});
    }
}

void TfrmKalvorMain::linkPage(int index) {
    // Every link between pages is made here, and only here, once both pages
    // are made; a link to a page not made yet makes it when it is used.
    switch (index) {
        case CalculatorTab<PumpPage>::index:
            connectGuarded(&page<PumpPage>(), &PumpPage::flowChanged, this, *this,
                           [this](const QString& text) {
                               if (pageBuilt(CalculatorTab<CircuitPage>::index)) {
                                   page<CircuitPage>().setPumpFlow(text);
                               }
                           });
            break;
        case CalculatorTab<LinePage>::index:
            connectGuarded(
                &page<LinePage>(), &LinePage::diagramFlowRange, this, *this,
                [this](int flowCells) { page<ValvePage>().setFlowSliderMaximum(flowCells); });
            break;
        case CalculatorTab<CircuitPage>::index:
            connectGuarded(&page<CircuitPage>(), &CircuitPage::valveCalculationRequested, this,
                           *this, [this] { page<ValvePage>().BitBtn10Click(); });
            copyPumpFlowToCircuit();
            break;
        case CalculatorTab<SystemPage>::index:
            connectGuarded(&page<SystemPage>(), &SystemPage::lineSizeChosen, this, *this,
                           [this](const LineSizeTakeOver& line) {
                               page<LinePage>().takeLineSize(line);
                               PageControl1->setCurrentIndex(CalculatorTab<LinePage>::index);
                           });
            break;
        default:
            break;
    }
}

CalculatorPage& TfrmKalvorMain::calculator(int index) {
    const auto slot = static_cast<std::size_t>(index);
    if (calculators_.at(slot) == nullptr) {
        CalculatorPage* made = makePage(index);
        calculators_[slot] = made;
        // The page shows the system chosen before it was made.
        if (shared_.unitSystem != units::kMetric) {
            made->setUnitSystem(shared_.unitSystem);
        }
        sheets_[slot]->layout()->addWidget(made);
        made->setVisible(true);
        linkPage(index);
        if (activated_) {
            startPage(*made);
            // Its state now is its start in every new design.
            design_->pageMade(*made);
            if (auto* system = dynamic_cast<SystemPage*>(made)) {
                for (CalculatorPage* calculator : system->calculators()) {
                    design_->pageMade(*calculator);
                }
            }
        }
        if (arrangement_) {
            arrangement_->apply();
        }
    }
    return *calculators_[slot];
}

void TfrmKalvorMain::copyPumpFlowToCircuit() {
    // The circuit's flow field is the pump's, from the circuit's start.
    if (pageBuilt(CalculatorTab<CircuitPage>::index)) {
        page<CircuitPage>().setPumpFlow(page<PumpPage>().flowText());
    }
}

bool TfrmKalvorMain::pageBuilt(int tab) const {
    return tab >= 0 && tab < kCalculators && calculators_.at(static_cast<std::size_t>(tab));
}

std::vector<CalculatorPage*> TfrmKalvorMain::madePages() const {
    std::vector<CalculatorPage*> made;
    for (CalculatorPage* page : calculators_) {
        if (page != nullptr) {
            made.push_back(page);
            // The system page's calculators are kept each on its own, after
            // the page that shows them.
            if (auto* system = dynamic_cast<SystemPage*>(page)) {
                for (CalculatorPage* calculator : system->calculators()) {
                    made.push_back(calculator);
                }
            }
        }
    }
    return made;
}

void TfrmKalvorMain::makeFrontPage() {
    const int front = PageControl1->currentIndex();
    if (front >= 0 && front < kCalculators) {
        calculator(front);
    } else if (PageControl1->widget(front) == logSheet_) {
        resultsLog();
    }
}

void TfrmKalvorMain::buildEveryPage() {
    for (int index = 0; index < kCalculators; ++index) {
        calculator(index);
    }
    resultsLog();
}

ResultsLogPage& TfrmKalvorMain::resultsLog() {
    if (resultsLog_ == nullptr) {
        resultsLog_ = new ResultsLogPage(logState_, *desktop_, *this);
        logSheet_->layout()->addWidget(resultsLog_);
        resultsLog_->setVisible(true);
        if (recovery_) {
            watchLog();
        }
        design_->logMade(*resultsLog_);
        if (arrangement_) {
            arrangement_->apply();
        }
    }
    return *resultsLog_;
}

void TfrmKalvorMain::watchLog() {
    QTextDocument* log = resultsLog_->log()->document();
    connectGuarded(log, &QTextDocument::contentsChanged, this, *this,
                   [this] { recoverySoon_.start(); });
    connectGuarded(log, &QTextDocument::modificationChanged, this, *this,
                   [this] { recoverySoon_.start(); });
}

void TfrmKalvorMain::startPage(CalculatorPage& page) {
    try {
        page.startUp();
        page.loadPictures();
    } catch (const std::exception& failure) {
        showMessage(tr("ERROR: Aplication start"), faultText(failure));
    }
}

bool TfrmKalvorMain::event(QEvent* event) {
    // Without a window manager (a virtual display) the window may never be
    // activated; its first showing starts the pages all the same.
    const bool starts = event->type() == QEvent::WindowActivate || event->type() == QEvent::Show;
    if (starts && !activated_) {
        activated_ = true;
        runGuarded(*this, [this] { FormActivate(); });
    }
    // A painting comes after the window is on the screen, not merely asked for.
    if (event->type() == QEvent::Paint && picturesWaiting_) {
        picturesWaiting_ = false;
        QTimer::singleShot(0, this, [this] { runGuarded(*this, [this] { drawDuePictures(); }); });
    }
    return QWidget::event(event);
}

void TfrmKalvorMain::FormActivate() {
    bool started = false;
    try {
        shared_.loadDirection = false;
        // The pages made so far; the others start when they are made.
        for (CalculatorPage* page : calculators_) {
            if (page != nullptr) {
                page->startUp();
            }
        }
        started = true;
    } catch (const std::exception& failure) {
        showMessage(tr("ERROR: Aplication start"), faultText(failure));
    }
    // What the pages show now is the start of every new design.
    design_->begin();
    if (!started) {
        return;
    }
    // Drawing the pictures (the bundle opened, their lettering's fonts
    // loaded) would hold up the window's first appearance; they follow its
    // first painting. A page made before then draws its own when it starts.
    for (CalculatorPage* page : calculators_) {
        if (page != nullptr) {
            picturesDue_.emplace_back(page);
        }
    }
    picturesWaiting_ = true;
}

void TfrmKalvorMain::drawDuePictures() {
    const std::vector<QPointer<CalculatorPage>> due = std::exchange(picturesDue_, {});
    // No bundle: no picture and no word about it. A bundle without a
    // picture is a faulty installation and is reported.
    try {
        for (CalculatorPage* page : due) {
            if (page != nullptr) {
                page->loadPictures();
            }
        }
    } catch (const std::exception& failure) {
        showMessage(tr("ERROR: Aplication start"), faultText(failure));
    }
}

void TfrmKalvorMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (arrangement_) {
        arrangement_->apply();
    }
}

void TfrmKalvorMain::closeEvent(QCloseEvent* event) {
    event->ignore();
    runGuarded(*this, [this, event] {
        if (!mayClose()) {
            return;
        }
        saveSettings();
        if (recovery_) {
            recoverySoon_.stop();
            recovery_->discard();
        }
        design_->discardRecovery();
        shared_.valveDataLines.clear();
        event->accept();
    });
}

bool TfrmKalvorMain::mayClose() {
    // One question for the design and the log together.
    try {
        return design_->mayDiscard();
    } catch (const std::exception& failure) {
        reportFailure(failure);
        return false;
    }
}

void TfrmKalvorMain::restoreSettings() {
    const std::unique_ptr<QSettings> settings = desktop_->settings();
    // By its key, whatever language the last run spoke.
    panel_->chooseFluid(settings->value(QStringLiteral("fluid/type")).toString());
    const std::pair<const char*, QLineEdit*> figures[] = {
        {"fluid/temperature", panel_->edTemperatura},
        {"fluid/density", panel_->Edit1},
        {"fluid/viscosity", panel_->Edit2},
    };
    for (const auto& [key, field] : figures) {
        const QString text = settings->value(QLatin1String(key)).toString();
        if (isNumber(text)) {
            field->setText(text);
        }
    }
    fluidSelector_->takeFiguresAsApplied();
    // The figures above are metric; the pages and the panel then show them
    // in the system last chosen.
    const QString system = settings->value(QStringLiteral("units/system")).toString();
    const std::vector<units::UnitSystem> systems = units::unitSystems();
    for (std::size_t index = 0; index < systems.size(); ++index) {
        if (QString::fromUtf8(systems[index].name) == system) {
            panel_->cbUnits->setCurrentIndex(static_cast<int>(index));
        }
    }
    panel_->chBelezi->setChecked(
        settings->value(QStringLiteral("log/writeCalculations"), true).toBool());
    {
        // Showing the kept choice is no new choice: no note about it.
        const QSignalBlocker quiet(panel_->cbLanguage);
        panel_->cbLanguage->setCurrentIndex(static_cast<int>(savedLanguage(*settings)));
    }
    const QString folder = settings->value(QStringLiteral("log/folder")).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) {
        logState_.lastFolder = folder;
    }
    bool isTab = false;
    const int tab = settings->value(QStringLiteral("window/tab")).toInt(&isTab);
    if (isTab && tab >= 0 && tab < PageControl1->count()) {
        PageControl1->setCurrentIndex(tab);
    }
    // A screen that has gone since (a laptop off its dock) must not take the
    // window along: its caption has to be on a screen there is.
    const QVariant position = settings->value(QStringLiteral("window/position"));
    if (position.canConvert<QPoint>()) {
        const QPoint topLeft = position.toPoint();
        if (QGuiApplication::screenAt(topLeft + QPoint(width() / 2, 8)) != nullptr) {
            move(topLeft);
        }
    }
}

void TfrmKalvorMain::saveSettings() {
    const std::unique_ptr<QSettings> settings = desktop_->settings();
    settings->setValue(QStringLiteral("fluid/type"), panel_->fluidKey());
    settings->setValue(QStringLiteral("fluid/temperature"), fluidUnits_->metricTemperature());
    settings->setValue(QStringLiteral("fluid/density"), fluidUnits_->metricDensity());
    settings->setValue(QStringLiteral("units/system"), QString::fromUtf8(shared_.unitSystem.name));
    settings->setValue(QStringLiteral("fluid/viscosity"), panel_->Edit2->text());
    settings->setValue(QStringLiteral("log/writeCalculations"), panel_->chBelezi->isChecked());
    if (!logState_.lastFolder.isEmpty()) {
        settings->setValue(QStringLiteral("log/folder"), logState_.lastFolder);
    }
    settings->setValue(QStringLiteral("window/tab"), PageControl1->currentIndex());
    settings->setValue(QStringLiteral("window/position"), pos());
}

void TfrmKalvorMain::beginSession() {
    if (recovery_) {
        return;
    }
    headingDue_ = true;
    recovery_ = std::make_unique<LogRecovery>(
        QDir(desktop_->dataFolder()).filePath(QStringLiteral("recovery")));
    // One write for all the changes of one event, however many.
    recoverySoon_.setSingleShot(true);
    recoverySoon_.setInterval(0);
    connectGuarded(&recoverySoon_, &QTimer::timeout, this, *this, [this] { keepRecoveryCopy(); });
    // A log not made yet holds nothing to keep; it is watched once made.
    if (resultsLog_ != nullptr) {
        watchLog();
    }
    // A logout ends the program without closing its window: the same question.
    // (The guard's slot copies its arguments; the session manager is no copy.)
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, this,
                     [this](QSessionManager& manager) {
                         runGuarded(*this, [this, &manager] { commitData(manager); });
                     });
    // A design left by a crash comes back with its log, in one question;
    // the log's own copies of that run are then not asked about again.
    if (design_->beginRecovery(
            QDir(desktop_->dataFolder()).filePath(QStringLiteral("recovery/design")))) {
        recovery_->claimOrphans();
        recovery_->dropOrphans();
        return;
    }
    offerRecovery();
}

bool TfrmKalvorMain::openDesignFile(const QString& path) {
    bool opened = false;
    runGuarded(*this, [this, &path, &opened] { opened = design_->openDesignFile(path); });
    return opened;
}

void TfrmKalvorMain::commitData(QSessionManager& manager) {
    if ((resultsLog_ != nullptr && resultsLog_->hasUnsavedWork()) || design_->modified()) {
        // Without leave to ask, the copy stays for the next start.
        if (!manager.allowsInteraction()) {
            saveSettings();
            return;
        }
        const bool goes = mayClose();
        manager.release();
        if (!goes) {
            manager.cancel();
            return;
        }
    }
    saveSettings();
    recoverySoon_.stop();
    recovery_->discard();
    design_->discardRecovery();
}

void TfrmKalvorMain::offerRecovery() {
    const QString orphaned = recovery_->claimOrphans();
    if (orphaned.isEmpty()) {
        recovery_->dropOrphans();
        return;
    }
    const int answer =
        runMessage(tr("The calculator did not end normally last time, and its results log "
                      "held calculations that were never saved.\n\nRestore them into the "
                      "log? No deletes them."),
                   logCaption(), QMessageBox::Question, QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes) {
        resultsLog().appendRestored(orphaned);
        PageControl1->setCurrentWidget(logSheet_);
        recoverySoon_.stop();
        // The old copies go only once this run's own copy holds their text:
        // if it cannot be written now, at the next change that writes it.
        keepRecoveryCopy(true);
        return;
    } else if (answer != QMessageBox::No) {
        // Neither answer (the question was closed): asked again next time.
        recovery_->releaseOrphans();
        return;
    }
    recovery_->dropOrphans();
}

bool TfrmKalvorMain::keepRecoveryCopy(bool adoptingOrphans) {
    if (!recovery_) {
        return true;
    }
    // A log not made yet holds nothing to keep.
    const QString text =
        resultsLog_ != nullptr && resultsLog_->hasUnsavedWork() ? resultsLog_->text() : QString();
    const QString failure = adoptingOrphans ? recovery_->adoptOrphans(text) : recovery_->keep(text);
    if (failure.isEmpty()) {
        return true;
    }
    // Once a run is enough: the copy is tried again at every change.
    if (!recoveryFailureShown_) {
        recoveryFailureShown_ = true;
        showMessage(tr("The results log cannot be kept safe against a crash in "
                       "%1:\n%2\n\nSave it yourself now and then.")
                        .arg(QDir::toNativeSeparators(recovery_->folder()), failure),
                    logCaption());
    }
    return false;
}

ReportLines TfrmKalvorMain::sessionHeading() const {
    return {QStringLiteral(" ===== %1, %2 =====").arg(shownProgramTitle(), now()).toStdString()};
}

QString TfrmKalvorMain::fluidLine(const EveryLanguage::Words& words) const {
    // Only a fluid of the table has a temperature its figures belong to;
    // typed figures (or the start values) are the user's own. The panel
    // shows its figures in the units of the pages: the line names those.
    const units::UnitSystem system = shared_.unitSystem;
    // The spellings are the unit table's literals: whole C strings, which the
    // language spells its own way, as it does in the reports.
    const auto unitOf = [system, &words](units::Quantity quantity, bool symbol = false) {
        const units::Unit& unit = units::displayUnit(quantity, system);
        return words("Unit", symbol ? unit.display.data() : unit.ascii.data());
    };
    const QString temperature = fluidSelector_->appliedTemperature();
    const QString fluid = panel_->fluidKey();
    const bool fromTable = !temperature.isEmpty() && findFluid(fluid.toStdString()) != nullptr;
    const QString kind =
        fromTable ? words(kContext, kFluidAt)
                        .arg(fluid, temperature, unitOf(units::Quantity::Temperature, true))
                  : words(kContext, kUserDefined);
    return QStringLiteral("%1%2, %3 %4, %5 %6")
        .arg(words(kContext, kFluidLineStart), kind, panel_->Edit1->text(),
             unitOf(units::Quantity::Density), panel_->Edit2->text(),
             unitOf(units::Quantity::KinematicViscosity));
}

void TfrmKalvorMain::btnExitClick() {
    close();
}

void TfrmKalvorMain::spdHelpClick() {
    openManual({});
}

void TfrmKalvorMain::helpOnPage() {
    QString section;
    const QWidget* focus = focusWidget();
    if (focus != nullptr && panel_->isAncestorOf(focus)) {
        section = QStringLiteral("fluid");
    } else if (PageControl1->currentIndex() == CalculatorTab<SystemPage>::index) {
        section = page<SystemPage>().manualSection();
    } else if (const QWidget* page = PageControl1->currentWidget()) {
        for (const auto& [name, anchor] : kManualSections) {
            if (page->objectName() == QLatin1String(name)) {
                section = QLatin1String(anchor);
            }
        }
    }
    openManual(section);
}

void TfrmKalvorMain::openManual(const QString& section) {
    const QString name = QStringLiteral("HCHelp.html");
    const QString help = findDataFile(name);
    if (help.isEmpty()) {
        showMessage(tr("The manual %1 was not found in the working folder, beside "
                       "the program or in %2.")
                        .arg(name, installedDataDirs().join(QStringLiteral(", "))),
                    tr("Help"));
        return;
    }
    QUrl manual = QUrl::fromLocalFile(help);
    if (!section.isEmpty()) {
        manual.setFragment(section);
    }
    openExternally(manual, tr("the manual"));
}

void TfrmKalvorMain::openExternally(const QUrl& url, const QString& what) {
    if (!desktop_->openUrl(url)) {
        QString where = url.isLocalFile() ? url.toLocalFile() : url.toString();
        if (url.isLocalFile() && url.hasFragment()) {
            where += tr(" (section \"%1\")").arg(url.fragment());
        }
        showMessage(tr("No program on this desktop opens %1. Please open it "
                       "yourself:\n%2")
                        .arg(what, where),
                    tr("Help"));
    }
}

void TfrmKalvorMain::setProjectPage(const QString& url) {
    projectPage_ = url;
    if (projectPage_.isEmpty()) {
        panel_->StaticText1->setText(tr("About this calculator"));
        panel_->StaticText1->setToolTip(tr("The manual's About section"));
    } else {
        panel_->StaticText1->setText(QUrl(projectPage_).host());
        panel_->StaticText1->setToolTip(tr("Go to Internet page"));
    }
}

void TfrmKalvorMain::StaticText1Click() {
    // Until the project has an address, the link leads to what the manual
    // says about the program rather than to a page that does not exist.
    if (projectPage_.isEmpty()) {
        openManual(QStringLiteral("about"));
        return;
    }
    try {
        openExternally(QUrl(projectPage_), tr("the project's web page"));
    } catch (const std::exception&) {
        showMessage(tr("INNET CONNECITON ERROR"), tr("COULDN'T ESTABLISH CONNECTION"));
    }
}

int TfrmKalvorMain::runMessage(const QString& text, const QString& caption, int icon, int buttons,
                               const QString& detail) {
    QMessageBox box(static_cast<QMessageBox::Icon>(icon), caption, text,
                    static_cast<QMessageBox::StandardButtons>(buttons), this);
    nameStandardButtons(box);
    // Shown under the text, not behind a button: which field to correct.
    box.setInformativeText(detail);
    return desktop_->runDialog(box);
}

void TfrmKalvorMain::showMessage(const QString& text, const QString& caption,
                                 const QString& detail) {
    if (quiet_) {
        return;
    }
    runMessage(text, caption, QMessageBox::NoIcon, QMessageBox::Ok, detail);
}

void TfrmKalvorMain::reportFailure(const std::exception& failure) {
    const QString message = faultText(failure);
    const QString caption = tr("FATAL ERROR:: %1").arg(message).left(kCaptionLimit);
    QString text = message;
    // The system's error text only where a system call failed.
    if (const auto* system = dynamic_cast<const SystemError*>(&failure)) {
        if (!system->systemText().empty()) {
            text += QLatin1Char('\n') + QString::fromStdString(system->systemText());
        }
    }
    runMessage(text, caption, QMessageBox::Warning, QMessageBox::Ok);
}

void TfrmKalvorMain::reportUnknownFailure() {
    runMessage(QString(), tr("FATAL ERROR:: "), QMessageBox::Warning, QMessageBox::Ok);
}

void TfrmKalvorMain::resetEditColours() {
    resetTaggedEditColours(this);
}

void TfrmKalvorMain::markKnownFields(std::span<QWidget* const> fields) {
    for (QWidget* field : fields) {
        setFieldColour(field, kKnownFieldColour);
    }
}

DigitKeyFilter& TfrmKalvorMain::keyFilter(KeyFilterKind kind) {
    return kind == KeyFilterKind::Whole ? *edNKeyPress_ : *edSnagaKeyPress_;
}

std::optional<QImage> TfrmKalvorMain::picture(int number, QSize size) {
    return pictures_.picture(number, size);
}

WorkingFluidTexts TfrmKalvorMain::workingFluid() const {
    return {fluidUnits_->metricDensity(), panel_->Edit2->text()};
}

bool TfrmKalvorMain::writeCalculations() const {
    return !quiet_ && panel_->chBelezi->isChecked();
}

void TfrmKalvorMain::appendToLog(const ReportLines& lines) {
    if (quiet_) {
        return;
    }
    if (headingDue_) {
        headingDue_ = false;
        resultsLog().appendReport(sessionHeading());
    }
    // The same inputs give other results with another fluid: an entry whose
    // fluid is not the one last named above it (or with none named since
    // the run's heading or an erase) gets a line naming it. The line and
    // the entry are one addition, so one undo takes both away.
    // The log may hold entries of runs in another language (restored after a
    // crash, opened with a design): their fluid lines count in theirs.
    QStringList marks = languages_->texts(kContext, kFluidLineStart);
    marks << QString::fromLatin1(kHeadingStart);
    ResultsLogPage& log = resultsLog();
    const QString named = log.lastLineStartingWith(marks);
    if (std::ranges::any_of(languages_->languages(), [this, &named](const auto& words) {
            return fluidLine(words) == named;
        })) {
        log.appendReport(lines);
        return;
    }
    ReportLines entry{fluidLine(languages_->running()).toStdString()};
    entry.insert(entry.end(), lines.begin(), lines.end());
    log.appendReport(entry);
}
