#include "ui/FieldPairs.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>
#include <cmath>
#include <string>

#include "model/faults.h"
#include "model/numtext.h"
#include "ui/ControlEvents.h"
#include "ui/DigitKeyFilter.h"
#include "ui/FieldAccess.h"
#include "ui/FieldWidgets.h"
#include "ui/NumberText.h"
#include "ui/QuantityLabels.h"

namespace {

// Reads a whole number as typed ("12", "+12", " 12 "); "12.5" is no whole number.
bool readWholeNumber(const QString& text, long long& number) {
    bool ok = false;
    number = text.trimmed().toLongLong(&ok, 10);
    return ok;
}

// The format of a whole-number field's figure in another unit: a thousandth
// of an inch is what a drawing gives.
constexpr const char* kWholeInOtherUnit = "%.2f";  // one more decimal for a larger unit

// The decimals a written result shows: the digits after its point.
int decimalsIn(const QString& text) {
    const QString trimmed = text.trimmed();
    const qsizetype point = trimmed.indexOf(QLatin1Char('.'));
    return point < 0 ? 0 : static_cast<int>(trimmed.size() - point - 1);
}

// The decimals that show a slider's step: 0.2 one, 0.05 two, 20 none.
int decimalsForStep(double step) {
    return step > 0.0 ? std::max(0, static_cast<int>(std::ceil(-std::log10(step) - 1e-9))) : 0;
}

// A whole-number format ("%d", "%.d"), which cannot show a converted figure.
bool isWholeFormat(const char* format) {
    return format != nullptr && std::string_view(format).find('d') != std::string_view::npos;
}

// A text's number, when it is a finite one.
std::optional<double> figureIn(const QString& text) {
    try {
        const std::optional<double> value = readOptionalNumber(text);
        return value && std::isfinite(*value) ? value : std::nullopt;
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

}  // namespace

long double sliderPositionFor(long double value, double scale) {
    long double scaled = value / static_cast<long double>(scale);
    if (!std::isfinite(scaled) || scaled == 0.0L) {
        return scaled;
    }
    // Twelve significant digits are far more than any field shows and far
    // fewer than the error a binary fraction carries.
    const long double magnitude = std::floor(std::log10(std::fabs(scaled)));
    const long double factor = std::pow(10.0L, 11.0L - magnitude);
    if (std::isfinite(factor) && std::isfinite(scaled * factor)) {
        scaled = std::round(scaled * factor) / factor;
    }
    return scaled;
}

FieldPairs::FieldPairs(PageServices& services, QWidget* page)
    : QObject(page), services_(services), page_(page) {}

void FieldPairs::build(const std::vector<QuantityRow>& rows) {
    system_ = services_.shared().unitSystem;
    pairs_.reserve(pairs_.size() + rows.size());
    for (const QuantityRow& row : rows) {
        QuantityPair pair;
        pair.row = row;
        pair.system = system_;
        pair.sliderScale = row.slider.scale;
        makeControls(pair);
        placeSlider(pair);
        pairs_.push_back(pair);
    }
    // Handlers find their pair by index: the vector no longer grows.
    for (int index = 0; index < count(); ++index) {
        QuantityPair& bound = pair(index);
        if (bound.slider != nullptr) {
            connectGuarded(bound.slider, &QSlider::valueChanged, this, services_,
                           [this, index](int) { sliderChanged(pair(index)); });
        }
        if (bound.row.field.kind != FieldKind::Label) {
            bound.field->installEventFilter(this);
        }
        if (bound.row.field.keys != KeyFilterKind::None) {
            // A field read as a whole number takes no decimal point.
            const NumberForm form =
                bound.row.exit.kind == ExitKind::Integer && bound.showsModelUnit()
                    ? NumberForm::Whole
                    : NumberForm::Decimal;
            services_.keyFilter(bound.row.field.keys).attach(bound.field, form);
        }
    }
}

void FieldPairs::makeControls(QuantityPair& pair) {
    const QuantityRow& row = pair.row;
    const SliderPart& slider = row.slider;
    const FieldPart& field = row.field;
    const PairPlacement& at = row.at;
    if (at.captionLeft >= 0 && !row.caption.isEmpty()) {
        pair.captionLabel = addCaption(page_, captionText(pair), at.captionLeft,
                                       at.captionTop >= 0 ? at.captionTop : at.top);
    }
    if (at.markLeft >= 0) {
        addRequiredMark(page_, at.markLeft, (at.captionTop >= 0 ? at.captionTop : at.top) - 2);
    }
    if (slider.name != nullptr) {
        pair.slider = addSlider(page_, slider.name, at.sliderLeft, at.top, at.sliderWidth,
                                slider.minimum, slider.maximum, slider.start, slider.tick);
    }
    switch (field.kind) {
        case FieldKind::Edit:
            pair.field =
                addEditField(page_, field.name, at.fieldLeft, at.top, at.fieldWidth, field.tag);
            break;
        case FieldKind::Combo:
            pair.field = addComboField(page_, field.name, at.fieldLeft, at.top, at.fieldWidth,
                                       field.tag, field.items);
            break;
        case FieldKind::Label:
            pair.field = addValueLabel(page_, field.name, at.fieldLeft, at.top, at.fieldWidth);
            break;
    }
    if (at.unitLeft >= 0 && row.quantity != units::Quantity::Ratio) {
        pair.unitLabel = addCaption(page_, shownUnit(pair.unit().display), at.unitLeft, at.top);
    }
}

const QuantityPair* FieldPairs::pairOf(const QWidget* field) const {
    for (const auto& pair : pairs_) {
        if (pair.field == field) {
            return &pair;
        }
    }
    return nullptr;
}

void FieldPairs::sliderChanged(const QuantityPair& pair) {
    const SliderPart& slider = pair.row.slider;
    const long double value = static_cast<long double>(pair.slider->value()) * pair.sliderScale;
    if (!pair.showsModelUnit() && isWholeFormat(slider.format)) {
        // Whole millimetres are fractions of an inch: the step's decimals.
        const std::string format = "%." + std::to_string(decimalsForStep(pair.sliderScale)) + "f";
        setFieldText(pair.field, formatText(format.c_str(), value));
    } else {
        setFieldText(pair.field, formatText(slider.format, value));
    }
    clearRefused(pair.field);
}

void FieldPairs::fieldExit(const QuantityPair& pair) {
    // A whole number of the model unit (millimetres) is a decimal one in a
    // larger unit (inches).
    const FieldExit exit = pair.row.exit.kind == ExitKind::Integer && !pair.showsModelUnit()
                               ? FieldExit{ExitKind::Decimal, kWholeInOtherUnit}
                               : pair.row.exit;
    const double scale = pair.sliderScale;
    const QString text = fieldText(pair.field);
    if (text.isEmpty()) {
        return;
    }
    if (exit.kind == ExitKind::None) {
        // Read only by the calculation, which names a text that is no
        // figure; a corrected one is whole again.
        if (readQuantity(QString(), text, displayRange(pair)).number) {
            clearRefused(pair.field);
        }
        return;
    }
    // A whole number is read as typed ("12", "+12", " 12 "); "12.5" is none.
    long long whole = 0;
    double value = 0;
    bool number = false;
    if (exit.kind == ExitKind::Integer) {
        number = readWholeNumber(text, whole);
        value = static_cast<double>(whole);
    } else {
        try {
            value = readNumber(text);
            number = true;
        } catch (const ConversionError&) {
        }
    }
    if (!number) {
        // Nothing is guessed: the text stays for the user to correct, and the
        // slider where it was.
        markRefused(pair.field);
        // One pass over the pattern: a typed "%1" stays as it was typed.
        const QString problem = exit.kind == ExitKind::Integer
                                    ? tr("%1: \"%2\" is not a whole number (allowed: %3)")
                                    : tr("%1: \"%2\" is not a number (allowed: %3)");
        services_.showMessage(problem.arg(quantityName(pair), text, rangeText(displayRange(pair))),
                              tr("INPUT ERROR"));
        return;
    }
    moveSlider(pair.slider, sliderPositionFor(value, scale));
    if (exit.kind == ExitKind::Integer && exit.format) {
        setFieldText(pair.field, QString::fromStdString(numtext::Format(exit.format, {whole})));
    } else if (exit.kind == ExitKind::Decimal) {
        // The typed value stays, even beyond the slider's range.
        setFieldText(pair.field, formatText(shownFormat(exit.format, pair.unit()).c_str(), value));
    }
    // A number is what the user meant to give; whether it lies in the
    // range is the calculation's to say, as it reads it.
    clearRefused(pair.field);
}

QString FieldPairs::quantityName(const QuantityPair& pair) {
    QString name = pair.row.caption.trimmed();
    if (name.endsWith(QLatin1Char(':'))) {
        name.chop(1);
    }
    if (pair.row.quantity != units::Quantity::Ratio) {
        name += QStringLiteral(" [") + shownUnit(pair.unit().ascii) + QLatin1Char(']');
    }
    return name;
}

QString FieldPairs::captionText(const QuantityPair& pair) {
    if (pair.row.at.unitLeft >= 0 || pair.row.quantity == units::Quantity::Ratio) {
        return pair.row.caption;
    }
    return pair.row.caption + QStringLiteral(" [") + shownUnit(pair.unit().display) +
           QLatin1Char(']');
}

ValueRange FieldPairs::displayRange(const QuantityPair& pair) {
    const ValueRange& range = pair.row.range;
    if (pair.showsModelUnit()) {
        return range;
    }
    // Six digits say the bound; a bound beyond the double range in the other
    // unit is no bound there either.
    const auto shown = [&pair](double bound) {
        const double value = bound / pair.unit().factor + pair.unit().zero;
        return std::isfinite(value) ? QString::number(value, 'g', 6).toDouble() : bound;
    };
    return {shown(range.lowest), shown(range.highest)};
}

double FieldPairs::modelValue(const QuantityPair& pair) {
    return units::toModel(fieldValue(pair.field), pair.row.quantity, pair.system);
}

std::optional<double> FieldPairs::optionalModelValue(const QuantityPair& pair) {
    const std::optional<double> value = optionalFieldValue(pair.field);
    if (!value) {
        return std::nullopt;
    }
    return units::toModel(*value, pair.row.quantity, pair.system);
}

void FieldPairs::showValue(const QuantityPair& pair, const char* format, double value) {
    setFieldText(pair.field, displayText(pair, format, value));
}

QString FieldPairs::displayText(const QuantityPair& pair, const char* format, long double value) {
    if (pair.showsModelUnit()) {
        return formatText(format, value);
    }
    return formatText(shownFormat(format, pair.unit()).c_str(),
                      units::toDisplay(static_cast<double>(value), pair.row.quantity, pair.system));
}

FieldReading FieldPairs::read(const QuantityPair& pair) {
    const ValueRange shown = displayRange(pair);
    FieldReading reading = readQuantity(quantityName(pair), fieldText(pair.field), shown);
    if (reading.number && !pair.showsModelUnit()) {
        // The bounds hold for the value the elements compute with; the
        // message gives them in the unit the user reads.
        reading.value = units::toModel(reading.value, pair.row.quantity, pair.system);
        reading.problem =
            inRange(reading.value, pair.row.range)
                ? QString()
                : outOfRangeText(quantityName(pair), fieldText(pair.field).trimmed(), shown);
    }
    if (!reading.usable()) {
        markRefused(pair.field);
    }
    return reading;
}

std::optional<double> FieldPairs::valueOrRefusal(int index, const QString& caption) {
    const FieldReading reading = read(index);
    if (!reading.usable()) {
        services_.showMessage(reading.problem, caption);
        return std::nullopt;
    }
    return reading.value;
}

void FieldPairs::showResult(const QuantityPair& pair, long double value, const QString& text) {
    if (pair.showsModelUnit()) {
        moveSlider(pair.slider, sliderPositionFor(value, pair.sliderScale));
        setFieldText(pair.field, text);
    } else {
        // The page writes the model's figure; the field shows it converted,
        // with as many decimals as the page gave it.
        const double shown =
            units::toDisplay(static_cast<double>(value), pair.row.quantity, pair.system);
        moveSlider(pair.slider, sliderPositionFor(shown, pair.sliderScale));
        const std::string format = "%." + std::to_string(decimalsIn(text)) + "f";
        setFieldText(pair.field, displayText(pair, format.c_str(), value));
    }
    // A result replaces whatever the user had still to correct there.
    clearRefused(pair.field);
}

void FieldPairs::reset(const QuantityPair& pair) {
    const PairReset& reset = pair.row.reset;
    QSlider* slider = pair.slider;
    QString text =
        reset.text.isEmpty() && slider != nullptr ? QString::number(slider->minimum()) : reset.text;
    if (!reset.text.isEmpty() && !pair.showsModelUnit()) {
        // The start texts are model figures (20 °C is 68 °F).
        if (const auto figure = figureIn(reset.text)) {
            const std::string format = "%." + std::to_string(decimalsIn(reset.text)) + "f";
            text = formatText(format.c_str(),
                              units::toDisplay(*figure, pair.row.quantity, pair.system));
        }
    }
    switch (reset.kind) {
        case ResetKind::None:
            break;
        case ResetKind::TextThenSlider:
            // A slider that moves rewrites its field in the slider's format.
            setFieldText(pair.field, text);
            if (slider != nullptr) {
                slider->setValue(slider->minimum());
            }
            break;
        case ResetKind::SliderThenText:
            if (slider != nullptr) {
                slider->setValue(slider->minimum());
            }
            setFieldText(pair.field, text);
            break;
    }
    if (reset.kind != ResetKind::None) {
        clearRefused(pair.field);
    }
}

void FieldPairs::resetAll() {
    for (const auto& pair : pairs_) {
        reset(pair);
    }
}

void FieldPairs::setQuantity(int index, units::Quantity quantity, double scale) {
    QuantityPair& changed = pair(index);
    changed.row.quantity = quantity;
    changed.row.slider.scale = scale;
    changed.switchedValue.reset();
    const QSignalBlocker quiet(changed.slider);
    placeSlider(changed);
    if (changed.captionLabel != nullptr) {
        recaption(changed.captionLabel, captionText(changed));
    }
    if (changed.unitLabel != nullptr) {
        recaption(changed.unitLabel, shownUnit(changed.unit().display));
    }
}

void FieldPairs::setSliderMaximum(int index, int maximum) {
    QuantityPair& changed = pair(index);
    changed.row.slider.maximum = std::max(maximum, changed.row.slider.minimum);
    placeSlider(changed);
}

void FieldPairs::placeSlider(QuantityPair& pair) {
    const SliderPart& part = pair.row.slider;
    pair.sliderScale = part.scale;
    if (pair.slider == nullptr) {
        return;
    }
    if (pair.showsModelUnit()) {
        pair.slider->setRange(part.minimum, part.maximum);
        pair.slider->setTickInterval(part.tick);
        return;
    }
    // As many steps as in the model unit, each a round number of the
    // displayed unit, between round ends.
    const units::DisplayRange range = units::roundRange(
        pair.row.quantity, pair.system, part.minimum * part.scale, part.maximum * part.scale);
    const int steps = std::max(1, part.maximum - part.minimum);
    const double step = range.maximum > range.minimum
                            ? units::roundDown125((range.maximum - range.minimum) / steps)
                            : part.scale;
    pair.sliderScale = step;
    const int minimum = static_cast<int>(std::floor(range.minimum / step + 1e-9));
    const int maximum = static_cast<int>(std::ceil(range.maximum / step - 1e-9));
    pair.slider->setRange(minimum, maximum);
    pair.slider->setTickInterval(
        std::max(1, static_cast<int>(std::lround(part.tick * double(maximum - minimum) / steps))));
}

void FieldPairs::switchPair(QuantityPair& pair, units::UnitSystem system) {
    const units::Unit& before = pair.unit();
    const units::Unit& after = units::displayUnit(pair.row.quantity, system);
    // The value behind the text: the one a switch wrote, unless the user has
    // written another text since.
    std::optional<double> value;
    const QString text = fieldText(pair.field);
    if (pair.switchedValue && text == pair.switchedText) {
        value = pair.switchedValue;
    } else if (const auto figure = figureIn(text)) {
        value = (*figure - before.zero) * before.factor;
    }
    pair.system = system;
    pair.switchedValue.reset();
    const int position = pair.slider != nullptr ? pair.slider->value() : 0;
    const double shownBySlider = position * pair.sliderScale;
    {
        // Neither the new range nor the new position is a move of the user's.
        const QSignalBlocker quiet(pair.slider);
        placeSlider(pair);
        if (pair.slider != nullptr) {
            const double sliderValue =
                value ? units::toDisplay(*value, pair.row.quantity, system)
                      : units::toDisplay((shownBySlider - before.zero) * before.factor,
                                         pair.row.quantity, system);
            moveSlider(pair.slider, sliderPositionFor(sliderValue, pair.sliderScale));
        }
    }
    if (pair.captionLabel != nullptr) {
        recaption(pair.captionLabel, captionText(pair));
    }
    if (pair.unitLabel != nullptr) {
        recaption(pair.unitLabel, shownUnit(after.display));
    }
    if (!value || (before.factor == after.factor && before.zero == after.zero)) {
        return;
    }
    const QString shown = shownText(pair, *value);
    setFieldText(pair.field, shown);
    pair.switchedValue = value;
    pair.switchedText = shown;
}

QString FieldPairs::shownText(const QuantityPair& pair, double value) {
    const FieldExit& exit = pair.row.exit;
    const char* format = exit.kind == ExitKind::Decimal && exit.format != nullptr
                             ? exit.format
                             : pair.row.slider.format;
    if (exit.kind == ExitKind::Integer && !pair.showsModelUnit()) {
        format = kWholeInOtherUnit;
    } else if (format == nullptr || isWholeFormat(format)) {
        format = "%0.0f";
    }
    return displayText(pair, format, value);
}

void FieldPairs::setUnitSystem(units::UnitSystem system) {
    system_ = system;
    for (auto& each : pairs_) {
        if (each.system == system) {
            continue;
        }
        switchPair(each, system);
        if (each.row.exit.kind == ExitKind::Integer && each.row.field.keys != KeyFilterKind::None) {
            // Whole millimetres, but inches with their decimals.
            services_.keyFilter(each.row.field.keys)
                .attach(each.field,
                        each.showsModelUnit() ? NumberForm::Whole : NumberForm::Decimal);
        }
    }
}

bool FieldPairs::eventFilter(QObject* watched, QEvent* event) {
    if (leavesTheControl(event)) {
        if (const QuantityPair* pair = pairOf(qobject_cast<QWidget*>(watched))) {
            runGuarded(services_, [this, pair] { fieldExit(*pair); });
        }
    }
    return QObject::eventFilter(watched, event);
}
