#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "app/DesignFile.h"

class CalculatorPage;
class Desktop;
class FluidSelector;
class LogRecovery;
class QAction;
class QMenu;
class QToolButton;
class QWidget;
class ResultsLogPage;
struct ResultsLogState;
class WorkingFluidPanel;

// What the design commands reach of the main window.
struct DesignParts {
    QWidget* window = nullptr;
    // The window makes its pages and the log when they are first needed:
    // the pages made so far in tab order, a command that makes the rest
    // (the log too), and the log when it has been made (else null).
    std::function<std::vector<CalculatorPage*>()> madePages;
    std::function<void()> makeEveryPage;
    std::function<ResultsLogPage*()> madeLog;
    // Copies again what pages copy of each other when they are made (the
    // pump's flow into the circuit).
    std::function<void()> copyLinkedFigures;
    WorkingFluidPanel* panel = nullptr;
    FluidSelector* fluid = nullptr;
    ResultsLogState* logState = nullptr;
    Desktop* desktop = nullptr;
    // A message box: text, caption, QMessageBox icon and buttons, detail;
    // returns the button pressed.
    std::function<int(const QString&, const QString&, int, int, const QString&)> ask;
    // While on, calculations neither log nor show messages.
    std::function<void(bool)> quiet;
    // Runs a command the way every handler runs (failures reported).
    std::function<void(std::function<void()>)> guarded;
};

// The design as a document: the commands New, Open, Save, Save as and the
// recent designs, the window's title with the file's name and a "*" while
// there are unsaved changes, the question before unsaved work is dropped,
// and the crash copy of the design.
class DesignSession : public QObject {
    Q_OBJECT
  public:
    explicit DesignSession(DesignParts parts);
    ~DesignSession() override;

    // After the pages' start-up: their state now is the start of every new
    // design, and changes count from here.
    void begin();
    // A page or the log made after begin: its state now is its start.
    void pageMade(CalculatorPage& page);
    void logMade(ResultsLogPage& log);

    DesignDocument capture();
    // Puts a sound document on the pages, over their start state.
    void apply(const DesignDocument& document);
    DesignOutline outline();

    // The commands; false when the user cancelled or it failed (said).
    bool newDesign();
    bool openDesign();
    bool openDesignFile(const QString& path);
    bool saveDesign();
    bool saveDesignAs();

    // Changes no save holds yet: on the pages, or (once the design has a
    // file) of the fluid or the log.
    bool modified() const { return modified_; }
    QString fileName() const { return fileName_; }
    QString title() const;
    QStringList recentDesigns() const;

    // Unsaved design: asks Save / Discard / Cancel; true when the work may
    // go. Nothing unsaved in the design: true without a question.
    bool mayDiscard();
    bool designNeedsQuestion() const;

    // The crash copy, in folder; an earlier run's copy is offered back
    // (true when there was one: the log's own copies are then dropped).
    bool beginRecovery(const QString& folder);
    void discardRecovery();

    QAction* action(const char* name) const;
    QToolButton* button() const { return button_; }

  private:
    void makeCommands();
    // Every page and the log, made if they were not yet: what a design
    // holds, saves and opens is all of them.
    std::vector<CalculatorPage*> everyPage();
    ResultsLogPage& log();
    void follow(CalculatorPage& page);
    void follow(ResultsLogPage& log);
    // Changes on a page, of the fluid or the log.
    void watch(QWidget* root, const QString& page);
    void changedOn(const QString& page);
    void ownFileChanged();
    void setModified(bool modified);
    void updateTitle();
    void rememberRecent(const QString& path);
    void fillRecentMenu();
    bool writeTo(const QString& path);
    void keepCopy();
    void markCalculated(CalculatorPage* page);
    void showResultNotes(const QString& source);

    DesignParts parts_;
    std::map<QString, PageState> start_;
    std::map<QString, QString> computed_;
    // Pages whose results follow from what they show (nothing changed since
    // their calculation), and those calculated again when opened.
    std::set<QString> current_;
    std::set<QString> recalculated_;
    // The system page and its calculators, which the circuit does not read.
    std::set<QString> systemPages_;
    QString fileName_;
    bool modified_ = false;
    bool begun_ = false;
    int applying_ = 0;
    std::unique_ptr<LogRecovery> recovery_;
    QTimer copySoon_;
    QToolButton* button_ = nullptr;
    QMenu* menu_ = nullptr;
    QMenu* recentMenu_ = nullptr;
};
