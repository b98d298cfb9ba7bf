#include "ui/DigitKeyFilter.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

DigitKeyFilter::DigitKeyFilter(QObject* parent) : QObject(parent) {}

void DigitKeyFilter::attach(QWidget* field) {
    field->installEventFilter(this);
    // An editable combo box hands typed keys to its own line edit.
    if (auto* combo = qobject_cast<QComboBox*>(field); combo != nullptr && combo->lineEdit()) {
        combo->lineEdit()->installEventFilter(this);
    }
}

bool DigitKeyFilter::admits(QChar c) {
    return (c >= u'0' && c <= u'9') || c == u'.' || c == QChar(8) || c == QChar(13) ||
           c == QChar(10);
}

bool DigitKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        const bool shortcut = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
        if (!shortcut && !text.isEmpty() && text.at(0) == u',') {
            // Many keyboards put a comma on the keypad's decimal key, and many
            // users write one: it types the point, which the fields read.
            QString withPoint = text;
            withPoint.replace(u',', u'.');
            QKeyEvent point(QEvent::KeyPress, Qt::Key_Period, key->modifiers(), withPoint,
                            key->isAutoRepeat(), static_cast<quint16>(key->count()));
            QCoreApplication::sendEvent(watched, &point);
            return true;
        }
        if (!shortcut && !text.isEmpty() && text.at(0).isPrint() && !admits(text.at(0))) {
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
