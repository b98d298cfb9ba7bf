#include "model/TextKey.h"

std::string KeyedText::filled() const {
    std::string text;
    for (const char* at = key; *at != '\0'; ++at) {
        // %1 to %9; the keys hold no more figures than that. A figure is put
        // in as it is: a "%2" inside a figure stays.
        if (at[0] == '%' && at[1] >= '1' && at[1] <= '9') {
            const auto index = static_cast<std::size_t>(at[1] - '1');
            if (index < figures.size()) {
                text += figures[index].text;
                ++at;
                continue;
            }
        }
        text += *at;
    }
    return text;
}

KeyedText::Figure keyFigure(std::string_view key) {
    KeyedText::Figure figure{std::string(key)};
    figure.isKey = true;
    return figure;
}
