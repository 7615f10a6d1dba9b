#include "io/import_summary.h"

#include "core/failure.h"
#include "text/quoted.h"

#include "model/calendar.h"
#include "text/number_scanner.h"

namespace tendencia {
namespace {

// " (\"Ventas\")" after a column's number, when the header row names it.
std::string named(const std::string& header) {
  return header.empty() ? "" : " (" + quoted(header) + ")";
}

std::string delimiter_name(const CsvImport& import) {
  if (import.columns < 2) return "ninguno (una sola columna)";
  if (import.delimiter == '\t') return "tabulador";
  return quoted(std::string(1, import.delimiter));
}

std::string encoding_name(const CsvImport& import) {
  if (import.encoding == TextEncoding::Windows1252) return "Windows-1252";
  return import.byte_order_mark ? "UTF-8 con marca BOM" : "UTF-8";
}

// ": calendario mensual (1949-01 a 1960-12)." after the periods as the file
// writes them; the labels in their one form when the file writes them otherwise.
std::string calendar_words(const ImportedSeries& series) {
  if (!series.calendar) {
    if (series.why_no_calendar.empty()) return ".";
    return ": no forman un calendario regular (" + series.why_no_calendar +
           "); el fichero de datos numera los periodos 1, 2, 3... y el gráfico no lleva fechas.";
  }
  const Calendar& calendar = *series.calendar;
  const std::string first = period_label(calendar, 0).value_or("");
  const std::string last =
      period_label(calendar, static_cast<long long>(series.values.size()) - 1).value_or("");
  std::string words = ": calendario " + calendar_name(calendar.kind);
  if (first != series.first_period || last != series.last_period)
    words += " (" + first + " a " + last + ")";
  return words + ".";
}

}  // namespace

std::string import_summary(const std::string& csv_file, const CsvImport& import) {
  const ImportedSeries& series = import.series;
  std::string text = "Fichero " + csv_file + ": " + encoding_name(import) +
                     (import.line_ends.empty() ? "" : ", fin de línea " + import.line_ends) +
                     ", delimitador " + delimiter_name(import) + ", separador decimal \"" +
                     series.decimal_separator + "\".\n";
  text += series.has_header ? "Fila 1: cabecera.\n" : "Sin fila de cabecera.\n";
  text += "Valores: columna " + std::to_string(series.values_column) +
          named(series.values_header) + ", filas " + std::to_string(series.first_row) + " a " +
          std::to_string(series.last_row) + ": " + std::to_string(series.values.size()) +
          " valores.\n";
  if (series.period_column != 0)
    text += "Periodos: columna " + std::to_string(series.period_column) +
            named(series.period_header) + ", de " + series.first_period + " a " +
            series.last_period + calendar_words(series) + "\n";
  else
    text += "Sin columna de periodos: periodos de 1 a " + std::to_string(series.values.size()) +
            ".\n";
  return text;
}

std::optional<int> proposed_initial_period(const ImportedSeries& series) {
  if (series.calendar) return initial_period_answer(*series.calendar);
  if (!series.whole_periods) return std::nullopt;
  // The run's periods are 16-bit; sequence numbers beyond them get no advice.
  const std::optional<long long> first = whole_number_in(series.first_period);
  if (!first || *first < -32768 || *first > 32767) return std::nullopt;
  return static_cast<int>(*first);
}

std::string initial_period_advice(const ImportedSeries& series) {
  const std::optional<int> first = proposed_initial_period(series);
  if (!first) return "";
  std::string advice =
      "En tendencia, conteste " + std::to_string(*first) + " a \"¿Año o Periodo inicial?\"";
  if (series.calendar && series.calendar->kind != CalendarKind::Yearly)
    advice += ": el informe numera los periodos 1, 2, 3..., y el gráfico y su tabla llevan "
              "las fechas (" + period_label(*series.calendar, 0).value_or("") + "...)";
  return advice + ".\n";
}

std::string import_failure_text(const std::string& csv_file, const std::exception& error) {
  return "Error al importar " + csv_file + ": " + what_failed(error) +
         ". No se escribe ningún fichero de datos.";
}

}  // namespace tendencia
