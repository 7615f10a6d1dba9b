// Every program's command line is read by one reader of options: the same
// grammar, the same refusals in the same words, the same numbers. Checked here
// on the reader and on each of the seven programs; each program's own options
// are tested beside its parser (ajuste_command_line_test.cc, ...).
#include "programs/command_line_reader.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "programs/ajuste/command_line.h"
#include "programs/estudio/command_line.h"
#include "programs/grafico/command_line.h"
#include "programs/gui/command_line.h"
#include "programs/importar/command_line.h"
#include "programs/lote/command_line.h"
#include "programs/tendencia/command_line.h"

namespace tendencia {
namespace {

using Arguments = std::vector<std::string>;

bool assignment(const std::string& text) { return text.find('=') != std::string::npos; }

const std::vector<OptionRule> kRules = {
    {"--flag", {}},
    {"--one", {"K"}},
    {"--two", {"M", "INICIO"}},
    {"--each", {"bI=VALOR"}, true, assignment, true},
};

// What the reader made of the arguments, or its refusal, as one text.
std::string read(const Arguments& arguments) {
  try {
    CommandLine line = read_command_line(arguments, kRules);
    std::string text;
    for (const std::string& operand : line.operands) text += "[" + operand + "]";
    for (const CommandLine::Given& given : line.options) {
      text += " " + given.name;
      for (const std::string& value : given.values) text += " <" + value + ">";
    }
    return text;
  } catch (const CommandLineRefused& refused) {
    return std::string("refused: ") + refused.what();
  }
}

TEST(CommandLineReader, TakesAValueAfterTheOptionOrAfterAnEqualsSign) {
  EXPECT_EQ(read({"a", "--one", "5", "b"}), "[a][b] --one <5>");
  EXPECT_EQ(read({"a", "--one=5", "b"}), "[a][b] --one <5>");
  EXPECT_EQ(read({"--one="}), " --one <>");
  EXPECT_EQ(read({"--one=x=y"}), " --one <x=y>");
  // Values are taken whatever they look like.
  EXPECT_EQ(read({"--two", "5", "-2001"}), " --two <5> <-2001>");
  EXPECT_EQ(read({"--two=5", "--flag"}), " --two <5> <--flag>");
  EXPECT_EQ(read({"--one", "--flag"}), " --one <--flag>");
  // "-" alone is an operand: a file or folder of that name.
  EXPECT_EQ(read({"-", "--flag"}), "[-] --flag");
  // A repeatable option of a given shape takes every argument of that shape.
  EXPECT_EQ(read({"--each", "b1=2", "b2=3", "x", "--each=b4=5"}),
            "[x] --each <b1=2> <b2=3> --each <b4=5>");
}

TEST(CommandLineReader, RefusesInTheSameWordsWhateverTheOption) {
  EXPECT_EQ(read({"--nada"}), "refused: opción desconocida: \"--nada\"");
  EXPECT_EQ(read({"--nada=1"}), "refused: opción desconocida: \"--nada\"");
  EXPECT_EQ(read({"-x"}), "refused: opción desconocida: \"-x\"");
  EXPECT_EQ(read({"--flag", "--flag"}), "refused: --flag aparece más de una vez");
  EXPECT_EQ(read({"--one", "1", "--one=2"}), "refused: --one aparece más de una vez");
  EXPECT_EQ(read({"--flag=1"}), "refused: --flag no lleva valor");
  EXPECT_EQ(read({"--one"}), "refused: falta K después de --one");
  EXPECT_EQ(read({"--two", "5"}), "refused: falta INICIO después de --two");
  EXPECT_EQ(read({"--two=5"}), "refused: falta INICIO después de --two");
  EXPECT_EQ(read({"--each", "x"}), "refused: falta bI=VALOR después de --each");
  EXPECT_EQ(read({"--each=x"}), "refused: falta bI=VALOR después de --each");
}

std::string whole(const std::string& text) {
  try {
    return std::to_string(whole_value(text, -40, 1000, "--k"));
  } catch (const CommandLineRefused& refused) {
    return refused.what();
  }
}

TEST(CommandLineReader, ReadsWholeNumbersByTheScannersRules) {
  EXPECT_EQ(whole("7"), "7");
  EXPECT_EQ(whole("007"), "7");
  EXPECT_EQ(whole("+5"), "5");
  EXPECT_EQ(whole("-40"), "-40");
  EXPECT_EQ(whole("-0"), "0");
  for (const char* wrong : {"", " 5", "5 ", "5.0", "1e2", "0x10", "5a", "-", "1.000", "1001",
                            "-41", "99999999999999999999"})
    EXPECT_EQ(whole(wrong), std::string("--k necesita un número entero de -40 a 1000, no \"") +
                                wrong + "\"")
        << wrong;
  EXPECT_EQ(decimal_value("2.5e1", "--p", "un número"), 25.0);
  EXPECT_EQ(decimal_value("-.5", "--p", "un número"), -0.5);
  for (const char* wrong : {"", "2,5", " 2", "nan", "inf", "1e999", "1e"}) {
    try {
      decimal_value(wrong, "--p", "un número");
      ADD_FAILURE() << wrong;
    } catch (const CommandLineRefused& refused) {
      EXPECT_EQ(refused.what(), std::string("--p necesita un número, no \"") + wrong + "\"");
    }
  }
}

// Each program's request, or its refusal, as one text.
template <typename Request>
using Parser = Request (*)(const Arguments&);

template <typename Request>
std::string outcome(Parser<Request> parse, const Arguments& arguments,
                    const std::function<std::string(const Request&)>& describe) {
  try {
    return describe(parse(arguments));
  } catch (const CommandLineRefused& refused) {
    return std::string("refused: ") + refused.what();
  }
}

std::string fit(const Arguments& arguments) {
  return outcome<FitRequest>(ajuste::parse_command_line, arguments, [](const FitRequest& r) {
    std::ostringstream text;
    text << r.problem_name << " " << r.groups.size() << " " << r.automatic << " "
         << r.points.value_or(-1) << " " << r.start.size() << " " << r.answers_only << " "
         << r.validation_horizon.value_or(-1) << " " << r.period << " " << r.level_percent << " "
         << (r.script ? r.script->points_to_project : -1) << " "
         << (r.script ? r.script->first_period : -1) << " " << r.calibrated_t;
    return text.str();
  });
}

std::string studio(const Arguments& arguments) {
  return outcome<StudioOptions>(estudio::parse_command_line, arguments, [](const StudioOptions& o) {
    std::ostringstream text;
    text << o.file.value_or("-") << " " << o.choose_file << " " << o.groups.size() << " "
         << o.automatic << " " << o.points.value_or(-1) << " " << o.level.value_or(-1) << " "
         << o.first_period.value_or(-1);
    return text.str();
  });
}

std::string chart(const Arguments& arguments) {
  return outcome<grafico::Request>(grafico::parse_command_line, arguments,
                                   [](const grafico::Request& r) {
                                     std::string text = r.name + (r.table ? " csv" : "");
                                     for (double level : r.levels) text += " " + std::to_string(level);
                                     return text;
                                   });
}

std::string import(const Arguments& arguments) {
  return outcome<ImportRequest>(importar::parse_command_line, arguments,
                                [](const ImportRequest& r) {
                                  return r.csv_file + " " + r.problem_name + " [" + r.column +
                                         "]" + (r.replace_existing ? " sobrescribir" : "");
                                });
}

std::string batch(const Arguments& arguments) {
  return outcome<lote::Request>(lote::parse_command_line, arguments, [](const lote::Request& r) {
    return r.sheet + " " + std::to_string(r.points.value_or(-1)) + " " + std::to_string(r.level) +
           " " + std::to_string(r.threads.value_or(-1)) + " " + std::to_string(r.part) + "/" +
           std::to_string(r.parts) + (r.data_choices ? " datos" : "") + (r.redo ? " rehacer" : "") +
           (r.merge ? " unir" : "");
  });
}

std::string desktop(const Arguments& arguments) {
  return outcome<gui::Request>(gui::parse_command_line, arguments, [](const gui::Request& r) {
    return r.folder.value_or("") + (r.choose_folder ? " elegir" : "");
  });
}

std::string terminal(const Arguments& arguments) {
  return outcome<terminal::Request>(terminal::parse_command_line, arguments,
                                    [](const terminal::Request&) { return std::string("run"); });
}

struct Program {
  const char* name;
  std::function<std::string(const Arguments&)> read;
  Arguments plain;            // a command line it takes
  std::string option, value;  // an option of it that takes a value, and a value it takes
  bool gives_reasons = true;  // tendencia and tendencia-gui refuse with their usage line alone
};

const std::vector<Program>& programs() {
  static const std::vector<Program> all = {
      {"tendencia-ajuste", fit, {"ventas", "potencia"}, "--puntos", "12"},
      {"tendencia-estudio", studio, {"ventas.csv"}, "--puntos", "12"},
      {"tendencia-grafico", chart, {"ventas"}, "--niveles", "80,95"},
      {"tendencia-importar", import, {"s.csv", "s"}, "--columna", "Ventas"},
      {"tendencia-lote", batch, {"hoja.csv"}, "--puntos", "12"},
      {"tendencia-gui", desktop, {"datos"}, "", "", false},
      {"tendencia", terminal, {}, "", "", false},
  };
  return all;
}

Arguments with(Arguments arguments, const std::vector<std::string>& more) {
  arguments.insert(arguments.end(), more.begin(), more.end());
  return arguments;
}

TEST(EveryProgramsCommandLine, TakesAValueInEitherFormAndRefusesInTheSameWords) {
  for (const Program& p : programs()) {
    SCOPED_TRACE(p.name);
    const std::string plain = p.read(p.plain);
    ASSERT_EQ(plain.find("refused"), std::string::npos) << plain;
    const auto refusal = [&](const std::string& why) {
      return p.gives_reasons ? "refused: " + why : std::string("refused: ");
    };
    EXPECT_EQ(p.read(with(p.plain, {"--nada"})), refusal("opción desconocida: \"--nada\""));
    EXPECT_EQ(p.read(with(p.plain, {"-n"})), refusal("opción desconocida: \"-n\""));
    if (p.option.empty()) continue;
    const std::string spaced = p.read(with(p.plain, {p.option, p.value}));
    EXPECT_EQ(spaced.find("refused"), std::string::npos) << spaced;
    EXPECT_NE(spaced, plain);
    EXPECT_EQ(p.read(with(p.plain, {p.option + "=" + p.value})), spaced);
    EXPECT_EQ(p.read(with({p.option, p.value}, p.plain)), spaced);  // options anywhere
    EXPECT_EQ(p.read(with(p.plain, {p.option, p.value, p.option + "=" + p.value})),
              refusal(p.option + " aparece más de una vez"));
    EXPECT_EQ(p.read(with(p.plain, {p.option})).rfind(refusal("falta "), 0), 0u);
  }
}

TEST(EveryProgramsCommandLine, ReadsNumbersAlike) {
  // A leading zero is a digit like any other, as in the run's answers.
  EXPECT_EQ(fit({"v", "potencia", "--puntos", "007"}), fit({"v", "potencia", "--puntos", "7"}));
  EXPECT_EQ(studio({"--puntos", "007"}), studio({"--puntos", "7"}));
  EXPECT_EQ(batch({"h.csv", "--puntos", "007", "--parte", "+1/04"}),
            batch({"h.csv", "--puntos", "7", "--parte", "1/4"}));
  EXPECT_EQ(fit({"v", "--automatico", "--guion", "+5", "-02001"}),
            fit({"v", "--automatico", "--guion", "5", "-2001"}));
  EXPECT_EQ(studio({"--inicio", "-02001"}), studio({"--inicio", "-2001"}));
  EXPECT_EQ(fit({"v", "potencia", "--puntos", " 7"}),
            "refused: --puntos necesita un número entero de 1 a 1000, no \" 7\"");
  EXPECT_EQ(studio({"--puntos", "7.0"}),
            "refused: --puntos necesita un número entero de 0 a 32767, no \"7.0\"");
}

TEST(EveryProgramsCommandLine, TakesItsOperandsAndNoMore) {
  EXPECT_EQ(terminal({}), "run");
  EXPECT_EQ(terminal({"ventas"}), "refused: ");
  EXPECT_EQ(desktop({}), "");
  EXPECT_EQ(desktop({"-"}), "-");
  EXPECT_EQ(desktop({"--elegir-carpeta"}), " elegir");
  EXPECT_EQ(desktop({"a", "b"}), "refused: ");
  EXPECT_EQ(desktop({"a", "--elegir-carpeta"}), "refused: ");
  EXPECT_EQ(import({"s.csv"}), "refused: faltan el fichero CSV y el nombre del problema");
  EXPECT_EQ(import({"s.csv", "a", "b"}), "refused: sobra \"b\"");
  EXPECT_EQ(chart({"ventas", "otra"}), "refused: sobra \"otra\"");
  EXPECT_EQ(studio({"a.csv", "b.csv"}), "refused: sobra \"b.csv\"");
}

}  // namespace
}  // namespace tendencia
