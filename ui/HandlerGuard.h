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

// A slot that runs its body guarded. Its call operator is constrained, so Qt
// hands over only the signal arguments the body takes (or a prefix of them).
template <typename Body>
class GuardedSlot {
  public:
    GuardedSlot(FailureRoute& route, Body body) : route_(&route), body_(std::move(body)) {}

    template <typename... Args>
    requires std::invocable<const Body&, Args...>
    void operator()(Args... args) const {
        runGuarded(*route_, [&] { body_(args...); });
    }

  private:
    FailureRoute* route_;
    Body body_;
};

// connect() whose slot body runs guarded.
template <typename Sender, typename Signal, typename Body>
QMetaObject::Connection connectGuarded(Sender* sender, Signal signal, QObject* context,
                                       FailureRoute& route, Body body) {
    return QObject::connect(sender, signal, context, GuardedSlot<Body>(route, std::move(body)));
}
