#pragma once

#include <QObject>
#include <QStringList>
#include <optional>
#include <vector>

#include "model/Quantity.h"
#include "ui/InputChecks.h"
#include "ui/PageServices.h"

class QLabel;
class QSlider;
class QWidget;

// How a field's exit treats the text the user left in it.
enum class ExitKind {
    None,     // no exit handling: the slider alone writes the field
    Decimal,  // parse, move the slider (value / scale), rewrite in the exit format
    Whole,    // parse and move the slider; the slider's change rewrites the field
    Integer,  // parse a whole number, move the slider, then rewrite the field
              // in the exit format if there is one
};

// What kind of control shows a pair's value.
enum class FieldKind {
    Edit,   // one-line edit
    Combo,  // editable combo box with a preset list
    Label,  // a label the slider alone writes (no typing)
};

// How a pair goes back to its start on a page's reset.
enum class ResetKind {
    None,            // the pair keeps its value
    TextThenSlider,  // field := reset text, then the slider to its minimum
    SliderThenText,  // the slider to its minimum, then field := reset text
};

// Where a pair's controls stand on its page. The caption and the unit label
// are optional (-1); a caption may stand above the slider.
struct PairPlacement {
    int captionLeft = -1;
    int top = 0;
    int sliderLeft = 0;
    int sliderWidth = 0;
    int fieldLeft = 0;
    int fieldWidth = 0;
    int unitLeft = -1;
    int captionTop = -1;  // -1: on the row's line
    int markLeft = -1;    // red asterisk of a value that must be given
};

// The slider of a pair: its range, where it starts, its tick spacing, and
// how its position becomes the field's value (position times scale, written
// in the format).
// A pair's slider. A row whose slider has no name has none: its field keeps
// the key filter, the exit and the reset all the same.
struct SliderPart {
    const char* name = nullptr;
    int minimum = 0;
    int maximum = 100;
    int start = 0;
    int tick = 1;
    double scale = 1.0;
    const char* format = "%f";
};

// The field of a pair. A tag (0 for none) tells the colour reset which fields
// belong to the calculator pages; items are a combo box's list.
struct FieldPart {
    const char* name = nullptr;
    int tag = 0;
    FieldKind kind = FieldKind::Edit;
    QStringList items;
    KeyFilterKind keys = KeyFilterKind::Decimal;
};

// What leaving the field does with its text. The format rewrites the field
// (nullptr: no rewrite). A text that is no number is never replaced: it
// stays, the field turns red and a message names the quantity and its range.
struct FieldExit {
    ExitKind kind = ExitKind::Decimal;
    const char* format = "%2.2f";
};

// What a page's reset does with a pair. An empty text stands for the
// slider's minimum as a whole number.
struct PairReset {
    ResetKind kind = ResetKind::None;
    QString text;
};

// One quantity: a slider for coarse setting and a field for the exact value,
// kept in step. A page describes each of its quantities once, in one row of
// its table. The row is written in the model units (slider, formats, range);
// the unit the user reads follows from the quantity and the page's unit
// system: beside the field where the row places a unit label, otherwise in
// brackets after the caption ("Flow [l/min]"). A Ratio has no unit.
struct QuantityRow {
    QString caption;
    units::Quantity quantity = units::Quantity::Ratio;
    SliderPart slider;
    FieldPart field;
    FieldExit exit;
    // The figures a calculation takes from the field; declared here once,
    // for the page's checks and its messages.
    ValueRange range;
    PairPlacement at;
    PairReset reset;
};

// A row once its controls exist.
struct QuantityPair {
    QuantityRow row;
    QSlider* slider = nullptr;
    QWidget* field = nullptr;  // QLineEdit, editable QComboBox or QLabel
    QLabel* captionLabel = nullptr;
    QLabel* unitLabel = nullptr;
    // The system the field and the slider show; the slider's step in it.
    units::UnitSystem system = units::kMetric;
    double sliderScale = 1.0;
    // The model value behind the text a unit switch wrote last, so that a
    // switch back gives the figure from the value, not from its rounding.
    std::optional<double> switchedValue;
    QString switchedText;

    const units::Unit& unit() const { return units::displayUnit(row.quantity, system); }
    bool showsModelUnit() const { return unit().isIdentity(); }
};

