// The fixed texts that open the results file's lines (UTF-8, as the program
// writes them before the Windows-1252 conversion). The run writes them and the
// chart program finds its way through a report by them, so both take them here.
#pragma once

namespace tendencia::report_text {

constexpr const char* kPointsToProject = "Se extrapolan ";    // + M + kPoints
constexpr const char* kPoints = "  puntos";
constexpr const char* kConfidenceLevel = "El grado de confianza de los intervalos es: ";
constexpr const char* kStudentT = "El valor considerado para la t de Student es: ";
constexpr const char* kPointsConsidered = "El número de puntos considerado es: ";
constexpr const char* kRegressionLine = "Recta de regresion: Y = ";
constexpr const char* kPeriodTitle = "Año o periodo";

}  // namespace tendencia::report_text
