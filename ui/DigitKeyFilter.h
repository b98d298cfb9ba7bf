#pragma once

#include <QObject>
#include <QString>

class QWidget;

// What a number field takes: a positive figure with a decimal point, or a
// positive whole number.
enum class NumberForm { Decimal, Whole };

// Lets only digits, one decimal point (none in a whole-number field),
// backspace and Enter reach a number field; a typed comma arrives as the
// point. Every other typed character is refused with a tool tip at the field
// that says what it takes, never dropped in silence. Pasted or dropped text
// is taken whole when it is a number as the field takes it (a decimal comma
// too) and refused whole otherwise, with the same tool tip; the field keeps
// its text. Keys that type nothing (arrows, Delete, Tab) and shortcuts pass,
// so the field stays editable.
class DigitKeyFilter : public QObject {
    Q_OBJECT
  public:
    explicit DigitKeyFilter(QObject* parent);

    void attach(QWidget* field, NumberForm form = NumberForm::Decimal);

    static bool admits(QChar character);
    // The tool tip of a refused key or paste.
    static QString refusalTip(NumberForm form);
    // Whether a field of the form can hold the text, typed or pasted: blanks
    // around digits with at most one decimal point or comma (none in a whole
    // number). The empty text can. Blanks are spaces and tabs, as the reading
    // takes them.
    static bool canHold(const QString& text, NumberForm form);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
