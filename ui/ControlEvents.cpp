#include "ui/ControlEvents.h"

#include <QEvent>
#include <QFocusEvent>
#include <QObject>
#include <QWidget>

#include "ui/HandlerGuard.h"

namespace {

// Watches one control for one kind of event; it lives as the control's child.
class EventHandler : public QObject {
  public:
    EventHandler(QWidget* control, FailureRoute& route, std::function<bool(const QEvent*)> wanted,
                 std::function<void()> handler)
        : QObject(control),
          kind_(control->metaObject()),
          route_(route),
          wanted_(std::move(wanted)),
          handler_(std::move(handler)) {
        control->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A control being destroyed loses its focus while it is no longer of
        // its own class; its handlers must not run on what is left of it.
        if (watched == parent() && watched->metaObject() == kind_ && wanted_(event)) {
            runGuarded(route_, handler_);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    const QMetaObject* kind_;
    FailureRoute& route_;
    std::function<bool(const QEvent*)> wanted_;
    std::function<void()> handler_;
};

}  // namespace

bool leavesTheControl(const QEvent* event) {
    if (event->type() != QEvent::FocusOut) {
        return false;
    }
    switch (static_cast<const QFocusEvent*>(event)->reason()) {
        case Qt::ActiveWindowFocusReason:
        case Qt::PopupFocusReason:
        case Qt::MenuBarFocusReason:
            return false;
        default:
            return true;
    }
}

void onDoubleClick(QWidget* control, FailureRoute& route, std::function<void()> handler) {
    new EventHandler(
        control, route,
        [](const QEvent* event) { return event->type() == QEvent::MouseButtonDblClick; },
        std::move(handler));
}

void onLeave(QWidget* control, FailureRoute& route, std::function<void()> handler) {
    new EventHandler(control, route, leavesTheControl, std::move(handler));
}
