#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// A pair of arrow buttons attached to a text field: each click steps a whole
// number within a range and writes it into the field. It starts from the
// number in the field when the user has typed one, so typing and clicking mix.
class UpDown : public QWidget {
    Q_OBJECT
  public:
    UpDown(QLineEdit* associate, int minimum, int maximum, int step, int position, QWidget* parent);

    int position() const { return position_; }
    // Another range and step (another unit); the position is kept within it.
    void setRange(int minimum, int maximum, int step);
    void stepUp() { stepBy(step_); }
    void stepDown() { stepBy(-step_); }

  signals:
    // The user stepped; the field holds the new number.
    void stepped(int position);

  private:
    void stepBy(int delta);

    QLineEdit* associate_;
    QToolButton* up_;
    QToolButton* down_;
    int minimum_;
    int maximum_;
    int step_;
    int position_;
};
