// tendencia-importar as the user calls it: what it prints, its exit status, and
// that a refusal leaves no file at all behind.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/command.h"
#include "support/strings.h"
#include "support/temp_directory.h"

namespace tendencia {
namespace {

using namespace testing;

using Result = CommandResult;

class ImportProgram : public ::testing::Test {
 protected:
  Result import(const std::string& arguments) {
    return work.run(std::string(TENDENCIA_IMPORTAR_BINARY) + " " + arguments);
  }
  WorkFolder work;
};

TEST_F(ImportProgram, SaysWhatItFoundAndWhatItWrote) {
  write_file(work.file("ventas.csv"), "\xef\xbb\xbf" "A\xc3\xb1o;Ventas\r\n2001;132,89\r\n2002;143,8\r\n");
  Result r = import("ventas.csv ventas");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out,
            "Fichero ventas.csv: UTF-8 con marca BOM, fin de línea CR LF, delimitador \";\", "
            "separador decimal \",\".\n"
            "Fila 1: cabecera.\n"
            "Valores: columna 2 (\"Ventas\"), filas 2 a 3: 2 valores.\n"
            "Periodos: columna 1 (\"Año\"), de 2001 a 2002: calendario anual.\n"
            "Escrito Dventas.TXT.\n"
            "En tendencia, conteste 2001 a \"¿Año o Periodo inicial?\".\n");
  EXPECT_EQ(read_file(work.file("Dventas.TXT")),
            "A\xf1o                   Ventas\r\n2001                  132.89\r\n2002                   143.8\r\n");

  // Months with a gap are no calendar: the summary says where, and the rows are numbered.
  write_file(work.file("meses.csv"), "Mes;Ventas\n2001-01;1\n2001-02;2\n2001-04;3\n");
  r = import("meses.csv meses");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("Periodos: columna 1 (\"Mes\"), de 2001-01 a 2001-04: no forman un "
                       "calendario regular (fila 4: falta algún periodo entre \"2001-02\" y "
                       "\"2001-04\"); el fichero de datos numera los periodos 1, 2, 3... y el "
                       "gráfico no lleva fechas.\nEscrito Dmeses.TXT.\n"),
            std::string::npos)
      << r.out;
  EXPECT_EQ(r.out.find("conteste"), std::string::npos);
  EXPECT_NE(read_file(work.file("Dmeses.TXT")).find("\r\n3   "), std::string::npos);

  write_file(work.file("tab.csv"), "10\t1.5\n11\t2.5\n");
  r = import("tab.csv --columna=2 tab");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("fin de línea LF, delimitador tabulador, separador decimal \".\""), std::string::npos);
  EXPECT_NE(r.out.find("Sin fila de cabecera."), std::string::npos);
}

TEST_F(ImportProgram, EveryRefusalNamesItsCauseAndWritesNothing) {
  std::string long_series;
  for (int i = 1; i <= 1001; ++i) long_series += std::to_string(i * 2) + "\n";
  struct Case {
    std::string bytes, arguments, message;
  } cases[] = {
      {"A;V\n1;2\n2;\n", "", "fila 3, columna 2: la celda del valor está vacía"},
      {"A;V\n1;2\n2;dos\n3;4\n", "", "fila 3, columna 2: \"dos\" no es un número"},
      {"A;V\n1;1.234,5\n", "", "fila 2, columna 2: el número \"1.234,5\" lleva separador de miles"},
      {long_series, "", "fila 1001: la serie pasa de los 1000 valores que admite tendencia"},
      {"Mes;Nota\nene;bien\n", "", "ninguna columna aparte de la de periodos tiene números"},
      {"A;B;C\n1;2;3\n3;4;5\n", "", "hay varias columnas de números (1 (\"A\"), 2 (\"B\"), 3 (\"C\"))"},
      {"A;B\n1;2\n", "--columna X", "ninguna columna tiene la cabecera \"X\""},
      {std::string("A;B\n1;\0\n", 8), "", "no es un fichero de texto: la línea 2 contiene el byte 0x00"},
      {"A;B\n1;\"2\n", "", "fila 2: falta la comilla que cierra la celda"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    write_file(work.file("serie.csv"), c.bytes);
    Result r = import("serie.csv s " + c.arguments);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("Error al importar serie.csv: " + c.message, 0), 0u) << r.err;
    EXPECT_TRUE(r.err.find("No se escribe ningún fichero de datos.\n") != std::string::npos) << r.err;
    EXPECT_EQ(files_in(work.folder()), std::vector<std::string>{"serie.csv"});
  }

  write_file(work.file("serie.csv"), "1\n2\n");
  write_file(work.file("Ds.TXT"), "anterior");
  Result r = import("serie.csv s");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("ya existe el fichero de datos Ds.TXT; se conserva (use --sobrescribir"), std::string::npos);
  EXPECT_EQ(read_file(work.file("Ds.TXT")), "anterior");
  EXPECT_EQ(import("serie.csv s --sobrescribir").status, 0);
  EXPECT_NE(read_file(work.file("Ds.TXT")), "anterior");
  EXPECT_EQ(files_in(work.folder()), (std::vector<std::string>{"Ds.TXT", "serie.csv"}));
  EXPECT_EQ(import("falta.csv t").status, 1);
  EXPECT_EQ(import("serie.csv a/b").status, 1);
  EXPECT_EQ(files_in(work.folder()), (std::vector<std::string>{"Ds.TXT", "serie.csv"}));
}

TEST_F(ImportProgram, AWrongCommandLineGetsTheUsageLineAndExitStatusTwo) {
  write_file(work.file("serie.csv"), "1\n2\n");
  for (const char* arguments : {"", "serie.csv", "serie.csv a b", "serie.csv a --columna",
                                "serie.csv a --columna=", "serie.csv a --otra",
                                "serie.csv a --columna 1 --columna 2"}) {
    Result r = import(arguments);
    EXPECT_EQ(r.status, 2) << arguments;
    EXPECT_EQ(r.err.rfind("Error: ", 0), 0u) << r.err;
    EXPECT_TRUE(ends_with(r.err, ".\nUso: tendencia-importar FICHERO NOMBRE [--columna COLUMNA] "
                                 "[--sobrescribir] (--help para la ayuda)\n"))
        << r.err;
  }
  EXPECT_EQ(files_in(work.folder()), std::vector<std::string>{"serie.csv"});
  Result help = import("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("Uso: tendencia-importar FICHERO NOMBRE", 0), 0u);
}

}  // namespace
}  // namespace tendencia
