#include "ui/DiagramBox.h"

#include <QFrame>
#include <QPainter>

DiagramBox::DiagramBox(QWidget* parent, const char* name, const QRect& geometry) : QWidget(parent) {
    setObjectName(QString::fromLatin1(name));
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The frame is a sibling just outside the box, so the box's own pixels
    // are the diagram's alone.
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::Box);
    frame->setForegroundRole(QPalette::Mid);
    frame->setGeometry(geometry.adjusted(-1, -1, 1, 1));
    frame->lower();
    setGeometry(geometry);
}

void DiagramBox::setDiagram(std::optional<ValveDiagram> diagram) {
    diagram_ = std::move(diagram);
    update();
}

void DiagramBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawValveDiagram(painter, size(), diagram_);
}
