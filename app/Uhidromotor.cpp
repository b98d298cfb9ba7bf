#include "app/Uhidromotor.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QIcon>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>

#include "app/FluidSelector.h"
#include "app/ProjectPage.h"
#include "app/ResultsLogPage.h"
#include "app/SystemError.h"
#include "app/WorkingFluidPanel.h"
#include "pages/CircuitPage.h"
#include "pages/CylinderPage.h"
#include "pages/LinePage.h"
#include "pages/MotorPage.h"
#include "pages/PumpPage.h"
#include "pages/ValvePage.h"
#include "ui/CalculatorPage.h"
#include "ui/ClickableLabel.h"
#include "ui/DataFiles.h"
#include "ui/DigitKeyFilter.h"
#include "ui/FieldAccess.h"
#include "ui/FieldWidgets.h"

namespace {

constexpr int kPagesHeight = 455;
constexpr int kPanelHeight = 114;
// The caption of the application-wide message is cut like its 256-byte buffer.
constexpr int kCaptionLimit = 255;

}  // namespace

TfrmKalvorMain::TfrmKalvorMain(QWidget* parent, std::unique_ptr<Desktop> desktop)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      desktop_(desktop ? std::move(desktop) : std::make_unique<Desktop>()) {
    setObjectName(QStringLiteral("frmKalvorMain"));
    setWindowTitle(QStringLiteral("Hydraulic calculator QX7  ver: 1.0"));
    setWindowIcon(QIcon(QStringLiteral(":/program/hydrocalc.svg")));
    QFont windowFont(QStringLiteral("DejaVu Sans"));
    windowFont.setPixelSize(11);
    setFont(windowFont);
    setFixedSize(kClientWidth, kClientHeight);
    move(250, 133);
    FormCreate();
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
}

void TfrmKalvorMain::buildPages() {
    auto* Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, kClientWidth, kPagesHeight);
    PageControl1 = new QTabWidget(Panel1);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, 0, kClientWidth, kPagesHeight);
    PageControl1->setIconSize(QSize(20, 20));
    // Seven tabs share the window's width; none may hide behind scroll arrows.
    PageControl1->tabBar()->setUsesScrollButtons(false);
    PageControl1->tabBar()->setElideMode(Qt::ElideNone);

    wirePages();
    calculators_ = {pumpPage_, motorPage_, cylinderPage_, linePage_, valvePage_, circuitPage_};
    resultsLog_ = new ResultsLogPage(logState_, *desktop_, *this);

    struct Tab {
        QWidget* page;
        const char* caption;
        int image;
    };
    const Tab tabs[] = {
        {pumpPage_, "Pump", 0},
        {motorPage_, "Hydro motor", 1},
        {cylinderPage_, "Hydro Cylinder", 2},
        {linePage_, "Pipe pressure drop", 3},
        {valvePage_, "Valve pressure drop", 4},
        {circuitPage_, "Simple pipeline", 6},
        {resultsLog_, "Result's", 5},
    };
    for (const Tab& tab : tabs) {
        const QIcon icon(QStringLiteral(":/program/tabs/%1.svg").arg(tab.image));
        PageControl1->addTab(tab.page, icon, QString::fromLatin1(tab.caption));
    }
    // The log's tab stands out from the calculators.
    PageControl1->tabBar()->setTabTextColor(PageControl1->count() - 1, QColor(0, 0, 160));
    PageControl1->setCurrentIndex(1);

    panel_ = new WorkingFluidPanel(this);
    panel_->setGeometry(0, kPagesHeight, kClientWidth, kPanelHeight);
    fluidSelector_ = new FluidSelector(*panel_, *this);
}

void TfrmKalvorMain::connectPanel() {
    connectGuarded(panel_->btnExit, &QPushButton::clicked, this, *this, [this] { btnExitClick(); });
    connectGuarded(panel_->spdHelp, &QToolButton::clicked, this, *this, [this] { spdHelpClick(); });
    connectGuarded(panel_->StaticText1, &ClickableLabel::clicked, this, *this,
                   [this] { StaticText1Click(); });
}

