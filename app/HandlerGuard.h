#pragma once

#include <QObject>
#include <concepts>
#include <exception>
#include <functional>
#include <utility>

// Where a failure that escapes an event handler ends: the application-wide
// message of the main window. An exception never unwinds through the event
// loop; every connection and event filter runs its body through runGuarded.
class FailureRoute {
  public:
    virtual ~FailureRoute() = default;
    virtual void reportFailure(const std::exception& failure) = 0;
    // Something was thrown that is no exception object.
    virtual void reportUnknownFailure() = 0;
};

// Runs body; a failure goes to the route and the handler is abandoned there.
void runGuarded(FailureRoute& route, const std::function<void()>& body) noexcept;

// connect() whose slot body runs guarded. The slot receives the signal's
// arguments (or a prefix of them, as Qt allows).
template <typename Sender, typename Signal, typename Body>
QMetaObject::Connection connectGuarded(Sender* sender, Signal signal, QObject* context,
                                       FailureRoute& route, Body body) {
    return QObject::connect(
        sender, signal, context,
        [&route, body = std::move(body) ](auto... args)
        // Constrained, so Qt hands over only the
        // arguments the body takes.
        requires std::invocable<const Body&, decltype(args)...> {
            runGuarded(route, [&] { body(args...); });
        });
}
