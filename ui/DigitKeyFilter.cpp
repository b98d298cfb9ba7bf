#include "ui/DigitKeyFilter.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QToolTip>
#include <QValidator>

namespace {

// The form of a field, kept on the field and on a combo box's own edit.
constexpr const char* kNumberForm = "numberForm";

NumberForm formOf(const QObject* field) {
    return field->property(kNumberForm).toInt() == static_cast<int>(NumberForm::Whole)
               ? NumberForm::Whole
               : NumberForm::Decimal;
}

// The widget the user sees: a combo box for its own edit.
QWidget* shownField(QObject* watched) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget != nullptr && qobject_cast<QComboBox*>(widget->parentWidget()) != nullptr) {
        return widget->parentWidget();
    }
    return widget;
}

void showRefusal(QWidget* field) {
    if (field == nullptr) {
        return;
    }
    QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())),
                       DigitKeyFilter::refusalTip(formOf(field)), field);
}

QLineEdit* editOf(QWidget* field) {
    if (auto* combo = qobject_cast<QComboBox*>(field)) {
        return combo->lineEdit();
    }
    return qobject_cast<QLineEdit*>(field);
}

// Keeps pasted and dropped text out of the field unless the field can hold
// it; a text set by the program is not its business.
class NumberTextValidator : public QValidator {
  public:
    NumberTextValidator(NumberForm form, QObject* parent) : QValidator(parent), form_(form) {}
    State validate(QString& text, int&) const override {
        return DigitKeyFilter::canHold(text, form_) ? Acceptable : Invalid;
    }

  private:
    NumberForm form_;
};

// The edit's text without its selection: what a typed key adds to.
QString keptText(const QLineEdit* edit) {
    QString text = edit->text();
    if (edit->hasSelectedText()) {
        text.remove(edit->selectionStart(), edit->selectedText().size());
    }
    return text;
}

}  // namespace

DigitKeyFilter::DigitKeyFilter(QObject* parent) : QObject(parent) {}

QString DigitKeyFilter::refusalTip(NumberForm form) {
    return form == NumberForm::Whole
               ? tr("Digits only: this quantity is a positive whole number")
               : tr("Digits and one decimal point: this quantity is positive");
}

bool DigitKeyFilter::canHold(const QString& text, NumberForm form) {
    static const QRegularExpression decimal(QStringLiteral("^[ \\t]*[0-9]*[.,]?[0-9]*[ \\t]*$"));
    static const QRegularExpression whole(QStringLiteral("^[ \\t]*[0-9]*[ \\t]*$"));
    return (form == NumberForm::Whole ? whole : decimal).match(text).hasMatch();
}

void DigitKeyFilter::attach(QWidget* field, NumberForm form) {
    field->setProperty(kNumberForm, static_cast<int>(form));
    field->installEventFilter(this);
    QLineEdit* edit = editOf(field);
    if (edit == nullptr) {
        return;
    }
    if (edit != field) {
        // An editable combo box hands typed keys to its own line edit.
        edit->setProperty(kNumberForm, static_cast<int>(form));
        edit->installEventFilter(this);
    }
    edit->setValidator(new NumberTextValidator(form, edit));
    connect(edit, &QLineEdit::inputRejected, this, [edit, field] {
        // The user pastes or drops into the field being edited; a text the
        // program sets elsewhere that the field cannot hold is not refused.
        if (edit->hasFocus() || field->hasFocus()) {
            showRefusal(field);
        }
    });
}

bool DigitKeyFilter::admits(QChar c) {
    return (c >= u'0' && c <= u'9') || c == u'.' || c == QChar(8) || c == QChar(13) ||
           c == QChar(10);
}

bool DigitKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    const bool shortcut = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (shortcut || text.isEmpty() || !text.at(0).isPrint()) {
        return QObject::eventFilter(watched, event);
    }
    const NumberForm form = formOf(watched);
    const QChar typed = text.at(0);
    if (typed == u',' && form == NumberForm::Decimal) {
        // Many keyboards put a comma on the keypad's decimal key, and many
        // users write one: it types the point, which the fields read.
        QString withPoint = text;
        withPoint.replace(u',', u'.');
        QKeyEvent point(QEvent::KeyPress, Qt::Key_Period, key->modifiers(), withPoint,
                        key->isAutoRepeat(), static_cast<quint16>(key->count()));
        QCoreApplication::sendEvent(watched, &point);
        return true;
    }
    bool refused = !admits(typed);
    if (typed == u'.') {
        const QLineEdit* edit = editOf(qobject_cast<QWidget*>(watched));
        refused = form == NumberForm::Whole ||
                  (edit != nullptr && !canHold(keptText(edit) + typed, form));
    }
    if (refused) {
        showRefusal(shownField(watched));
        return true;
    }
    return QObject::eventFilter(watched, event);
}
