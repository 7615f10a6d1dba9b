#include "core/failure.h"

#include <new>
#include <string>

#include "core/limits.h"

namespace tendencia {

std::string what_failed(const std::exception& error) {
  if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr) return kMemoryExhausted;
  return error.what();
}

const char* describe(FailureKind kind) {
  switch (kind) {
    case FailureKind::NotANumber: return "el texto no es un número";
    case FailureKind::Overflow: return "desbordamiento (resultado fuera de rango)";
    case FailureKind::DivisionByZero: return "división por cero";
    case FailureKind::LogarithmOfNonPositive: return "logaritmo de un número no positivo";
    case FailureKind::SquareRootOfNegative: return "raíz cuadrada de un número negativo";
    case FailureKind::PowerWithoutRealValue: return "potencia sin valor real";
    case FailureKind::SubscriptOutOfRange: return "subíndice fuera de rango";
    case FailureKind::FileNotFound: return "no se encuentra el fichero";
    case FailureKind::FileNotCreatable: return "no se puede crear el fichero";
    case FailureKind::FileNotReadable: return "no se puede leer el fichero";
    case FailureKind::EmptyFile: return "el fichero está vacío";
    case FailureKind::TooManyRows: {
      static const std::string text =
          "demasiadas filas (el máximo es " + std::to_string(kMaxSeriesValues) + ")";
      return text.c_str();
    }
    case FailureKind::MissingField: return "falta el valor de la fila";
    case FailureKind::FieldTooLong: return "campo demasiado largo";
    case FailureKind::WriteFailed: return "no se puede escribir el fichero";
  }
  return "error";
}

Failure::Failure(FailureKind kind, std::string place)
    : kind_(kind), place_(std::move(place)) {
  compose();
}

void Failure::locate(const std::string& place) {
  if (!place_.empty()) return;
  place_ = place;
  compose();
}

void Failure::compose() {
  message_ = describe(kind_);
  if (!place_.empty()) message_ += " (" + place_ + ")";
}

}  // namespace tendencia
