#include "ui/UpDown.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "model/faults.h"
#include "model/numtext.h"

UpDown::UpDown(QLineEdit* associate, int minimum, int maximum, int step, int position,
               QWidget* parent)
    : QWidget(parent),
      associate_(associate),
      up_(new QToolButton(this)),
      down_(new QToolButton(this)),
      minimum_(minimum),
      maximum_(maximum),
      step_(step),
      position_(position) {
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    up_->setAutoRepeat(true);
    down_->setAutoRepeat(true);
    for (auto* button : {up_, down_}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    // Stepping cannot fail, so these need no guard.
    connect(up_, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(down_, &QToolButton::clicked, this, &UpDown::stepDown);
}

void UpDown::stepBy(int delta) {
    try {
        const double typed = numtext::StrToFloat(associate_->text().toStdString());
        if (typed >= minimum_ && typed <= maximum_) {
            position_ = static_cast<int>(std::lround(typed));
        }
    } catch (const ConversionError&) {
        // A field that holds no number steps from the last position.
    }
    position_ = std::clamp(position_ + delta, minimum_, maximum_);
    associate_->setText(QString::number(position_));
    emit stepped(position_);
}

void UpDown::setRange(int minimum, int maximum, int step) {
    minimum_ = minimum;
    maximum_ = maximum;
    step_ = step;
    position_ = std::clamp(position_, minimum_, maximum_);
}
