// The files of one problem, all in one folder and all named from the problem
// name: "D" + name + ".TXT" (the series), "E" + name + ".TXT" (the report),
// "G" + name + ".SVG"/".PNG"/".CSV" (the chart and its table). The folder is
// a value every reader and writer of them is given, never the process's
// current folder: a path, or empty for the folder the program started in.
#pragma once

#include <cstddef>
#include <string>

namespace tendencia {

// The longest problem name, in characters, the run asks for.
constexpr std::size_t kMaxProblemNameCharacters = 7;

std::string data_file_name(const std::string& problem_name);
std::string results_file_name(const std::string& problem_name);
// The results file's name without ".TXT", as the run's farewell names it.
std::string results_file_stem(const std::string& problem_name);

// "G" + name + "." + extension, the extension in capitals ("SVG", "PNG", "CSV").
std::string chart_file_name(const std::string& problem_name, const std::string& extension);

// Can `file_name` name a file of the problem's folder? Not when it holds "/"
// (it would reach into another folder) or a NUL (the system would cut it short).
bool names_a_file_here(const std::string& file_name);

// The path of the file `file_name` of `folder`: the name itself for the empty
// folder, else the folder, "/" and the name.
std::string path_in(const std::string& folder, const std::string& file_name);

}  // namespace tendencia
