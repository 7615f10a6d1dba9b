// Every way a run can stop. The program never recovers from one: the exception
// travels up to main, which reports it in Spanish and exits 1.
#pragma once

#include <exception>
#include <stdexcept>
#include <string>
#include <type_traits>

namespace tendencia {

enum class FailureKind {
  NotANumber,
  Overflow,
  DivisionByZero,
  LogarithmOfNonPositive,
  SquareRootOfNegative,
  PowerWithoutRealValue,
  SubscriptOutOfRange,
  FileNotFound,
  FileNotCreatable,
  FileNotReadable,
  EmptyFile,
  TooManyRows,
  MissingField,
  FieldTooLong,
  WriteFailed,
};

// The operation that failed, in Spanish ("división por cero").
const char* describe(FailureKind kind);

class Failure : public std::exception {
 public:
  explicit Failure(FailureKind kind, std::string place = {});

  FailureKind kind() const { return kind_; }
  const std::string& place() const { return place_; }

  // Arithmetic helpers know what failed but not where; the caller that knows the
  // place names it once, and an inner, more precise place is never overwritten.
  void locate(const std::string& place);

  const char* what() const noexcept override { return message_.c_str(); }

 private:
  void compose();

  FailureKind kind_;
  std::string place_;
  std::string message_;
};

// Runs body; a Failure leaving it without a place gets `place`: a text, or a
// callable that makes the text, so code run thousands of times a report builds
// no text unless it fails.
template <typename Place, typename Body>
auto located(Place&& place, Body&& body) -> decltype(body()) {
  try {
    return body();
  } catch (Failure& failure) {
    if constexpr (std::is_invocable_v<Place>) failure.locate(place());
    else failure.locate(place);
    throw;
  }
}

// What memory running out is called wherever a failure is shown.
constexpr const char* kMemoryExhausted = "memoria insuficiente";

// What failed, in Spanish, for any exception a program shows: its what(), or
// kMemoryExhausted for std::bad_alloc, whose what() is the library's English.
std::string what_failed(const std::exception& error);

// A command line a program cannot act on; what() says why, in Spanish. The
// program answers it with its usage line and the exit status 2.
class CommandLineRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace tendencia
