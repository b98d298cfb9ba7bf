#pragma once

#include <QStringList>
#include <QWidget>
#include <array>
#include <memory>

#include "app/Desktop.h"
#include "app/HandlerGuard.h"
#include "app/PictureBundle.h"
#include "app/ResultsLogState.h"
#include "model/bazna.h"

class DigitKeyFilter;
class PumpPage;
class QTabWidget;
class ResultsLogPage;
class WorkingFluidPanel;

// The one main window: seven tab pages above the working-fluid panel. It owns
// every page and the state pages share, shows the messages, and is the route
// every failure escaping a handler ends in.
class TfrmKalvorMain : public QWidget, public FailureRoute {
    Q_OBJECT
  public:
    static constexpr int kClientWidth = 867;
    static constexpr int kClientHeight = 569;

    // A desktop can be handed in for tests; by default dialogs run modally
    // and documents open in the desktop's programs.
    explicit TfrmKalvorMain(QWidget* parent = nullptr, std::unique_ptr<Desktop> desktop = nullptr);
    ~TfrmKalvorMain() override;

    // A message box with the text and caption, buttons OK and Cancel; the
    // answer is not used.
    void showMessage(const QString& text, const QString& caption);

    // The application-wide message for a failure that escaped a handler.
    void reportFailure(const std::exception& failure) override;
    void reportUnknownFailure() override;

    // Every plain edit field of the pump, motor and cylinder pages gets the
    // window colour; combo-box fields are left to their pages.
    void resetEditColours();
    void markKnownFields(QWidget* first, QWidget* second, QWidget* third);
    void markKnownFields(QWidget* first, QWidget* second, QWidget* third, QWidget* fourth);

    // The two key filters of the number fields.
    DigitKeyFilter& edSnagaKeyPress() { return *edSnagaKeyPress_; }
    DigitKeyFilter& edNKeyPress() { return *edNKeyPress_; }

    // "Write calculations" is on.
    bool writeCalculations() const;
    // Appends one element's report to the results log.
    void appendToLog(const ReportLines& lines);
    // The pump page's flow is mirrored into the circuit page's flow field.
    void pumpFlowChanged(const QString& text);

    Desktop& desktop() { return *desktop_; }
    PictureBundle& pictures() { return pictures_; }
    ResultsLogState& logState() { return logState_; }
    bool activated() const { return activated_; }

    // State the pages share.
    bool lineDiagramDrawn = false;
    bool loadDirection = false;  // false: push, true: pull
    std::array<double, 7> circuitDrawing{10.0, 3.0, 6.0, 2.0, 0.01, 1.0, 3.0};
    QStringList valveDataLines;

    // Start-up initialisation of the pages; runs once, at the first activation.
    void FormActivate();

    void btnExitClick();
    void spdHelpClick();
    void StaticText1Click();

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void FormCreate();
    void buildPages();
    void connectPanel();
    int runMessage(const QString& text, const QString& caption, int icon, int buttons);

    std::unique_ptr<Desktop> desktop_;
    PictureBundle pictures_;
    ResultsLogState logState_;
    bool activated_ = false;

    DigitKeyFilter* edSnagaKeyPress_ = nullptr;
    DigitKeyFilter* edNKeyPress_ = nullptr;
    QTabWidget* PageControl1 = nullptr;
    PumpPage* pumpPage_ = nullptr;
    ResultsLogPage* resultsLog_ = nullptr;
    WorkingFluidPanel* panel_ = nullptr;
};
