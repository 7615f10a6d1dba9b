#include "programs/estudio/command_line.h"

#include <gtest/gtest.h>

namespace tendencia {
namespace {

StudioOptions parse(const std::vector<std::string>& arguments) {
  return estudio::parse_command_line(arguments);
}

TEST(StudioCommandLine, PresetsEveryFieldInEitherForm) {
  StudioOptions options = parse({"--puntos=5", "datos/ventas.csv", "--terminos",
                                 "potencia,constante", "--nivel", "99", "--inicio=-3"});
  EXPECT_EQ(options.file, "datos/ventas.csv");
  EXPECT_EQ(options.groups, (std::vector<TermGroup>{TermGroup::Constant, TermGroup::Power}));
  EXPECT_FALSE(options.automatic);
  EXPECT_EQ(options.points, 5);
  EXPECT_EQ(options.level, 99);
  EXPECT_EQ(options.first_period, -3);

  StudioOptions bare = parse({});
  EXPECT_FALSE(bare.file || bare.points || bare.level || bare.first_period);
  EXPECT_TRUE(parse({"--automatico"}).automatic);
  EXPECT_TRUE(parse({"--elegir-fichero"}).choose_file);
  EXPECT_EQ(parse({"-"}).file, "-");  // a file named "-", not an option
}

TEST(StudioCommandLine, RefusesWhatTheWindowCouldNotShow) {
  const std::vector<std::vector<std::string>> wrong = {
      {"a.csv", "b.csv"},
      {"a.csv", "--elegir-fichero"},
      {"--elegir-fichero", "--elegir-fichero"},
      {"--nivel", "80"},
      {"--nivel", "95.0"},
      {"--puntos", "-1"},
      {"--puntos", "32768"},
      {"--puntos", ""},
      {"--inicio", "2001a"},
      {"--inicio", "40000"},
      {"--terminos", "constante,seno"},
      {"--terminos", "constante,constante"},
      {"--terminos", "constante,"},
      {"--terminos", "constante", "--automatico"},
      {"--terminos", "constante", "--terminos", "potencia"},
      {"--puntos", "5", "--puntos=6"},
      {"--automatico", "--automatico"},
      {"--puntos"},
      {"--desconocida"},
      {"--desconocida=1"},
      {"-x"},
  };
  for (const std::vector<std::string>& arguments : wrong) {
    std::string line;
    for (const std::string& argument : arguments) line += argument + " ";
    EXPECT_THROW(parse(arguments), CommandLineRefused) << line;
  }
}

}  // namespace
}  // namespace tendencia
