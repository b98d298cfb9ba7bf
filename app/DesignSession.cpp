#include "app/DesignSession.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QTabWidget>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>
#include <algorithm>

#include "app/About.h"
#include "app/Desktop.h"
#include "app/FluidSelector.h"
#include "app/LogRecovery.h"
#include "app/ResultsLogPage.h"
#include "app/ResultsLogState.h"
#include "app/WorkingFluidPanel.h"
#include "model/Quantity.h"
#include "ui/CalculatorPage.h"

namespace {

const QString kRecentKey = QStringLiteral("designs/recent");
const QString kFolderKey = QStringLiteral("designs/folder");
constexpr int kRecentCount = 5;

QString shownName(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// The figure a field of the panel holds.
std::optional<FieldFigure> panelFigure(const QLineEdit* field) {
    return figureOf(field->text());
}

}  // namespace

DesignSession::DesignSession(DesignParts parts) : QObject(parts.window), parts_(std::move(parts)) {
    makeCommands();
    copySoon_.setSingleShot(true);
    copySoon_.setInterval(0);
    connect(&copySoon_, &QTimer::timeout, this, [this] { parts_.guarded([this] { keepCopy(); }); });
}

DesignSession::~DesignSession() = default;

void DesignSession::makeCommands() {
    struct Command {
        const char* name;
        const char* text;
        QKeySequence keys;
        std::function<void()> run;
    };
    const Command commands[] = {
        {"actNewDesign", QT_TR_NOOP("New design"), QKeySequence(QStringLiteral("Ctrl+N")),
         [this] { newDesign(); }},
        {"actOpenDesign", QT_TR_NOOP("Open design\u2026"), QKeySequence(QStringLiteral("Ctrl+O")),
         [this] { openDesign(); }},
        {"actSaveDesign", QT_TR_NOOP("Save design"), QKeySequence(QStringLiteral("Ctrl+S")),
         [this] { saveDesign(); }},
        {"actSaveDesignAs", QT_TR_NOOP("Save design as\u2026"),
         QKeySequence(QStringLiteral("Ctrl+Shift+S")), [this] { saveDesignAs(); }},
    };
    menu_ = new QMenu(parts_.window);
    menu_->setObjectName(QStringLiteral("mnuDesign"));
    for (const Command& command : commands) {
        auto* action = new QAction(tr(command.text), parts_.window);
        action->setObjectName(QString::fromLatin1(command.name));
        action->setShortcut(command.keys);
        // Wherever the window has the focus, the page's own fields included.
        action->setShortcutContext(Qt::WindowShortcut);
        parts_.window->addAction(action);
        menu_->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, run = command.run] { parts_.guarded(run); });
        if (QString::fromLatin1(command.name) == QStringLiteral("actOpenDesign")) {
            recentMenu_ = menu_->addMenu(tr("Recent designs"));
            recentMenu_->setObjectName(QStringLiteral("mnuRecentDesigns"));
        }
    }
    connect(menu_, &QMenu::aboutToShow, this, [this] { fillRecentMenu(); });
    fillRecentMenu();

    button_ = new QToolButton(parts_.panel);
    button_->setObjectName(QStringLiteral("btnDesign"));
    button_->setText(tr("Design"));
    button_->setToolTip(tr("New, open and save designs (Ctrl+N, Ctrl+O, Ctrl+S)"));
    button_->setPopupMode(QToolButton::InstantPopup);
    button_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button_->setMenu(menu_);
    button_->setGeometry(744, 22, 78, 30);
    button_->show();
}

QAction* DesignSession::action(const char* name) const {
    return parts_.window->findChild<QAction*>(QString::fromLatin1(name));
}

void DesignSession::begin() {
    if (begun_) {
        return;
    }
    begun_ = true;
    for (CalculatorPage* page : parts_.madePages()) {
        follow(*page);
    }
    // The fluid and the log are remembered on their own (the settings, the
    // log's file); they are changes of the design once it has a file.
    const auto fluidChanged = [this] {
        if (applying_ == 0) {
            current_.clear();  // every result was for the fluid before
        }
        ownFileChanged();
    };
    for (QLineEdit* field :
         {parts_.panel->edTemperatura, parts_.panel->Edit1, parts_.panel->Edit2}) {
        connect(field, &QLineEdit::textChanged, this, fluidChanged);
    }
    connect(parts_.panel->cmbUlje, &QComboBox::currentIndexChanged, this, fluidChanged);
    if (ResultsLogPage* made = parts_.madeLog()) {
        follow(*made);
    }
    setModified(false);
}

void DesignSession::pageMade(CalculatorPage& page) {
    if (begun_) {
        follow(page);
    }
}

