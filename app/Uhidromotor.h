#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <vector>

#include "app/Desktop.h"
#include "app/EveryLanguage.h"
#include "app/ResultsLogState.h"
#include "ui/PageServices.h"
#include "ui/PictureBundle.h"

class CalculatorPage;
class CircuitPage;
class CylinderPage;
class DesignSession;
class DigitKeyFilter;
class FluidSelector;
class LinePage;
class LogRecovery;
class MotorPage;
class PumpPage;
class ValvePage;
class QSessionManager;
class SystemPage;
class QTabWidget;
class ResultsLogPage;
class ScaledArrangement;
class FluidPanelUnits;
class WorkingFluidPanel;

// The calculator pages in tab order, by their place among the tabs.
template <typename Page>
struct CalculatorTab;
template <>
struct CalculatorTab<PumpPage> {
    static constexpr int index = 0;
};
template <>
struct CalculatorTab<MotorPage> {
    static constexpr int index = 1;
};
template <>
struct CalculatorTab<CylinderPage> {
    static constexpr int index = 2;
};
template <>
struct CalculatorTab<LinePage> {
    static constexpr int index = 3;
};
template <>
struct CalculatorTab<ValvePage> {
    static constexpr int index = 4;
};
template <>
struct CalculatorTab<CircuitPage> {
    static constexpr int index = 5;
};
template <>
struct CalculatorTab<SystemPage> {
    static constexpr int index = 6;
};

// The one main window: eight tab pages above the working-fluid panel. It owns
// every page and the state pages share, gives the pages their services (the
// messages, the log, the key filters, colours, pictures), wires the links
// between pages, and is the route every failure escaping a handler ends in.
class TfrmKalvorMain : public QWidget, public PageServices {
    Q_OBJECT
  public:
    static constexpr int kClientWidth = 980;
    static constexpr int kClientHeight = 569;

    // A desktop can be handed in for tests; by default dialogs run modally
    // and documents open in the desktop's programs.
    explicit TfrmKalvorMain(QWidget* parent = nullptr, std::unique_ptr<Desktop> desktop = nullptr);
    ~TfrmKalvorMain() override;

    // PageServices
    void showMessage(const QString& text, const QString& caption,
                     const QString& detail = {}) override;
    bool writeCalculations() const override;
    void appendToLog(const ReportLines& lines) override;
    DigitKeyFilter& keyFilter(KeyFilterKind kind) override;
    void resetEditColours() override;
    void markKnownFields(std::span<QWidget* const> fields) override;
    std::optional<QImage> picture(int number, QSize size) override;
    int runDialog(QDialog& dialog) override { return desktop_->runDialog(dialog); }
    SharedState& shared() override { return shared_; }
    WorkingFluidTexts workingFluid() const override;

    // The application-wide message for a failure that escaped a handler.
    void reportFailure(const std::exception& failure) override;
    void reportUnknownFailure() override;

    // A calculator page. Pages are made when first asked for: the page in
    // front before the window shows, the others when their tab is first
    // chosen or another page needs their figures. A page made after the
    // window's start-up is started at once, and linked to the pages made.
    template <typename Page>
    Page& page() {
        return static_cast<Page&>(calculator(CalculatorTab<Page>::index));
    }
    // Makes every page not made yet, and the log.
    void buildEveryPage();
    // The page of the tab has been made.
    bool pageBuilt(int tab) const;

    Desktop& desktop() { return *desktop_; }
    PictureBundle& pictures() { return pictures_; }
    ResultsLogState& logState() { return logState_; }
    bool activated() const { return activated_; }
    // Pictures of the start still to be drawn after the first painting.
    bool picturesPending() const { return picturesWaiting_ || !picturesDue_.empty(); }
    // The design commands, the title and the design's crash copy.
    DesignSession& design() { return *design_; }

    // Start-up initialisation of the pages; runs once, at the first showing
    // or activation of the window, whichever comes first.
    void FormActivate();
    // The pictures of the pages made before the first showing.
    void drawDuePictures();

