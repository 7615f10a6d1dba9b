// The dialogue speaks UTF-8; the files are Windows-1252, one byte a character.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tendencia {

// Characters (code points) in a UTF-8 text; a byte that is not part of a valid
// sequence counts as one character, so no input can make the count fail.
std::size_t count_characters(std::string_view utf8);

// UTF-8 to Windows-1252; what that code page cannot hold becomes "?".
std::string utf8_to_cp1252(std::string_view utf8);

// Windows-1252 to UTF-8; the five bytes the code page leaves undefined become the
// C1 control characters of the same value, so the mapping is reversible.
std::string cp1252_to_utf8(std::string_view cp1252);

// The offset of the first byte that does not begin a valid UTF-8 sequence (an
// overlong form, a surrogate or a cut sequence included); npos when all are valid.
std::size_t first_invalid_utf8_byte(std::string_view bytes);

// One of the five bytes Windows-1252 leaves undefined (81, 8D, 8F, 90, 9D hex)?
bool is_undefined_in_cp1252(unsigned char byte);

}  // namespace tendencia
