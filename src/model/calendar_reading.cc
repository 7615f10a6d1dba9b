#include "model/calendar_reading.h"

#include <algorithm>
#include <array>

#include "text/characters.h"
#include "text/number_scanner.h"
#include "text/quoted.h"

namespace tendencia {
namespace {

constexpr std::size_t kLongestLabel = 32;

// A label cut into runs of digits and runs of letters (lowercase), with the
// separators written before each run: "ene.-1949" is "ene", then ".-" and
// "1949".
struct Piece {
  bool digits = false;
  std::string text, before;
};

bool is_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool is_separator(char c) { return c == '-' || c == '/' || c == '.' || is_blank(c); }
char lowercase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Nothing for a character no label holds, or separators at either end.
std::optional<std::vector<Piece>> pieces_of(std::string_view label) {
  std::vector<Piece> pieces;
  std::string separators;
  for (std::size_t i = 0; i < label.size();) {
    const char c = label[i];
    if (is_separator(c)) {
      // Blanks count as one, whatever their number.
      if (!is_blank(c) || separators.empty() || separators.back() != ' ')
        separators += is_blank(c) ? ' ' : c;
      ++i;
      continue;
    }
    if (!is_digit(c) && !is_letter(c)) return std::nullopt;
    Piece piece;
    piece.digits = is_digit(c);
    piece.before = separators;
    separators.clear();
    for (; i < label.size() && (piece.digits ? is_digit(label[i]) : is_letter(label[i])); ++i)
      piece.text += lowercase(label[i]);
    pieces.push_back(piece);
  }
  if (pieces.empty() || !separators.empty() || !pieces.front().before.empty()) return std::nullopt;
  return pieces;
}

// The value of a run of `least`..`most` digits.
std::optional<int> digits_value(const Piece& piece, std::size_t least, std::size_t most) {
  if (!piece.digits || piece.text.size() < least || piece.text.size() > most) return std::nullopt;
  const std::optional<long long> value = whole_number_in(piece.text);
  if (!value) return std::nullopt;
  return static_cast<int>(*value);
}

std::optional<int> year_of(const Piece& piece) { return digits_value(piece, 4, 4); }
std::optional<int> one_or_two_digits(const Piece& piece) { return digits_value(piece, 1, 2); }

std::optional<int> month_named(const Piece& piece) {
  struct Name {
    const char* text;
    int month;
  };
  static const Name kNames[] = {
      {"ene", 1},  {"enero", 1},      {"jan", 1},      {"feb", 2},        {"febrero", 2},
      {"mar", 3},  {"marzo", 3},      {"abr", 4},      {"abril", 4},      {"apr", 4},
      {"may", 5},  {"mayo", 5},       {"jun", 6},      {"junio", 6},      {"jul", 7},
      {"julio", 7}, {"ago", 8},       {"agosto", 8},   {"aug", 8},        {"sep", 9},
      {"sept", 9}, {"set", 9},        {"septiembre", 9}, {"setiembre", 9}, {"oct", 10},
      {"octubre", 10}, {"nov", 11},   {"noviembre", 11}, {"dic", 12},     {"diciembre", 12},
      {"dec", 12}};
  if (piece.digits) return std::nullopt;
  for (const Name& name : kNames)
    if (piece.text == name.text) return name.month;
  return std::nullopt;
}

bool is_one_of(const std::string& text, std::initializer_list<const char*> choices) {
  return std::any_of(choices.begin(), choices.end(), [&](const char* c) { return text == c; });
}

bool is_quarter_letter(const Piece& piece) { return !piece.digits && is_one_of(piece.text, {"q", "t"}); }

PeriodLabel shaped(PeriodLabel::Shape shape, int year, int month, int day) {
  PeriodLabel label;
  label.date = CivilDate{year, month, day};
  label.shape = is_valid_date(label.date) ? shape : PeriodLabel::Invalid;
  return label;
}

PeriodLabel quarter(int year, int quarter) {
  if (quarter < 1 || quarter > 4) return shaped(PeriodLabel::Quarter, year, 0, 1);
  return shaped(PeriodLabel::Quarter, year, 3 * quarter - 2, 1);
}

// Two runs: 1949-01, 1949/01, 01/1949, 01-1949, ene-1949, ene 1949, ene.-1949.
PeriodLabel two_pieces(const Piece& a, const Piece& b) {
  const std::string& between = b.before;
  if (is_one_of(between, {"-", "/"})) {
    if (auto year = year_of(a); year && one_or_two_digits(b))
      return shaped(PeriodLabel::Month, *year, *one_or_two_digits(b), 1);
    if (auto year = year_of(b); year && one_or_two_digits(a))
      return shaped(PeriodLabel::Month, *year, *one_or_two_digits(a), 1);
  }
  if (is_one_of(between, {"-", "/", " ", ".", ".-", ". ", "./"}))
    if (auto year = year_of(b); year && month_named(a))
      return shaped(PeriodLabel::Month, *year, *month_named(a), 1);
  return {};
}

// Three runs: quarters (1949-Q1, T1 1949), 1949M01, and dates.
PeriodLabel three_pieces(const Piece& a, const Piece& b, const Piece& c) {
  if (is_quarter_letter(b) && c.before.empty() && is_one_of(b.before, {"", "-", " "}))
    if (auto year = year_of(a); year && digits_value(c, 1, 1)) return quarter(*year, *digits_value(c, 1, 1));
  if (is_quarter_letter(a) && b.before.empty() && is_one_of(c.before, {" ", "-", "/"}))
    if (auto year = year_of(c); year && digits_value(b, 1, 1)) return quarter(*year, *digits_value(b, 1, 1));
  if (!b.digits && b.text == "m" && b.before.empty() && c.before.empty())
    if (auto year = year_of(a); year && digits_value(c, 2, 2))
      return shaped(PeriodLabel::Month, *year, *digits_value(c, 2, 2), 1);
  if (b.before != c.before) return {};
  const std::string& between = b.before;
  if (is_one_of(between, {"-", "/"}))
    if (auto year = year_of(a); year && one_or_two_digits(b) && one_or_two_digits(c))
      return shaped(PeriodLabel::Date, *year, *one_or_two_digits(b), *one_or_two_digits(c));
  if (is_one_of(between, {"-", "/", "."}))
    if (auto year = year_of(c); year && one_or_two_digits(a) && one_or_two_digits(b))
      return shaped(PeriodLabel::Date, *year, *one_or_two_digits(b), *one_or_two_digits(a));
  return {};
}

// The period count of a label of the shapes that count in whole periods.
long long period_count(const PeriodLabel& label) {
  switch (label.shape) {
    case PeriodLabel::Quarter: return label.date.year * 4LL + (label.date.month - 1) / 3;
    case PeriodLabel::Month: return label.date.year * 12LL + label.date.month - 1;
    default: return label.date.year;
  }
}

CalendarReading stopped(std::size_t at, std::string why) {
  CalendarReading reading;
  reading.stops_at = at;
  reading.why_not = std::move(why);
  return reading;
}

// Why `label` cannot follow `previous`, `next` being where the calendar's step
// leads: a repeat, a step back, a gap, or a step of another length.
std::string why_not_next(const std::string& previous, const std::string& label, long long at,
                         long long before, bool gap) {
  if (at == before) return quoted(label) + " repite el periodo de " + quoted(previous);
  if (at < before) return quoted(label) + " es anterior a " + quoted(previous);
  if (gap) return "falta algún periodo entre " + quoted(previous) + " y " + quoted(label);
  return "de " + quoted(previous) + " a " + quoted(label) + " el paso no es el de las fechas anteriores";
}

// How dates may follow each other: the candidates of a column of dates, in
// the order they are preferred when several fit.
enum class DateStep { Day, Week, WorkingDay, SameDayOfMonth, LastDayOfMonth };
struct DateRule {
  DateStep step;
  int months;  // for the two monthly steps: 1, 3 or 12
};
constexpr std::array<DateRule, 9> kDateRules = {{{DateStep::Day, 0},
                                                 {DateStep::Week, 0},
                                                 {DateStep::WorkingDay, 0},
                                                 {DateStep::SameDayOfMonth, 1},
                                                 {DateStep::LastDayOfMonth, 1},
                                                 {DateStep::SameDayOfMonth, 3},
                                                 {DateStep::LastDayOfMonth, 3},
                                                 {DateStep::SameDayOfMonth, 12},
                                                 {DateStep::LastDayOfMonth, 12}}};

bool is_working_day(long long day) { return weekday(day) < 5; }

// The day after `day` under `rule`, nothing past year kLastYear.
std::optional<long long> next_day(const DateRule& rule, long long day) {
  const CivilDate date = date_of_day(day);
  switch (rule.step) {
    case DateStep::Day: return day + 1;
    case DateStep::Week: return day + 7;
    case DateStep::WorkingDay: return day + (weekday(day) == 4 ? 3 : weekday(day) == 5 ? 2 : 1);
    case DateStep::SameDayOfMonth:
    case DateStep::LastDayOfMonth: {
      const int months = date.year * 12 + date.month - 1 + rule.months;
      CivilDate next{months / 12, months % 12 + 1, date.day};
      if (next.year > kLastYear) return std::nullopt;
      if (rule.step == DateStep::LastDayOfMonth) next.day = days_in_month(next.year, next.month);
      if (!is_valid_date(next)) return std::nullopt;
      return day_number(next);
    }
  }
  return std::nullopt;
}

bool starts_rule(const DateRule& rule, long long day) {
  const CivilDate date = date_of_day(day);
  switch (rule.step) {
    case DateStep::WorkingDay: return is_working_day(day);
    case DateStep::SameDayOfMonth: return date.day <= 28;
    case DateStep::LastDayOfMonth: return date.day == days_in_month(date.year, date.month);
    default: return true;
  }
}

// The first date (counted from 0) that does not follow the one before under
// `rule`; days.size() when every one does.
std::size_t first_break(const DateRule& rule, const std::vector<long long>& days) {
  if (!starts_rule(rule, days.front())) return 0;
  for (std::size_t i = 1; i < days.size(); ++i)
    if (next_day(rule, days[i - 1]) != days[i]) return i;
  return days.size();
}

// Is `day` a later step of `rule` after `from`? A short walk suffices: a gap
// of more than a few thousand periods is no gap anyone meant.
bool on_the_way(const DateRule& rule, long long from, long long day) {
  std::optional<long long> at = from;
  for (int steps = 0; at && *at < day && steps < 5000; ++steps) at = next_day(rule, *at);
  return at && *at == day;
}

Calendar calendar_of(const DateRule& rule, long long first_day) {
  const CivilDate date = date_of_day(first_day);
  switch (rule.step) {
    case DateStep::Day: return {CalendarKind::Daily, first_day};
    case DateStep::Week: return {CalendarKind::Weekly, first_day};
    case DateStep::WorkingDay: return {CalendarKind::WorkingDays, first_day};
    default: break;
  }
  if (rule.months == 12) return {CalendarKind::Yearly, date.year};
  if (rule.months == 3) return {CalendarKind::Quarterly, date.year * 4LL + (date.month - 1) / 3};
  return {CalendarKind::Monthly, date.year * 12LL + date.month - 1};
}

CalendarReading date_calendar(const std::vector<std::string>& labels,
                              const std::vector<PeriodLabel>& read) {
  std::vector<long long> days;
  for (const PeriodLabel& label : read) days.push_back(day_number(label.date));
  std::size_t best = 0, furthest = 0;
  for (std::size_t r = 0; r < kDateRules.size(); ++r) {
    const std::size_t stop = first_break(kDateRules[r], days);
    if (stop == days.size()) {
      CalendarReading reading;
      reading.calendar = calendar_of(kDateRules[r], days.front());
      return reading;
    }
    if (stop > furthest) best = r, furthest = stop;
  }
  // Day and week steps start anywhere, so every rule went at least one date far.
  if (furthest == 1 && days[1] > days[0])
    return stopped(1, "de " + quoted(labels[0]) + " a " + quoted(labels[1]) +
                          " no hay un día, una semana, un mes, un trimestre ni un año");
  const DateRule& rule = kDateRules[best];
  return stopped(furthest, why_not_next(labels[furthest - 1], labels[furthest], days[furthest],
                                        days[furthest - 1],
                                        on_the_way(rule, days[furthest - 1], days[furthest])));
}

}  // namespace

PeriodLabel read_period_label(const std::string& text) {
  const std::string_view label = without_blanks_around(text);
  if (label.size() > kLongestLabel) return {};
  const std::optional<std::vector<Piece>> pieces = pieces_of(label);
  if (!pieces) return {};
  const std::vector<Piece>& p = *pieces;
  if (p.size() == 1) {
    if (auto year = year_of(p[0])) return shaped(PeriodLabel::Year, *year, 1, 1);
    return {};
  }
  if (p.size() == 2) return two_pieces(p[0], p[1]);
  if (p.size() == 3) return three_pieces(p[0], p[1], p[2]);
  return {};
}

CalendarReading read_calendar(const std::vector<std::string>& labels) {
  if (labels.empty()) return stopped(0, "no hay etiquetas");
  std::vector<PeriodLabel> read;
  for (std::size_t i = 0; i < labels.size(); ++i) {
    const PeriodLabel label = read_period_label(labels[i]);
    if (label.shape == PeriodLabel::None)
      return stopped(i, quoted(labels[i]) + " no es una fecha ni un periodo");
    if (label.shape == PeriodLabel::Invalid)
      return stopped(i, quoted(labels[i]) + " no es una fecha que exista");
    if (i > 0 && label.shape != read.front().shape)
      return stopped(i, quoted(labels[i]) + " no es de la misma clase que " + quoted(labels[0]));
    read.push_back(label);
  }
  const PeriodLabel::Shape shape = read.front().shape;
  if (shape == PeriodLabel::Date) return date_calendar(labels, read);
  for (std::size_t i = 1; i < read.size(); ++i) {
    const long long count = period_count(read[i]), before = period_count(read[i - 1]);
    if (count != before + 1)
      return stopped(i, why_not_next(labels[i - 1], labels[i], count, before, count > before));
  }
  CalendarReading reading;
  const CalendarKind kind = shape == PeriodLabel::Year      ? CalendarKind::Yearly
                            : shape == PeriodLabel::Quarter ? CalendarKind::Quarterly
                                                            : CalendarKind::Monthly;
  reading.calendar = Calendar{kind, period_count(read.front())};
  return reading;
}

}  // namespace tendencia
