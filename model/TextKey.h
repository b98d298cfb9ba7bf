#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The model writes its texts (report labels, regime names, messages) in
// English and hands them up as keys; the window translates them. Marking a
// text with TEXT_KEY lets the translation tools find it (they read it as
// QT_TRANSLATE_NOOP), while the model itself stays free of the window toolkit.
#define TEXT_KEY(context, text) text

// A message with figures in it: the key holds %1, %2, ... where the figures
// (already written as text) go, so that a translation may move them.
struct KeyedText {
    // A figure: a text that stands as it is in every language (a number
    // written out, the user's own text, a fluid's grade), or a model text of
    // its own (a slot's name, a remedy) that is translated as the key is.
    struct Figure {
        // Implicit: most figures are plain texts, written as such in a list.
        Figure(std::string shown) : text(std::move(shown)) {}
        Figure(const char* shown) : text(shown) {}

        std::string text;
        bool isKey = false;
    };

    const char* key = "";
    std::vector<Figure> figures;

    // The English message: the key with its figures in place.
    std::string filled() const;
};

// A figure that is a model text itself (marked TEXT_KEY where it is written).
KeyedText::Figure keyFigure(std::string_view key);

// An error whose message the window may show in its own language: what() is
// the English message, keyed() the same message as a key and its figures. An
// error raised with a plain text has no keyed(): that text is its own key.
class KeyedMessage {
  public:
    virtual ~KeyedMessage() = default;

    const std::optional<KeyedText>& keyed() const { return keyed_; }

  protected:
    KeyedMessage() = default;
    explicit KeyedMessage(KeyedText text) : keyed_(std::move(text)) {}
    KeyedMessage(const KeyedMessage&) = default;
    KeyedMessage& operator=(const KeyedMessage&) = default;

  private:
    std::optional<KeyedText> keyed_;
};
