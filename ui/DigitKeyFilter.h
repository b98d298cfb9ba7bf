#pragma once

#include <QObject>

class QWidget;

// Lets only digits, the point, backspace and Enter reach a number field; a
// typed comma arrives as the point, every other typed character is discarded.
// Keys that type nothing (arrows, Delete, Tab) and shortcuts pass, so the
// field stays editable.
class DigitKeyFilter : public QObject {
    Q_OBJECT
  public:
    explicit DigitKeyFilter(QObject* parent);

    void attach(QWidget* field);

    static bool admits(QChar character);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