void DesignSession::logMade(ResultsLogPage& log) {
    if (begun_) {
        follow(log);
    }
}

void DesignSession::follow(CalculatorPage& page) {
    for (const QWidget* shown = &page; shown != nullptr; shown = shown->parentWidget()) {
        if (shown->objectName() == QStringLiteral("tsSystem")) {
            systemPages_.insert(page.objectName());
            break;
        }
    }
    start_[page.objectName()] = capturePage(page);
    watch(&page, page.objectName());
    if (QAbstractButton* calculate = page.calculateButton()) {
        // After the page's own handler: the calculation is made.
        connect(calculate, &QAbstractButton::clicked, this,
                [this, made = &page] { markCalculated(made); });
    }
}

void DesignSession::follow(ResultsLogPage& log) {
    connect(log.log()->document(), &QTextDocument::contentsChanged, this,
            [this] { ownFileChanged(); });
}

std::vector<CalculatorPage*> DesignSession::everyPage() {
    parts_.makeEveryPage();
    return parts_.madePages();
}

ResultsLogPage& DesignSession::log() {
    parts_.makeEveryPage();
    return *parts_.madeLog();
}

void DesignSession::watch(QWidget* root, const QString& page) {
    const auto changedHere = [this, page] { changedOn(page); };
    for (QLineEdit* edit : root->findChildren<QLineEdit*>()) {
        connect(edit, &QLineEdit::textChanged, this, changedHere);
    }
    for (QComboBox* combo : root->findChildren<QComboBox*>()) {
        connect(combo, &QComboBox::currentIndexChanged, this, changedHere);
    }
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (button->isCheckable()) {
            connect(button, &QAbstractButton::toggled, this, changedHere);
        }
    }
    for (QListWidget* list : root->findChildren<QListWidget*>()) {
        connect(list, &QListWidget::currentRowChanged, this, changedHere);
    }
    for (QTabWidget* tabs : root->findChildren<QTabWidget*>()) {
        connect(tabs, &QTabWidget::currentChanged, this, changedHere);
    }
}

void DesignSession::changedOn(const QString& page) {
    if (applying_ != 0) {
        return;
    }
    // The page's results no longer follow from what it shows, and the
    // circuit's, which read the other calculator pages, neither. The system
    // page's calculators read only their own fields.
    current_.erase(page);
    if (systemPages_.count(page) == 0) {
        current_.erase(QStringLiteral("tbProst"));
    }
    setModified(true);
}

void DesignSession::ownFileChanged() {
    if (applying_ == 0 && !fileName_.isEmpty()) {
        setModified(true);
    } else if (recovery_) {
        copySoon_.start();
    }
}

void DesignSession::setModified(bool modified) {
    modified_ = modified;
    updateTitle();
    if (recovery_) {
        copySoon_.start();
    }
}

QString DesignSession::title() const {
    const QString caption = tr("Hydraulic calculator QX7  ver: 1.0");
    if (fileName_.isEmpty() && !modified_) {
        return caption;
    }
    const QString name = fileName_.isEmpty() ? tr("untitled") : QFileInfo(fileName_).fileName();
    return caption + QStringLiteral(" - ") + name + (modified_ ? QStringLiteral("*") : QString());
}

void DesignSession::updateTitle() {
    parts_.window->setWindowTitle(title());
}

void DesignSession::markCalculated(CalculatorPage* page) {
    if (applying_ != 0) {
        return;  // calculated again on opening: the results keep their date
    }
    changedOn(page->objectName());
    computed_[page->objectName()] = QDateTime::currentDateTime().toString(Qt::ISODate);
    current_.insert(page->objectName());
    page->setResultsNote({});
}

DesignDocument DesignSession::capture() {
    DesignDocument document;
    document.formatMajor = kDesignFormatMajor;
    document.formatMinor = kDesignFormatMinor;
    document.program = programTitle();
    WorkingFluidPanel& panel = *parts_.panel;
    // By its key: a design saved in one language opens in the other.
    document.fluid.type = panel.fluidKey();
    // A design keeps metric figures whatever the panel shows.
    const units::UnitSystem shown = units::unitSystems().at(
        static_cast<std::size_t>(std::max(0, panel.cbUnits->currentIndex())));
    const auto metric = [&shown](std::optional<FieldFigure> figure, units::Quantity quantity) {
        if (figure && !units::displayUnit(quantity, shown).isIdentity()) {
            figure = FieldFigure{
                QString::number(units::toModel(figure->value, quantity, shown), 'g', 6).toDouble(),
                -1};
        }
        return figure;
    };
    document.fluid.temperature =
        metric(panelFigure(panel.edTemperatura), units::Quantity::Temperature);
    document.fluid.density = metric(panelFigure(panel.Edit1), units::Quantity::Density);
    document.fluid.viscosity = panelFigure(panel.Edit2);
    for (CalculatorPage* page : everyPage()) {
        PageState state = capturePage(*page);
        if (const auto computed = computed_.find(page->objectName()); computed != computed_.end()) {
            state.computed = computed->second;
            state.current = current_.count(page->objectName()) > 0;
        }
        document.pages[page->objectName()] = std::move(state);
    }
    document.log = log().text();
    return document;
}

