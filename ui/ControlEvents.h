#pragma once

#include <functional>

class FailureRoute;
class QEvent;
class QWidget;

// The focus left a control for another control of the window: not a switch
// to another window, nor a menu or popup opening over it.
bool leavesTheControl(const QEvent* event);

// Runs the handler, guarded, when the user double-clicks the control.
void onDoubleClick(QWidget* control, FailureRoute& route, std::function<void()> handler);

// Runs the handler, guarded, when the focus leaves the control for another
// control of the window.
void onLeave(QWidget* control, FailureRoute& route, std::function<void()> handler);
