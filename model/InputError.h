#pragma once

#include <stdexcept>

// An input the user has to correct. what() names the input and says how to
// fix it, so a page can show it as it stands.
class InputError : public std::invalid_argument {
  public:
    using std::invalid_argument::invalid_argument;
};
