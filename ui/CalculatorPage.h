#pragma once

#include <QWidget>
#include <vector>

#include "ui/PageServices.h"

class QAbstractButton;

// A calculator page: it owns its controls and reaches the window only
// through the services it was given.
//
// Keyboard: Enter in a field of the page runs the field's exit and then the
// page's Calculate; Enter on a focused button presses it; Tab follows the
// page from top to bottom.
class CalculatorPage : public QWidget {
    Q_OBJECT
  public:
    explicit CalculatorPage(PageServices& services) : services_(services) {}

    // The fields and state the page starts with; the window calls it once,
    // at its first showing, before any input.
    virtual void startUp() {}
    // The page's pictures from the bundle, after every page's startUp. A
    // bundle without one of them throws ResourceNotFound.
    virtual void loadPictures() {}

  protected:
    // The button Enter in a field presses.
    void setCalculateButton(QAbstractButton* button);
    // A field whose Enter means something else (loading a typed name).
    void keepEnterFrom(QWidget* field);

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    PageServices& services_;

  private:
    void arrangeKeyboard();

    QAbstractButton* calculate_ = nullptr;
    std::vector<QWidget*> enterKept_;
};
