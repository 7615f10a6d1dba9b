// Every conversion between text and numbers on arbitrary answer text, with the
// properties the report depends on checked for whatever number comes out, and
// for the input's bytes taken as doubles.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/failure.h"
#include "text/conversions.h"
#include "text/fifteen_digits.h"
#include "text/number_forms.h"
#include "text/text_encoding.h"

namespace {

using namespace tendencia;

void check_forms(double value) {
  if (!std::isfinite(value)) std::abort();
  char fast[kMaxNumberChars + 1];
  std::size_t length = fifteen_digits(value, fast);
  if (length > kMaxNumberChars) std::abort();
  fast[length] = '\0';
  char slow[64];
  std::snprintf(slow, sizeof slow, "%.15G", std::fabs(value));
  if (value != 0 && std::strcmp(fast, slow) != 0) std::abort();
  // The slope text, read back, is the value rounded to 15 digits: reading it
  // again and writing it again changes nothing.
  for (const Separators& separators : {Separators{}, Separators{",", "."}}) {
    std::string text = slope_text_form(value, separators);
    try {
      double back = as_typed_number(text, separators);
      if (slope_text_form(back, separators) != text) std::abort();
    } catch (const Failure& f) {
      // Only DBL_MAX and its neighbours round up beyond the double range.
      if (f.kind() != FailureKind::Overflow || std::fabs(value) < 1.7e308) std::abort();
    }
    std::string printed = print_form(value, separators);
    if (printed.front() != ' ' && printed.front() != '-') std::abort();
    if (printed.back() != ' ') std::abort();
  }
}

void whole(std::string_view text, const Separators& separators) {
  try {
    Int16 n = whole_number(text, separators);
    double exact = as_typed_number(text, separators);
    if (std::fabs(exact - n) > 0.5) std::abort();
  } catch (const Failure& f) {
    if (f.kind() != FailureKind::NotANumber && f.kind() != FailureKind::Overflow) std::abort();
  }
}

// The first bytes of the input read as doubles, eight bytes each: every bit
// pattern, not only the values text can spell, goes through the number forms.
void check_bytes_as_doubles(const std::uint8_t* data, std::size_t size) {
  for (std::size_t at = 0; at + 8 <= size && at < 64; at += 8) {
    double value;
    std::memcpy(&value, data + at, sizeof value);
    if (std::isfinite(value)) check_forms(value);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const Separators& separators : {Separators{}, Separators{",", "."}, Separators{".", ","}}) {
    whole(text, separators);
    try {
      check_forms(as_typed_number(text, separators));
    } catch (const Failure& f) {
      if (f.kind() != FailureKind::NotANumber && f.kind() != FailureKind::Overflow) std::abort();
    }
  }
  try {
    check_forms(leading_number(text));
  } catch (const Failure& f) {
    if (f.kind() != FailureKind::Overflow) std::abort();
  }
  if (is_plain_number(text)) {
    try {
      check_forms(plain_number_value(text));
    } catch (const Failure& f) {
      if (f.kind() != FailureKind::Overflow) std::abort();
    }
  }
  check_bytes_as_doubles(data, size);
  if (count_characters(text) > text.size()) std::abort();
  if (utf8_to_cp1252(text).size() > text.size()) std::abort();
  return 0;
}
