#include "app/FieldPairs.h"

#include <QEvent>
#include <QSlider>

#include "app/FieldAccess.h"
#include "app/HandlerGuard.h"
#include "model/faults.h"
#include "model/numtext.h"

FieldPairs::FieldPairs(FailureRoute& failures, QObject* parent)
    : QObject(parent), failures_(failures) {}

void FieldPairs::bind(const QuantityPair& pair) {
    pairs_.push_back(pair);
    const QuantityPair bound = pair;
    connectGuarded(pair.slider, &QSlider::valueChanged, this, failures_,
                   [bound](int) { sliderChanged(bound); });
    if (pair.exit != ExitKind::None) {
        pair.field->installEventFilter(this);
    }
}

void FieldPairs::bind(std::initializer_list<QuantityPair> pairs) {
    for (const auto& pair : pairs) {
        bind(pair);
    }
}

void FieldPairs::sliderChanged(const QuantityPair& pair) {
    const long double value = static_cast<long double>(pair.slider->value()) * pair.scale;
    setFieldText(pair.field, formatText(pair.sliderFormat, value));
}

void FieldPairs::fieldExit(const QuantityPair& pair) {
    const QString text = fieldText(pair.field);
    if (text.isEmpty()) {
        return;
    }
    double value = 0;
    try {
        value = numtext::StrToFloat(text.toStdString());
    } catch (const ConversionError&) {
        // An unreadable number is replaced, silently; the slider stays.
        setFieldText(pair.field, DefaultFieldText);
        return;
    }
    moveSlider(pair.slider, value);
    if (pair.exit == ExitKind::Decimal) {
        // The typed value stays, even beyond the slider's range.
        setFieldText(pair.field, formatText(pair.exitFormat, value));
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

bool FieldPairs::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        if (const QuantityPair* pair = pairOf(qobject_cast<QWidget*>(watched))) {
            const QuantityPair bound = *pair;
            runGuarded(failures_, [&bound] { fieldExit(bound); });
        }
    }
    return QObject::eventFilter(watched, event);
}
