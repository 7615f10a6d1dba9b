#include "text/encoding_detection.h"

#include "text/characters.h"
#include "text/text_encoding.h"

namespace tendencia {
namespace {

std::string_view without_byte_order_mark(std::string_view bytes) {
  return has_utf8_byte_order_mark(bytes) ? bytes.substr(kUtf8ByteOrderMark.size()) : bytes;
}

}  // namespace

bool has_utf8_byte_order_mark(std::string_view bytes) {
  return starts_with(bytes, kUtf8ByteOrderMark);
}

bool has_utf16_byte_order_mark(std::string_view bytes) {
  return starts_with(bytes, "\xFF\xFE") || starts_with(bytes, "\xFE\xFF");
}

TextEncoding detect_encoding(std::string_view bytes) {
  return first_invalid_utf8_byte(without_byte_order_mark(bytes)) == std::string_view::npos
             ? TextEncoding::Utf8
             : TextEncoding::Windows1252;
}

std::size_t first_non_text_byte(std::string_view bytes, TextEncoding encoding) {
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    auto byte = static_cast<unsigned char>(bytes[i]);
    bool control = (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r') || byte == 0x7F;
    if (control || (encoding == TextEncoding::Windows1252 && is_undefined_in_cp1252(byte)))
      return i;
  }
  return std::string_view::npos;
}

std::string as_utf8(std::string_view bytes, TextEncoding encoding) {
  if (encoding == TextEncoding::Windows1252) return cp1252_to_utf8(bytes);
  return std::string(without_byte_order_mark(bytes));
}

}  // namespace tendencia
