#include "app/FieldAccess.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QSlider>
#include <cmath>

#include "model/numtext.h"

QString fieldText(const QWidget* field) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(field)) {
        return edit->text();
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(field)) {
        return combo->currentText();
    }
    return {};
}

void setFieldText(QWidget* field, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        edit->setText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(field)) {
        combo->setEditText(text);
    }
}

double fieldValue(const QWidget* field) {
    return numtext::StrToFloat(fieldText(field).toStdString());
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

void moveSlider(QSlider* slider, long double value) {
    if (!std::isfinite(value)) {
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
    return QString::fromStdString(numtext::Format(format, {value}));
}