DesignOutline DesignSession::outline() {
    DesignOutline outline;
    for (CalculatorPage* page : everyPage()) {
        PageOutline& pageOutline = outline[page->objectName()];
        for (const PageChoice& choice : page->choices()) {
            if (choice.isName()) {
                pageOutline.names.insert(choice.name);
            } else {
                pageOutline.itemCounts[choice.name] = choice.count;
            }
        }
    }
    return outline;
}

void DesignSession::apply(const DesignDocument& document) {
    ++applying_;
    struct Done {
        int& applying;
        ~Done() { --applying; }
    } done{applying_};
    WorkingFluidPanel& panel = *parts_.panel;
    if (!document.fluid.type.isEmpty() && !panel.chooseFluid(document.fluid.type)) {
        panel.cmbUlje->setCurrentIndex(-1);
    }
    const struct {
        QLineEdit* field;
        const std::optional<FieldFigure>* figure;
        units::Quantity quantity;
    } figures[] = {
        {panel.edTemperatura, &document.fluid.temperature, units::Quantity::Temperature},
        {panel.Edit1, &document.fluid.density, units::Quantity::Density},
        {panel.Edit2, &document.fluid.viscosity, units::Quantity::KinematicViscosity},
    };
    // The design's metric figures, shown in the panel's units.
    const units::UnitSystem shown = units::unitSystems().at(
        static_cast<std::size_t>(std::max(0, panel.cbUnits->currentIndex())));
    for (const auto& [field, figure, quantity] : figures) {
        if (!*figure) {
            continue;
        }
        if (units::displayUnit(quantity, shown).isIdentity()) {
            field->setText(textOf(**figure));
        } else {
            field->setText(QString::number(units::toDisplay((*figure)->value, quantity, shown), 'f',
                                           quantity == units::Quantity::Temperature ? 0 : 1));
        }
    }
    parts_.fluid->takeFiguresAsApplied();

    computed_.clear();
    current_.clear();
    recalculated_.clear();
    const std::vector<CalculatorPage*> pages = everyPage();
    for (CalculatorPage* page : pages) {
        // Over the start state: what the file does not name starts afresh.
        PageState state = start_[page->objectName()];
        state.results.clear();
        if (const auto found = document.pages.find(page->objectName());
            found != document.pages.end()) {
            const PageState& saved = found->second;
            for (const auto& [name, figure] : saved.fields) {
                state.fields[name] = figure;
            }
            // A file without sliders (written by hand): each follows its field.
            if (saved.sliders.empty()) {
                state.sliders.clear();
            }
            for (const auto& [name, position] : saved.sliders) {
                state.sliders[name] = position;
            }
            for (const auto& [name, item] : saved.items) {
                state.items[name] = item;
            }
            for (const auto& [name, text] : saved.names) {
                state.names[name] = text;
            }
            state.results = saved.results;
            if (!saved.computed.isEmpty()) {
                computed_[page->objectName()] = saved.computed;
                if (saved.current) {
                    current_.insert(page->objectName());
                }
            }
        }
        applyPage(*page, state);
        page->setResultsNote({});
    }
    log().log()->setPlainText(document.log);
    log().log()->document()->setModified(false);
    parts_.logState->hasFile = false;

    // Results whose page shows the very inputs they were calculated from
    // are calculated again, silently, so that what only a calculation
    // draws (diagrams, the circuit's figures) is there too; the same inputs
    // give the same figures.
    parts_.quiet(true);
    struct Loud {
        const DesignParts& parts;
        ~Loud() { parts.quiet(false); }
    } loud{parts_};
    for (CalculatorPage* page : pages) {
        QAbstractButton* calculate = page->calculateButton();
        if (current_.count(page->objectName()) > 0 && page->recalculatesExactly() &&
            calculate != nullptr && calculate->isEnabled()) {
            calculate->click();
            recalculated_.insert(page->objectName());
        } else if (!page->restoresSavedResults()) {
            // Nothing of that calculation is shown: the page is as if never calculated.
            computed_.erase(page->objectName());
            current_.erase(page->objectName());
        }
    }
}

