#pragma once

#include <stdexcept>
#include <string>

// A failure of a call to the system (a file that cannot be written, a printer
// that fails). Besides its message it carries the system's own error text,
// which the application-wide message shows after the message.
class SystemError : public std::runtime_error {
  public:
    SystemError(const std::string& message, std::string systemText)
        : std::runtime_error(message), systemText_(std::move(systemText)) {}

    const std::string& systemText() const { return systemText_; }

  private:
    std::string systemText_;
};
