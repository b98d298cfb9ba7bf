#pragma once

#include <stdexcept>

#include "model/TextKey.h"

// An input the user has to correct. what() names the input and says how to
// fix it, so a page can show it as it stands; keyed() gives the same message
// as a key and figures, for a window that shows it in another language.
class InputError : public std::invalid_argument, public KeyedMessage {
  public:
    using std::invalid_argument::invalid_argument;
    explicit InputError(KeyedText text)
        : std::invalid_argument(text.filled()), KeyedMessage(std::move(text)) {}
};
