#include "ui/FieldAccess.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QSlider>
#include <cmath>
#include <string_view>

#include "model/numtext.h"
#include "ui/NumberText.h"

QString fieldText(const QWidget* field) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(field)) {
        return edit->text();
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(field)) {
        return combo->currentText();
    }
    if (const auto* label = qobject_cast<const QLabel*>(field)) {
        return label->text();
    }
    return {};
}

void setFieldText(QWidget* field, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        edit->setText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(field)) {
        combo->setEditText(text);
    } else if (auto* label = qobject_cast<QLabel*>(field)) {
        label->setText(text);
    }
}

double fieldValue(const QWidget* field) {
    return readNumber(fieldText(field));
}

std::optional<double> optionalFieldValue(const QWidget* field) {
    return readOptionalNumber(fieldText(field));
}

void setFieldColour(QWidget* field, const QColor& colour) {
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, colour);
    field->setPalette(palette);
}

QColor windowColour() {
    return QApplication::palette().color(QPalette::Base);
}

QColor fieldColour(const QWidget* field) {
    return field->palette().color(QPalette::Base);
}

namespace {

// The colour a refused field had before it turned red.
constexpr const char* kColourBeforeRefusal = "colourBeforeRefusal";

}  // namespace

void markRefused(QWidget* field) {
    if (field == nullptr) {
        return;
    }
    // Marked again after a mode painted it: the mode's colour comes back.
    if (fieldColour(field) != kRefusedFieldColour) {
        field->setProperty(kColourBeforeRefusal, fieldColour(field));
    }
    setFieldColour(field, kRefusedFieldColour);
}

void clearRefused(QWidget* field) {
    if (field == nullptr || !isRefused(field)) {
        return;
    }
    const QColor before = field->property(kColourBeforeRefusal).value<QColor>();
    field->setProperty(kColourBeforeRefusal, QVariant());
    if (fieldColour(field) == kRefusedFieldColour) {
        setFieldColour(field, before);
    }
}

bool isRefused(const QWidget* field) {
    return field != nullptr && field->property(kColourBeforeRefusal).isValid();
}

void moveSlider(QSlider* slider, long double value) {
    if (slider == nullptr || !std::isfinite(value)) {
        return;
    }
    const long double truncated = std::trunc(value);
    int position = slider->minimum();
    if (truncated >= slider->maximum()) {
        position = slider->maximum();
    } else if (truncated > slider->minimum()) {
        position = static_cast<int>(truncated);
    }
    slider->setValue(position);
}

QString formatText(const char* format, long double value) {
    // A whole-number format ("%d", "%.d") takes the value truncated.
    const std::string_view pattern(format);
    if (!pattern.empty() && pattern.back() == 'd' && std::isfinite(value)) {
        return QString::fromStdString(
            numtext::Format(format, {static_cast<long long>(std::trunc(value))}));
    }
    return QString::fromStdString(numtext::Format(format, {value}));
}
