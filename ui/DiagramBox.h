#pragma once

#include <QWidget>
#include <optional>

#include "ui/Diagram.h"

class QFrame;

// The paint box of a valve or line diagram: it draws the diagram it was
// given, so a repaint never calculates, logs or asks anything. A thin frame
// around it shows where the diagram goes while it is empty.
class DiagramBox : public QWidget {
    Q_OBJECT
  public:
    DiagramBox(QWidget* parent, const char* name, const QRect& geometry);

    void setDiagram(std::optional<ValveDiagram> diagram);
    const std::optional<ValveDiagram>& diagram() const { return diagram_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<ValveDiagram> diagram_;
};