void DesignSession::showResultNotes(const QString& source) {
    for (CalculatorPage* page : everyPage()) {
        const auto computed = computed_.find(page->objectName());
        if (computed == computed_.end()) {
            continue;
        }
        const QDateTime when = QDateTime::fromString(computed->second, Qt::ISODate);
        const QString date =
            when.isValid() ? when.toString(QStringLiteral("yyyy-MM-dd HH:mm")) : computed->second;
        page->setResultsNote(
            recalculated_.count(page->objectName()) > 0
                ? tr("Results of %1, calculated again on opening %2").arg(date, source)
                : tr("Results as calculated on %1, opened from %2").arg(date, source));
    }
}

bool DesignSession::designNeedsQuestion() const {
    return modified_;
}

bool DesignSession::mayDiscard() {
    if (modified_) {
        const QString name =
            fileName_.isEmpty() ? tr("The new design") : QFileInfo(fileName_).fileName();
        const int answer =
            parts_.ask(tr("%1 has changes that were never saved.\n\nSave the design, with its "
                          "results log, first?")
                           .arg(name),
                       tr("Design", "unsaved changes"), QMessageBox::Question,
                       QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, {});
        if (answer == QMessageBox::Discard) {
            return true;
        }
        return answer == QMessageBox::Save && saveDesign();
    }
    // A log not made yet holds nothing.
    ResultsLogPage* made = parts_.madeLog();
    if (made == nullptr || !made->hasUnsavedWork()) {
        return true;
    }
    const int answer =
        parts_.ask(tr("The results log holds calculations that were never saved.\n\n"
                      "Save them before closing?"),
                   tr("Results log"), QMessageBox::Question,
                   QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, {});
    if (answer == QMessageBox::Discard) {
        return true;
    }
    return answer == QMessageBox::Save && made->BitBtn1Click();
}

bool DesignSession::newDesign() {
    if (!mayDiscard()) {
        return false;
    }
    DesignDocument start;
    {
        // The fluid stays as the user keeps it.
        start = capture();
        start.pages.clear();
        start.log.clear();
    }
    apply(start);
    // A page made after the others had changed started with their figures
    // of then: it takes those of their start now.
    parts_.copyLinkedFigures();
    log().btnClearClick();
    fileName_.clear();
    setModified(false);
    return true;
}

