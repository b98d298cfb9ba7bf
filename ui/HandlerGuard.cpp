#include "ui/HandlerGuard.h"

void runGuarded(FailureRoute& route, const std::function<void()>& body) noexcept {
    try {
        body();
    } catch (const std::exception& failure) {
        try {
            route.reportFailure(failure);
        } catch (...) {
            // Showing the failure failed as well; nothing is left to tell.
        }
    } catch (...) {
        try {
            route.reportUnknownFailure();
        } catch (...) {
        }
    }
}
