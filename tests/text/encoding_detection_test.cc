#include "text/encoding_detection.h"

#include <gtest/gtest.h>

#include "text/text_encoding.h"

namespace tendencia {
namespace {

TEST(EncodingDetection, ValidUtf8IsUtf8AndAnythingElseWindows1252) {
  EXPECT_EQ(detect_encoding(""), TextEncoding::Utf8);
  EXPECT_EQ(detect_encoding("A\xc3\xb1o;Ventas"), TextEncoding::Utf8);
  EXPECT_EQ(detect_encoding("\xef\xbb\xbf" "A\xc3\xb1o"), TextEncoding::Utf8);
  EXPECT_EQ(detect_encoding("A\xf1o;Ventas"), TextEncoding::Windows1252);
  EXPECT_EQ(detect_encoding("\x80 12"), TextEncoding::Windows1252);  // the euro sign
  EXPECT_EQ(detect_encoding("\xef\xbb\xbf" "A\xf1o"), TextEncoding::Windows1252);

  EXPECT_EQ(as_utf8("\xef\xbb\xbf" "A\xc3\xb1o", TextEncoding::Utf8), "A\xc3\xb1o");
  EXPECT_EQ(as_utf8("A\xf1o \x80", TextEncoding::Windows1252), "Año €");
}

TEST(EncodingDetection, FindsTheFirstInvalidUtf8Byte) {
  EXPECT_EQ(first_invalid_utf8_byte("año €"), std::string_view::npos);
  EXPECT_EQ(first_invalid_utf8_byte("ab\xc0\xaf"), 2u);        // overlong "/"
  EXPECT_EQ(first_invalid_utf8_byte("a\xed\xa0\x80"), 1u);     // a surrogate
  EXPECT_EQ(first_invalid_utf8_byte("a\xe2\x82"), 1u);         // cut short
  EXPECT_EQ(first_invalid_utf8_byte("\xf4\x90\x80\x80"), 0u);  // beyond U+10FFFF
}

TEST(EncodingDetection, ControlBytesAreNotText) {
  EXPECT_EQ(first_non_text_byte("a;1\r\nb\t2\n", TextEncoding::Utf8), std::string_view::npos);
  EXPECT_EQ(first_non_text_byte(std::string("1;2\0", 4), TextEncoding::Utf8), 3u);
  EXPECT_EQ(first_non_text_byte("1\x0c", TextEncoding::Utf8), 1u);
  EXPECT_EQ(first_non_text_byte("1\x7f", TextEncoding::Windows1252), 1u);
  // Bytes the code page leaves undefined are no Windows-1252 text.
  EXPECT_EQ(first_non_text_byte("\xf1\x81", TextEncoding::Windows1252), 1u);
  EXPECT_TRUE(has_utf16_byte_order_mark("\xff\xfe" "1"));
  EXPECT_TRUE(has_utf16_byte_order_mark("\xfe\xff"));
  EXPECT_FALSE(has_utf16_byte_order_mark("\xef\xbb\xbf"));
}

}  // namespace
}  // namespace tendencia
