#pragma once

#include <string>
#include <vector>

// The model writes its texts (report labels, regime names, messages) in
// English and hands them up as keys; the window translates them. Marking a
// text with TEXT_KEY lets the translation tools find it (they read it as
// QT_TRANSLATE_NOOP), while the model itself stays free of the window toolkit.
#define TEXT_KEY(context, text) text

// A message with figures in it: the key holds %1, %2, ... where the figures
// (already written as text) go, so that a translation may move them.
struct KeyedText {
    const char* key = "";
    std::vector<std::string> figures;

    // The English message: the key with its figures in place.
    std::string filled() const;
};
