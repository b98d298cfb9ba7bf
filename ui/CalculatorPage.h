#pragma once

#include <QWidget>

#include "ui/PageServices.h"

// A calculator page: it owns its controls and reaches the window only
// through the services it was given.
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
    PageServices& services_;
};
