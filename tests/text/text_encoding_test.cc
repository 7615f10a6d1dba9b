#include "text/text_encoding.h"

#include <gtest/gtest.h>

namespace tendencia {
namespace {

TEST(TextEncoding, CountsCharactersNotBytes) {
  EXPECT_EQ(count_characters(""), 0u);
  EXPECT_EQ(count_characters("ABCDEFG"), 7u);
  EXPECT_EQ(count_characters("añoñoño"), 7u);       // 10 bytes
  EXPECT_EQ(count_characters("\xff\xfe"), 2u);       // invalid bytes count one each
  EXPECT_EQ(count_characters("\xe2\x82"), 2u);       // a cut sequence
  EXPECT_EQ(count_characters("€"), 1u);
}

TEST(TextEncoding, ConvertsToWindows1252) {
  EXPECT_EQ(utf8_to_cp1252("Año número"), "A\xf1o n\xfamero");
  EXPECT_EQ(utf8_to_cp1252("¿¡€"), "\xbf\xa1\x80");
  EXPECT_EQ(utf8_to_cp1252("日本"), "??");
  EXPECT_EQ(utf8_to_cp1252("a\xff" "b"), "a?b");
  EXPECT_EQ(utf8_to_cp1252(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(TextEncoding, RoundTripsEveryByte) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(utf8_to_cp1252(cp1252_to_utf8(all)), all);
}

TEST(TextEncoding, ExactlyFiveBytesAreUndefinedInWindows1252) {
  std::string undefined;
  for (int byte = 0; byte < 256; ++byte)
    if (is_undefined_in_cp1252(static_cast<unsigned char>(byte))) undefined += static_cast<char>(byte);
  EXPECT_EQ(undefined, "\x81\x8d\x8f\x90\x9d");
}

}  // namespace
}  // namespace tendencia
