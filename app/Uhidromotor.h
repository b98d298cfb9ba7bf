#pragma once

#include <QTimer>
#include <QWidget>
#include <memory>

#include "app/Desktop.h"
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
class FluidPanelUnits;
class WorkingFluidPanel;

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

    Desktop& desktop() { return *desktop_; }
    PictureBundle& pictures() { return pictures_; }
    ResultsLogState& logState() { return logState_; }
    bool activated() const { return activated_; }
    // The design commands, the title and the design's crash copy.
    DesignSession& design() { return *design_; }

    // Start-up initialisation of the pages; runs once, at the first showing
    // or activation of the window, whichever comes first.
    void FormActivate();

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

  private:
    void FormCreate();
    void buildPages();
    void connectPanel();
    // The unit choice of the panel: every page and the panel show the
    // system; the figures stay what they are.
    void cbUnitsChange();
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
    // The log's line naming the working fluid the pages compute with now.
    std::string fluidLine() const;
    void openManual(const QString& section);
    // Makes the calculator pages, linked to each other.
    void wirePages();
    int runMessage(const QString& text, const QString& caption, int icon, int buttons,
                   const QString& detail = {});
    // Hands a document or address to the desktop; says so when nothing opens it.
    void openExternally(const QUrl& url, const QString& what);

    std::unique_ptr<Desktop> desktop_;
    PictureBundle pictures_;
    ResultsLogState logState_;
    SharedState shared_;
    bool activated_ = false;
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
    // The calculator pages in start-up order.
    std::vector<CalculatorPage*> calculators_;
    PumpPage* pumpPage_ = nullptr;
    MotorPage* motorPage_ = nullptr;
    CylinderPage* cylinderPage_ = nullptr;
    LinePage* linePage_ = nullptr;
    ValvePage* valvePage_ = nullptr;
    CircuitPage* circuitPage_ = nullptr;
    SystemPage* systemPage_ = nullptr;
    ResultsLogPage* resultsLog_ = nullptr;
    WorkingFluidPanel* panel_ = nullptr;
    std::unique_ptr<FluidPanelUnits> fluidUnits_;
    FluidSelector* fluidSelector_ = nullptr;
    DesignSession* design_ = nullptr;
};
