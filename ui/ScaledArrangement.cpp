#include "ui/ScaledArrangement.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <cmath>

ScaledArrangement::ScaledArrangement(QWidget& root, QSize base)
    : root_(root), base_(base.expandedTo(QSize(1, 1))), rootFont_(root.font()) {}

bool ScaledArrangement::placedByParent(const QWidget& child) {
    const QWidget* parent = child.parentWidget();
    if (parent == nullptr || child.isWindow()) {
        return true;
    }
    if (parent->layout() != nullptr) {
        return true;
    }
    // The parts of composite widgets, which those keep in place themselves.
    if (qobject_cast<const QTabWidget*>(parent) || qobject_cast<const QStackedWidget*>(parent) ||
        qobject_cast<const QAbstractScrollArea*>(parent) ||
        qobject_cast<const QComboBox*>(parent) || qobject_cast<const QAbstractSpinBox*>(parent) ||
        qobject_cast<const QAbstractSlider*>(parent) || qobject_cast<const QTabBar*>(parent) ||
        qobject_cast<const QLineEdit*>(parent) || qobject_cast<const QAbstractButton*>(parent)) {
        return true;
    }
    // Inside a scroll area's viewport the area places what it shows.
    if (const auto* area = qobject_cast<const QAbstractScrollArea*>(parent->parentWidget())) {
        return area->viewport() == parent;
    }
    return false;
}

QRect ScaledArrangement::scaled(const QRect& base) const {
    // Edges scale, not sizes, so neighbours that touch keep touching.
    const int left = static_cast<int>(std::lround(base.left() * scaleX_));
    const int top = static_cast<int>(std::lround(base.top() * scaleY_));
    const int right = static_cast<int>(std::lround((base.left() + base.width()) * scaleX_));
    const int bottom = static_cast<int>(std::lround((base.top() + base.height()) * scaleY_));
    return {left, top, right - left, bottom - top};
}

QFont ScaledArrangement::scaledFont(const QFont& base) const {
    QFont font = base;
    const double scale = fontScale();
    if (base.pixelSize() > 0) {
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(base.pixelSize() * scale))));
    } else if (base.pointSizeF() > 0) {
        font.setPointSizeF(base.pointSizeF() * scale);
    }
    return font;
}

void ScaledArrangement::place(QWidget& widget) {
    auto found = placed_.find(&widget);
    if (found == placed_.end() || found->second.widget.isNull()) {
        found = placed_.insert_or_assign(&widget, Placed{&widget, widget.geometry(), {}}).first;
    } else if (widget.geometry() != found->second.applied) {
        // Moved by its page since: placed at the base scale.
        found->second.base = widget.geometry();
    }
    const QRect target = scaled(found->second.base);
    if (widget.geometry() != target) {
        widget.setGeometry(target);
    }
    found->second.applied = widget.geometry();
}

void ScaledArrangement::letter(QWidget& widget) {
    auto found = lettered_.find(&widget);
    const bool known = found != lettered_.end() && !found->second.widget.isNull();
    if (!known) {
        found = lettered_.insert_or_assign(&widget, Lettered{&widget, widget.font(), {}}).first;
    } else if (widget.font() != found->second.applied) {
        found->second.base = widget.font();
    }
    const QFont target = scaledFont(found->second.base);
    // The first time always: the size becomes the control's own, where it
    // may have come from its parent, so the root's scaled font cannot reach
    // it a second time.
    if (!known || widget.font() != target) {
        widget.setFont(target);
    }
    found->second.applied = widget.font();
}

void ScaledArrangement::iconSize(QWidget& widget, QSize present) {
    auto found = iconed_.find(&widget);
    if (found == iconed_.end() || found->second.widget.isNull()) {
        found = iconed_.insert_or_assign(&widget, Iconed{&widget, present, present}).first;
    } else if (present != found->second.applied) {
        found->second.base = present;
    }
    const QSize target = (QSizeF(found->second.base) * fontScale()).toSize();
    if (present != target) {
        widget.setProperty("iconSize", target);
    }
    found->second.applied = target;
}

void ScaledArrangement::apply() {
    scaleX_ = static_cast<double>(root_.width()) / base_.width();
    scaleY_ = static_cast<double>(root_.height()) / base_.height();
    if (scaledFont(rootFont_) != root_.font()) {
        root_.setFont(scaledFont(rootFont_));
    }
    for (QWidget* widget : root_.findChildren<QWidget*>()) {
        if (widget->isWindow()) {
            continue;
        }
        // Fonts a control set for itself, or took from a style sheet, do
        // not follow the root's.
        if (widget->testAttribute(Qt::WA_SetFont) || !widget->styleSheet().isEmpty()) {
            letter(*widget);
        }
        if (!placedByParent(*widget)) {
            place(*widget);
            // Buttons, tabs, lists: whatever shows icons has an icon size.
            const QVariant icons = widget->property("iconSize");
            if (icons.isValid()) {
                iconSize(*widget, icons.toSize());
            }
        }
    }
}
