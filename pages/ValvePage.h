#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <optional>

#include "pages/PageLinks.h"
#include "pages/ValveData.h"
#include "ui/CalculatorPage.h"
#include "ui/DiagramBox.h"
#include "ui/QuantityLabels.h"

class FieldPairs;
class QAction;
class QComboBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QSlider;
class QTabWidget;

// The valve pressure-drop page: a valve from a data file or defined by two
// numbers, its characteristic drawn and its drop at a flow calculated.
class ValvePage : public CalculatorPage {
    Q_OBJECT
  public:
    void setUnitSystem(units::UnitSystem system) override;
    // "Use Flow" takes the pump flow from pumpFlow.
    ValvePage(PageServices& services, PumpFlowSource pumpFlow);

    // The valve whose drop the page shows; nothing before the first calculation.
    std::optional<ValveTakeOver> takeOver() const;
    // The drop label's text.
    QString dropText() const;

    // The flow slider's largest value (set by the line page's diagram).
    void setFlowSliderMaximum(int maximum);
    // "Calculate" (also run from the circuit page's flow label).
    void BitBtn10Click();

    // The other handlers, callable directly.
    void ComboBox1Change();
    void ListBox1Click();
    void btnTestClick();
    void BitBtn8Click();
    void Koristiprotok1Click();
    // "Open data file…": a file chosen in a dialog loads as if its name had
    // been typed.
    void btnValveOpenClick();

    bool recalculatesExactly() const override { return true; }
    std::vector<const FieldPairs*> quantityRows() const override {
        return {userPairs_, pairs_, flowPair_};
    }
    // Database or user defined, the valve type (its data file's name) and
    // the valve of the list.
    std::vector<PageChoice> choices() override;
    // The valve calculated last, and its drop.
    void saveResults(PageState& state) const override;
    void restoreResults(const PageState& state) override;

    // F0..F4 of the list line read last (they stay when a line is refused).
    const std::array<QString, 5>& selectedFields() const { return slots_; }

  protected:
    // A click anywhere on the valve type box opens its list.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void buildDiagramArea();
    void connectHandlers();
    // Lists the valves of a type's data file; false (and a message) when it
    // cannot be read.
    bool loadValveFile(const QString& name);
    // The same for a file already found: `name` is the type it is listed as.
    bool loadValveFile(const QString& name, const QString& path);
    // The type (its data file's name) a text of the type box stands for: a
    // listed item's, in whatever language it is shown, or the text as typed.
    QString typeOf(const QString& shown) const;
    // The type box on a type: its item where it is listed, else its name.
    void showType(const QString& type);
    // Loads a type's data file (empty: none) and shows its picture.
    void loadType(const QString& type);
    // The type box back on the type of the listed valves.
    void showLoadedType();
    void loadValvePicture(const QString& type);
    // The type and its list as a design names them: loads its data file
    // (empty: none), without a message.
    void restoreValveType(const QString& name);
    void restoreValveLine(const QString& name);
    // The selected list row, -1 with none.
    int selectedRow() const;
    // The selected line read, or nothing: with a message when asked to (a
    // refused line is told of once, when it is chosen).
    std::optional<ValveLine> selectedValve(bool tellRefusal = true);
    void showDiagram(std::optional<ValveDiagram> diagram, int listRow);
    void showLineFault(int row, const QString& fault);
    // The dot at the flow and drop calculated, on the diagram of that valve.
    void markOperatingPoint(double flow, double drop, double p0, double k);
    void setFlowMaximum(int maximum);

    PumpFlowSource pumpFlow_;
    FieldPairs* userPairs_ = nullptr;  // on "User defined"
    FieldPairs* pairs_ = nullptr;      // intake pressure
    FieldPairs* flowPair_ = nullptr;   // the flow, slid or typed
    QTabWidget* pgcntrsValves = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QLabel* imgVentil = nullptr;
    QPushButton* btnTest = nullptr;
    QPushButton* btnValveOpen = nullptr;
    QLabel* lblFall = nullptr;
    DiagramBox* PaintBox1 = nullptr;
    QPushButton* BitBtn8 = nullptr;
    QSlider* tbVENTIL_Q = nullptr;
    QMenu* popUpUseFlow = nullptr;
    QAction* Koristiprotok1 = nullptr;
    QPushButton* BitBtn10 = nullptr;

    // F0..F4 of the line selected and read last; a refused line leaves them.
    std::array<QString, 5> slots_;
    // The file the valve lines came from, for the messages about them, and
    // the type it was loaded as, which names the valves calculated.
    QString loadedFile_;
    QString loadedType_;
    // The user typed into the combo since its last load.
    bool typedName_ = false;
    // The list line the last list action was about (-1: the diagram on show,
    // if any, is no list line's). A click on it again changes nothing.
    int listDiagramRow_ = -1;
    // The diagram on show in the model units, drawn in the page's.
    std::optional<ValveDiagram> diagram_;
    QuantityLabels drop_;
    std::optional<ValveTakeOver> lastValve_;
};
