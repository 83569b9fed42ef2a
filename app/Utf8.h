#pragma once

#include <string>
#include <string_view>

// UTF-8 helpers. Lengths count bytes; a cut never splits a character.
namespace Utf8 {

// The longest prefix of text of at most maxBytes bytes that ends on a character boundary.
std::string_view CutToBytes(std::string_view text, size_t maxBytes);

// UTF-16 code units of text; invalid sequences become U+FFFD.
std::u16string ToUtf16(std::string_view text);

// UTF-8 of text; unpaired surrogates become U+FFFD.
std::string FromUtf16(std::u16string_view text);

} // namespace Utf8
