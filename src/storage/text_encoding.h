#pragma once
// Texts other programs write in UTF-16 (what Windows calls "Unicode"), turned into the UTF-8 the
// puzzle readers take.

#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// The text as UTF-8 when it is UTF-16: it starts with a byte-order mark, or its first character
// is an ASCII one written in two bytes (either byte order); nullopt for any other text. A code
// unit without its pair, or a last odd byte, becomes U+FFFD.
std::optional<std::string> utf16AsUtf8(std::string_view text);

}  // namespace quorvel