void TfrmKalvorMain::wirePages() {
    // Every link between pages is made here, and only here. What a page reads
    // of the others it gets when it is made, as lambdas that look the other
    // pages up when called: a page may read one made after it.
    auto pumpFlow = [this] { return pumpPage_->flow(); };
    auto cylinder = [this] { return cylinderPage_->definition(); };
    pumpPage_ = new PumpPage(*this);
    motorPage_ = new MotorPage(*this);
    cylinderPage_ = new CylinderPage(*this, pumpFlow);
    linePage_ = new LinePage(
        *this, {pumpFlow, [this] { return circuitPage_->operationLineDrop(); }, cylinder});
    valvePage_ = new ValvePage(*this, pumpFlow);
    circuitPage_ = new CircuitPage(*this, {[this] { return pumpPage_->inputs(); }, pumpFlow,
                                           [this] { return linePage_->takeOver(); },
                                           [this] { return valvePage_->takeOver(); }, cylinder});

    connectGuarded(pumpPage_, &PumpPage::flowChanged, circuitPage_, *this,
                   [this](const QString& text) { circuitPage_->setPumpFlow(text); });
    connectGuarded(linePage_, &LinePage::diagramFlowRange, valvePage_, *this,
                   [this](int flowCells) { valvePage_->setFlowSliderMaximum(flowCells); });
    connectGuarded(circuitPage_, &CircuitPage::valveCalculationRequested, this, *this,
                   [this] { valvePage_->BitBtn10Click(); });
}

bool TfrmKalvorMain::event(QEvent* event) {
    // Without a window manager (a virtual display) the window may never be
    // activated; its first showing starts the pages all the same.
    const bool starts = event->type() == QEvent::WindowActivate || event->type() == QEvent::Show;
    if (starts && !activated_) {
        activated_ = true;
        runGuarded(*this, [this] { FormActivate(); });
    }
    return QWidget::event(event);
}

void TfrmKalvorMain::FormActivate() {
    try {
        shared_.loadDirection = false;
        for (CalculatorPage* page : calculators_) {
            page->startUp();
        }
        // No bundle: no picture and no word about it. A bundle without a
        // picture is a faulty installation and is reported.
        for (CalculatorPage* page : calculators_) {
            page->loadPictures();
        }
    } catch (const std::exception& failure) {
        showMessage(QStringLiteral("ERROR: Aplication start"), QString::fromUtf8(failure.what()));
    }
}

void TfrmKalvorMain::closeEvent(QCloseEvent* event) {
    shared_.valveDataLines.clear();
    event->accept();
}

void TfrmKalvorMain::btnExitClick() {
    close();
}

void TfrmKalvorMain::spdHelpClick() {
    const QString name = QStringLiteral("HCHelp.html");
    const QString help = findDataFile(name);
    if (help.isEmpty()) {
        showMessage(QStringLiteral("The manual %1 was not found in the working folder, beside "
                                   "the program or in %2.")
                        .arg(name, installedDataDirs().join(QStringLiteral(", "))),
                    QStringLiteral("Help"));
        return;
    }
    openExternally(QUrl::fromLocalFile(help), QStringLiteral("the manual"));
}

void TfrmKalvorMain::openExternally(const QUrl& url, const QString& what) {
    if (!desktop_->openUrl(url)) {
        const QString where = url.isLocalFile() ? url.toLocalFile() : url.toString();
        showMessage(QStringLiteral("No program on this desktop opens %1. Please open it "
                                   "yourself:\n%2")
                        .arg(what, where),
                    QStringLiteral("Help"));
    }
}

void TfrmKalvorMain::StaticText1Click() {
    try {
        openExternally(QUrl(QString::fromLatin1(kProjectPage)),
                       QStringLiteral("the project's web page"));
    } catch (const std::exception&) {
        showMessage(QStringLiteral("INNET CONNECITON ERROR"),
                    QStringLiteral("COULDN'T ESTABLISH CONNECTION"));
    }
}

int TfrmKalvorMain::runMessage(const QString& text, const QString& caption, int icon, int buttons,
                               const QString& detail) {
    QMessageBox box(static_cast<QMessageBox::Icon>(icon), caption, text,
                    static_cast<QMessageBox::StandardButtons>(buttons), this);
    // Shown under the text, not behind a button: which field to correct.
    box.setInformativeText(detail);
    return desktop_->runDialog(box);
}

void TfrmKalvorMain::showMessage(const QString& text, const QString& caption,
                                 const QString& detail) {
    runMessage(text, caption, QMessageBox::NoIcon, QMessageBox::Ok, detail);
}

void TfrmKalvorMain::reportFailure(const std::exception& failure) {
    const QString message = QString::fromUtf8(failure.what());
    const QString caption = (QStringLiteral("FATAL ERROR:: ") + message).left(kCaptionLimit);
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
    runMessage(QString(), QStringLiteral("FATAL ERROR:: "), QMessageBox::Warning, QMessageBox::Ok);
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
    return {panel_->Edit1->text(), panel_->Edit2->text()};
}

bool TfrmKalvorMain::writeCalculations() const {
    return panel_->chBelezi->isChecked();
}

void TfrmKalvorMain::appendToLog(const ReportLines& lines) {
    resultsLog_->appendReport(lines);
}