// The slider and field rules, written once: a page hands its table of rows
// here, which makes the controls, binds slider and field, attaches the key
// filters and knows how to reset them. A slider change writes its field; a
// field's exit (the focus moving to another control of the window) parses
// the text and moves the slider.
class FieldPairs : public QObject {
    Q_OBJECT
  public:
    FieldPairs(PageServices& services, QWidget* page);

    // Makes the controls of each row on the page and binds them.
    void build(const std::vector<QuantityRow>& rows);

    QuantityPair& pair(int index) { return pairs_.at(static_cast<std::size_t>(index)); }
    const QuantityPair& pair(int index) const { return pairs_.at(static_cast<std::size_t>(index)); }
    const QuantityPair* pairOf(const QWidget* field) const;
    int count() const { return static_cast<int>(pairs_.size()); }

    // A pair whose field changes meaning (the line page's speed or flow):
    // its quantity and its slider's step in the model unit.
    void setQuantity(int index, units::Quantity quantity, double scale);

    // The slider's largest figure, in the model unit (the largest flow of a
    // valve's data); the slider keeps its value within the new range.
    void setSliderMaximum(int index, int maximum);

    // Shows every pair in the system: the figures converted in place (a
    // text typed but not yet left is read first; a text that is no number
    // stays as it is), the sliders on round ranges of the new unit, the
    // captions in its name. No value is lost and nothing is recalculated.
    void setUnitSystem(units::UnitSystem system);
    units::UnitSystem unitSystem() const { return system_; }

    // The handlers, callable directly. Leaving a field whose text is no
    // number keeps the text, turns the field red and names the quantity and
    // its range in a message; a number within the range makes it whole again.
    static void sliderChanged(const QuantityPair& pair);
    void fieldExit(const QuantityPair& pair);
    // A result: the slider moves first (to value / scale, clamped), then the
    // field gets the text, so the field always shows the computed value.
    static void showResult(const QuantityPair& pair, long double value, const QString& text);
    // The row's reset (nothing for ResetKind::None).
    static void reset(const QuantityPair& pair);
    void resetAll();

    // The quantity as messages name it: the caption with its unit,
    // "Pressure [bar]".
    static QString quantityName(const QuantityPair& pair);
    // The caption as the page shows it.
    static QString captionText(const QuantityPair& pair);
    // The row's range in the unit the pair shows, for checks and messages.
    static ValueRange displayRange(const QuantityPair& pair);
    // The field's figure in the model unit; a text that is no number throws
    // ConversionError (for a field its page has checked).
    static double modelValue(const QuantityPair& pair);
    double modelValue(int index) const { return modelValue(pair(index)); }
    // Nothing for a blank field; otherwise as modelValue.
    static std::optional<double> optionalModelValue(const QuantityPair& pair);
    // A model value written into the field as the pair shows it, with the
    // decimals of the format; the slider is left where it is.
    static void showValue(const QuantityPair& pair, const char* format, double value);
    // A value in the model unit as the field shows it, with the decimals of
    // the format (one more for a unit ten or more times the model's).
    static QString displayText(const QuantityPair& pair, const char* format, long double value);
    // A model value in the format the field writes its figures in.
    static QString shownText(const QuantityPair& pair, double value);
    // The field's number when it is one within the row's range; otherwise
    // the field turns red and the reading says why, naming the quantity.
    static FieldReading read(const QuantityPair& pair);
    FieldReading read(int index) const { return read(pair(index)); }
    // The number, or the reading's message shown (captioned as the page's
    // refusals are) and nothing.
    std::optional<double> valueOrRefusal(int index, const QString& caption);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void makeControls(QuantityPair& pair);
    static void placeSlider(QuantityPair& pair);
    static void switchPair(QuantityPair& pair, units::UnitSystem system);

    PageServices& services_;
    QWidget* page_;
    std::vector<QuantityPair> pairs_;
    units::UnitSystem system_ = units::kMetric;
};

// The slider position for a field value: value / scale, truncated toward
// zero after rounding away the last digits that binary fractions leave
// (0.3 at scale 0.1 is position 3, not 2).
long double sliderPositionFor(long double value, double scale);
