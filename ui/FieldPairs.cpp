#include "ui/FieldPairs.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <cmath>

#include "model/faults.h"
#include "model/numtext.h"
#include "ui/ControlEvents.h"
#include "ui/DigitKeyFilter.h"
#include "ui/FieldAccess.h"
#include "ui/FieldWidgets.h"
#include "ui/NumberText.h"

namespace {

// Reads a whole number as typed ("12", "+12", " 12 "); "12.5" is no whole number.
bool readWholeNumber(const QString& text, long long& number) {
    bool ok = false;
    number = text.trimmed().toLongLong(&ok, 10);
    return ok;
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
    pairs_.reserve(pairs_.size() + rows.size());
    for (const QuantityRow& row : rows) {
        QuantityPair pair;
        pair.row = row;
        makeControls(pair);
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
                bound.row.exit.kind == ExitKind::Integer ? NumberForm::Whole : NumberForm::Decimal;
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
        addCaption(page_, row.caption, at.captionLeft, at.captionTop >= 0 ? at.captionTop : at.top);
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
    if (at.unitLeft >= 0 && !row.unit.isEmpty()) {
        addCaption(page_, row.unit, at.unitLeft, at.top);
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
    const long double value = static_cast<long double>(pair.slider->value()) * slider.scale;
    setFieldText(pair.field, formatText(slider.format, value));
    clearRefused(pair.field);
}

void FieldPairs::fieldExit(const QuantityPair& pair) {
    const FieldExit& exit = pair.row.exit;
    const double scale = pair.row.slider.scale;
    const QString text = fieldText(pair.field);
    if (text.isEmpty()) {
        return;
    }
    if (exit.kind == ExitKind::None) {
        // Read only by the calculation, which names a text that is no
        // figure; a corrected one is whole again.
        if (readQuantity(QString(), text, pair.row.range).number) {
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
        const QString what = exit.kind == ExitKind::Integer
                                 ? QStringLiteral("\" is not a whole number")
                                 : QStringLiteral("\" is not a number");
        services_.showMessage(quantityName(pair.row) + QStringLiteral(": \"") + text + what +
                                  QStringLiteral(" (allowed: ") + rangeText(pair.row.range) +
                                  QLatin1Char(')'),
                              QStringLiteral("INPUT ERROR"));
        return;
    }
    moveSlider(pair.slider, sliderPositionFor(value, scale));
    if (exit.kind == ExitKind::Integer && exit.format) {
        setFieldText(pair.field, QString::fromStdString(numtext::Format(exit.format, {whole})));
    } else if (exit.kind == ExitKind::Decimal) {
        // The typed value stays, even beyond the slider's range.
        setFieldText(pair.field, formatText(exit.format, value));
    }
    // A number is what the user meant to give; whether it lies in the
    // range is the calculation's to say, as it reads it.
    clearRefused(pair.field);
}

QString FieldPairs::quantityName(const QuantityRow& row) {
    QString name = row.caption.trimmed();
    if (name.endsWith(QLatin1Char(':'))) {
        name.chop(1);
    }
    if (!row.unit.isEmpty()) {
        name += QStringLiteral(" [") + row.unit + QLatin1Char(']');
    }
    return name;
}

FieldReading FieldPairs::read(const QuantityPair& pair) {
    FieldReading reading =
        readQuantity(quantityName(pair.row), fieldText(pair.field), pair.row.range);
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
    moveSlider(pair.slider, sliderPositionFor(value, pair.row.slider.scale));
    setFieldText(pair.field, text);
    // A result replaces whatever the user had still to correct there.
    clearRefused(pair.field);
}

void FieldPairs::reset(const QuantityPair& pair) {
    const PairReset& reset = pair.row.reset;
    QSlider* slider = pair.slider;
    const QString text =
        reset.text.isEmpty() && slider != nullptr ? QString::number(slider->minimum()) : reset.text;
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

bool FieldPairs::eventFilter(QObject* watched, QEvent* event) {
    if (leavesTheControl(event)) {
        if (const QuantityPair* pair = pairOf(qobject_cast<QWidget*>(watched))) {
            runGuarded(services_, [this, pair] { fieldExit(*pair); });
        }
    }
    return QObject::eventFilter(watched, event);
}
