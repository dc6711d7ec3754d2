#pragma once

// What the soak's user puts into the revenue box: numbers as people type them,
// right and wrong, numbers at the edges of what the request accepts, any
// printable text, text from elsewhere that no keyboard types, and very long
// texts. Each comes with the kind it was made as, for the action log.

#include <QString>

#include <string_view>

namespace levora::soak {

class Random;

struct RevenueText {
    QString text;
    std::string_view kind;
};

/// A text of printable ASCII characters only, so that it can be typed key by
/// key: mostly numbers in the user's locale, some anything at all.
[[nodiscard]] RevenueText typedRevenue(Random& random);

/// A text as it could come from the clipboard: any characters, blanks and
/// line breaks included.
[[nodiscard]] RevenueText pastedRevenue(Random& random);

/// A long text of `length` characters, or (0) of thousands of characters, at
/// times beyond what the revenue box holds.
[[nodiscard]] RevenueText longRevenue(Random& random, int length = 0);

/// Whether every character can be typed on the soak's keyboard.
[[nodiscard]] bool isTypable(const QString& text);

} // namespace levora::soak