    // The program's run begins in this window: the log is kept safe on disk
    // from now on, a log left by a run that did not end cleanly is offered
    // back, and the first report gets a heading. Windows made for other
    // purposes (tests, pictures, measurements) leave the user's files alone.
    void beginSession();
    // Opens a design as "Open design..." does, after the question about
    // unsaved work; says what is wrong with a file that cannot be opened.
    bool openDesignFile(const QString& path);

    void btnExitClick();
    void spdHelpClick();
    void StaticText1Click();
    // F1: the manual, at the section of the page in front.
    void helpOnPage();

    // The web page the link opens; empty: the manual's "About" section.
    void setProjectPage(const QString& url);

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void FormCreate();
    void buildPages();
    void connectPanel();
    // The unit choice of the panel: every page and the panel show the
    // system; the figures stay what they are.
    void cbUnitsChange();
    // The language choice is kept for the next start: the window's texts
    // were translated as it was built.
    void cbLanguageChange();
    void restoreSettings();
    void saveSettings();
    // False keeps the window open: unsaved work whose save was cancelled or failed.
    bool mayClose();
    void commitData(QSessionManager& manager);
    void offerRecovery();
    // False when the copy could not be written; says so once a run.
    // adoptingOrphans: the log holds the restored copies, which go once it is kept.
    bool keepRecoveryCopy(bool adoptingOrphans = false);
    ReportLines sessionHeading() const;
    // The log's line naming the working fluid the pages compute with now,
    // in the words of a language.
    QString fluidLine(const EveryLanguage::Words& words) const;
    void openManual(const QString& section);
    int runMessage(const QString& text, const QString& caption, int icon, int buttons,
                   const QString& detail = {});
    // Hands a document or address to the desktop; says so when nothing opens it.
    void openExternally(const QUrl& url, const QString& what);

    std::unique_ptr<Desktop> desktop_;
    // The words of every language, for the log's lines written by other runs.
    std::unique_ptr<EveryLanguage> languages_;
    PictureBundle pictures_;
    ResultsLogState logState_;
    SharedState shared_;
    bool activated_ = false;
    // The pages made before the first showing, whose pictures follow the
    // window's first painting.
    std::vector<QPointer<CalculatorPage>> picturesDue_;
    bool picturesWaiting_ = false;
    QString projectPage_;
    // Set by beginSession.
    std::unique_ptr<LogRecovery> recovery_;
    QTimer recoverySoon_;
    bool recoveryFailureShown_ = false;
    bool headingDue_ = false;
    // Calculations made again on opening a design: no log, no messages.
    bool quiet_ = false;

    DigitKeyFilter* edSnagaKeyPress_ = nullptr;
    DigitKeyFilter* edNKeyPress_ = nullptr;
    QTabWidget* PageControl1 = nullptr;
    static constexpr int kCalculators = 7;
    // The page of a calculator tab, made on the first call.
    CalculatorPage& calculator(int index);
    CalculatorPage* makePage(int index);
    // Links a page just made with the pages made before it.
    void linkPage(int index);
    void copyPumpFlowToCircuit();
    // Starts a page; a failure (a bundle without its picture) is reported.
    void startPage(CalculatorPage& page);
    // The calculator pages in tab and start-up order, once made, and the
    // tab sheets that hold them.
    std::array<CalculatorPage*, kCalculators> calculators_{};
    std::array<QWidget*, kCalculators> sheets_{};
    // The calculator pages made so far, in tab order.
    std::vector<CalculatorPage*> madePages() const;
    // Makes the page in front, and only it, before the window shows.
    void makeFrontPage();
    // The log, made when it is first shown or written to.
    ResultsLogPage& resultsLog();
    // The recovery copy follows every change of the log.
    void watchLog();
    ResultsLogPage* resultsLog_ = nullptr;
    QWidget* logSheet_ = nullptr;
    WorkingFluidPanel* panel_ = nullptr;
    std::unique_ptr<FluidPanelUnits> fluidUnits_;
    FluidSelector* fluidSelector_ = nullptr;
    DesignSession* design_ = nullptr;
    // The pages' fixed arrangement, scaled as a whole with the window.
    std::unique_ptr<ScaledArrangement> arrangement_;
};