bool DesignSession::openDesign() {
    if (!mayDiscard()) {
        return false;
    }
    QFileDialog dialog(parts_.window, tr("Open design"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters({tr("Hydraulic designs (*.hcalc)"), tr("All files (*)")});
    const std::unique_ptr<QSettings> settings = parts_.desktop->settings();
    const QString folder = settings->value(kFolderKey).toString();
    if (!fileName_.isEmpty()) {
        dialog.setDirectory(QFileInfo(fileName_).absolutePath());
    } else if (!folder.isEmpty()) {
        dialog.setDirectory(folder);
    }
    if (parts_.desktop->runDialog(dialog) != QDialog::Accepted ||
        dialog.selectedFiles().isEmpty()) {
        return false;
    }
    // The question has been asked: the file opens over the work.
    const bool wasModified = modified_;
    modified_ = false;
    if (!openDesignFile(dialog.selectedFiles().first())) {
        modified_ = wasModified;
        updateTitle();
        return false;
    }
    return true;
}

bool DesignSession::openDesignFile(const QString& path) {
    if (modified_ && !mayDiscard()) {
        return false;
    }
    DesignReading reading = readDesignFile(path, outline());
    if (!reading.document) {
        parts_.ask(tr("The design %1 cannot be opened; nothing was changed.").arg(shownName(path)),
                   tr("Design", "cannot open"), QMessageBox::Warning, QMessageBox::Ok,
                   reading.problem);
        return false;
    }
    const QStringList missing = takeOutMissingValveFiles(*reading.document);
    apply(*reading.document);
    fileName_ = QFileInfo(path).absoluteFilePath();
    showResultNotes(QFileInfo(path).fileName());
    rememberRecent(fileName_);
    setModified(false);
    if (!missing.isEmpty()) {
        parts_.ask(tr("The design %1 was opened without its valve type: the valve "
                      "data file %2 was not found.")
                       .arg(shownName(path), missing.join(QStringLiteral(", "))),
                   tr("Design", "valve data missing"), QMessageBox::Warning, QMessageBox::Ok,
                   tr("Everything else of the design is as it was saved. Choose the "
                      "valve type on the valve page again."));
    }
    return true;
}

bool DesignSession::saveDesign() {
    if (fileName_.isEmpty()) {
        return saveDesignAs();
    }
    return writeTo(fileName_);
}

bool DesignSession::saveDesignAs() {
    QFileDialog dialog(parts_.window, tr("Save design as"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters({tr("Hydraulic designs (*.hcalc)")});
    dialog.setDefaultSuffix(QString::fromLatin1(kDesignSuffix));
    const std::unique_ptr<QSettings> settings = parts_.desktop->settings();
    const QString folder = settings->value(kFolderKey).toString();
    if (!fileName_.isEmpty()) {
        dialog.selectFile(fileName_);
    } else if (!folder.isEmpty()) {
        dialog.setDirectory(folder);
    }
    if (parts_.desktop->runDialog(dialog) != QDialog::Accepted ||
        dialog.selectedFiles().isEmpty()) {
        return false;
    }
    return writeTo(dialog.selectedFiles().first());
}

bool DesignSession::writeTo(const QString& path) {
    const QString failure = writeDesignFile(path, capture());
    if (!failure.isEmpty()) {
        parts_.ask(tr("The design could not be saved to %1: %2").arg(shownName(path), failure),
                   tr("Design", "not saved"), QMessageBox::Warning, QMessageBox::Ok,
                   tr("A file that was there before is as it was."));
        return false;
    }
    fileName_ = QFileInfo(path).absoluteFilePath();
    // The log is kept in the design now.
    log().log()->document()->setModified(false);
    rememberRecent(fileName_);
    setModified(false);
    return true;
}

QStringList DesignSession::recentDesigns() const {
    return parts_.desktop->settings()->value(kRecentKey).toStringList();
}

void DesignSession::rememberRecent(const QString& path) {
    const std::unique_ptr<QSettings> settings = parts_.desktop->settings();
    QStringList recent = settings->value(kRecentKey).toStringList();
    recent.removeAll(path);
    recent.prepend(path);
    while (recent.size() > kRecentCount) {
        recent.removeLast();
    }
    settings->setValue(kRecentKey, recent);
    settings->setValue(kFolderKey, QFileInfo(path).absolutePath());
}

void DesignSession::fillRecentMenu() {
    recentMenu_->clear();
    const QStringList recent = recentDesigns();
    for (int index = 0; index < recent.size(); ++index) {
        const QString path = recent.at(index);
        QAction* item = recentMenu_->addAction(
            QStringLiteral("&%1 %2").arg(index + 1).arg(QFileInfo(path).fileName()));
        item->setToolTip(shownName(path));
        connect(item, &QAction::triggered, this,
                [this, path] { parts_.guarded([this, path] { openDesignFile(path); }); });
    }
    recentMenu_->setEnabled(!recent.isEmpty());
}

bool DesignSession::beginRecovery(const QString& folder) {
    recovery_ = std::make_unique<LogRecovery>(folder);
    const QString orphans = recovery_->claimOrphans();
    // Each copy is two lines: the design's file (may be empty) and the
    // design on one line. The newest is the last.
    const QStringList lines = orphans.split(QLatin1Char('\n'));
    if (orphans.isEmpty() || lines.size() < 2) {
        recovery_->dropOrphans();
        return false;
    }
    const QString path = lines.at(lines.size() - 2);
    const DesignReading reading = readDesignJson(lines.last().toUtf8(), outline());
    if (!reading.document) {
        recovery_->dropOrphans();
        return false;
    }
    const int answer = parts_.ask(
        tr("The calculator did not end normally last time, and its design and "
           "results log held changes that were never saved.\n\nRestore them? No "
           "deletes them."),
        tr("Design", "restore"), QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, {});
    if (answer == QMessageBox::Yes) {
        DesignDocument document = *reading.document;
        takeOutMissingValveFiles(document);
        apply(document);
        fileName_ = path;
        showResultNotes(tr("the copy kept after the crash"));
        setModified(true);
        keepCopy();
    } else if (answer != QMessageBox::No) {
        recovery_->releaseOrphans();
        return true;
    }
    recovery_->dropOrphans();
    return true;
}

void DesignSession::keepCopy() {
    if (!recovery_) {
        return;
    }
    // The log alone has its own copy; the design's holds the log too.
    const bool unsaved = modified_;
    if (!unsaved) {
        recovery_->keep({});
        return;
    }
    recovery_->keep(fileName_ + QLatin1Char('\n') + QString::fromUtf8(designJson(capture(), true)));
}

void DesignSession::discardRecovery() {
    copySoon_.stop();
    if (recovery_) {
        recovery_->discard();
    }
}
