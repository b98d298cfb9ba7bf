#include "model/TextKey.h"

std::string KeyedText::filled() const {
    std::string text;
    for (const char* at = key; *at != '\0'; ++at) {
        // %1 to %9; the keys hold no more figures than that.
        if (at[0] == '%' && at[1] >= '1' && at[1] <= '9') {
            const auto index = static_cast<std::size_t>(at[1] - '1');
            if (index < figures.size()) {
                text += figures[index];
                ++at;
                continue;
            }
        }
        text += *at;
    }
    return text;
}
