#pragma once

#include <QObject>
#include <vector>

class FailureRoute;
class QSlider;
class QWidget;

// How a field's exit treats the text the user left in it.
enum class ExitKind {
    None,     // no exit handling: the slider alone writes the field
    Decimal,  // parse, move the slider, rewrite the field in the exit format
    Whole,    // parse and move the slider; the slider's change rewrites the field
};

// One quantity: a slider for coarse setting and a field for the exact value,
// kept in step. The field's value is the slider position times the scale.
struct QuantityPair {
    QSlider* slider = nullptr;
    QWidget* field = nullptr;  // QLineEdit or editable QComboBox
    double scale = 1.0;
    const char* sliderFormat = "%f";
    ExitKind exit = ExitKind::Decimal;
    const char* exitFormat = "%2.2f";
};

// The slider and field rules, written once: a page declares its pairs in a
// table and binds them here. A slider change writes its field; a field's exit
// (its focus leaving it) parses the text and moves the slider.
class FieldPairs : public QObject {
    Q_OBJECT
  public:
    FieldPairs(FailureRoute& failures, QObject* parent);

    void bind(const QuantityPair& pair);
    void bind(std::initializer_list<QuantityPair> pairs);

    // The handlers, callable directly (a page's reset moves sliders too).
    static void sliderChanged(const QuantityPair& pair);
    static void fieldExit(const QuantityPair& pair);

    const QuantityPair* pairOf(const QWidget* field) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    FailureRoute& failures_;
    std::vector<QuantityPair> pairs_;
};
