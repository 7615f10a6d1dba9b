// Which encoding a text file was saved in, told from its bytes alone: files from
// spreadsheets come as UTF-8 (often opened by a byte-order mark) or as
// Windows-1252, and nothing else in them says which.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tendencia {

enum class TextEncoding { Utf8, Windows1252 };

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Do the bytes open with the UTF-8 byte-order mark?
bool has_utf8_byte_order_mark(std::string_view bytes);

// Do they open with a UTF-16 byte-order mark (either byte order)? Such a file
// is text, but in an encoding this program does not read.
bool has_utf16_byte_order_mark(std::string_view bytes);

// UTF-8 when the bytes (after a UTF-8 byte-order mark, if any) are valid UTF-8,
// Windows-1252 otherwise: text in Windows-1252 with letters beyond ASCII is
// almost never valid UTF-8 by chance.
TextEncoding detect_encoding(std::string_view bytes);

// The offset of the first byte that no text file holds: a control character
// other than tab, LF and CR (NUL among them), DEL, and in Windows-1252 also the
// five bytes the code page leaves undefined. npos when there is none.
std::size_t first_non_text_byte(std::string_view bytes, TextEncoding encoding);

// The bytes as UTF-8 text: a UTF-8 byte-order mark dropped, Windows-1252 converted.
std::string as_utf8(std::string_view bytes, TextEncoding encoding);

}  // namespace tendencia
