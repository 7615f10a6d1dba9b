#include "chart/fan_chart.h"

#include <cairo-svg.h>

#include <algorithm>
#include <cmath>
#include <tuple>

#include "chart/readable_numbers.h"
#include "io/problem_files.h"
#include "io/whole_file_writer.h"

namespace tendencia {
namespace {

constexpr double kPad = 10;         // from the image's edges to any text
constexpr double kTickLength = 5;
constexpr double kGap = 6;          // between a label and what it labels

struct Font {
  double size;
  cairo_font_weight_t weight;
};
constexpr Font kTitleFont{18, CAIRO_FONT_WEIGHT_BOLD};
constexpr Font kSubtitleFont{13, CAIRO_FONT_WEIGHT_NORMAL};
constexpr Font kLegendFont{12, CAIRO_FONT_WEIGHT_NORMAL};
constexpr Font kTickFont{11, CAIRO_FONT_WEIGHT_NORMAL};
constexpr Font kCaptionFont{12, CAIRO_FONT_WEIGHT_NORMAL};
constexpr Font kNoteFont{11, CAIRO_FONT_WEIGHT_NORMAL};

struct Rect {
  double left, top, right, bottom;
};

// Texts are placed by the top of their line, so lines stack by the font's
// height whatever letters they hold.
class Writer {
 public:
  Writer(cairo_t* cr, std::vector<TextBox>* boxes) : cr_(cr), boxes_(boxes) {}

  void use(Font font) {
    cairo_select_font_face(cr_, "sans-serif", CAIRO_FONT_SLANT_NORMAL, font.weight);
    cairo_set_font_size(cr_, font.size);
  }
  double line_height() const {
    cairo_font_extents_t e;
    cairo_font_extents(cr_, &e);
    return e.ascent + e.descent;
  }
  double width(const std::string& text) const {
    cairo_text_extents_t e;
    cairo_text_extents(cr_, text.c_str(), &e);
    return e.x_advance;
  }
  // The text, or its longest beginning with "…" that fits `room`.
  std::string fitted(const std::string& text, double room) const {
    if (width(text) <= room) return text;
    std::vector<std::size_t> ends;  // the ends of the characters
    for (std::size_t i = 1; i <= text.size(); ++i)
      if (i == text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) ends.push_back(i);
    std::size_t low = 0, high = ends.size();  // fits with `low` characters, not with `high`
    while (high - low > 1) {
      std::size_t middle = (low + high) / 2;
      if (width(text.substr(0, ends[middle - 1]) + "…") <= room) low = middle;
      else high = middle;
    }
    return low == 0 ? std::string() : text.substr(0, ends[low - 1]) + "…";
  }
  // Writes `text` with its line's top at `top`; `align` 0 puts its start at
  // x, 0.5 its middle, 1 its end.
  void write(const std::string& text, double x, double top, double align) {
    if (text.empty()) return;
    cairo_font_extents_t font;
    cairo_font_extents(cr_, &font);
    cairo_text_extents_t e;
    cairo_text_extents(cr_, text.c_str(), &e);
    const double start = x - e.x_advance * align, baseline = top + font.ascent;
    cairo_move_to(cr_, start, baseline);
    cairo_show_text(cr_, text.c_str());
    cairo_new_path(cr_);  // showing text leaves a current point behind
    if (boxes_)
      boxes_->push_back({text, start + e.x_bearing, baseline + e.y_bearing,
                         start + e.x_bearing + e.width, baseline + e.y_bearing + e.height});
  }

 private:
  cairo_t* cr_;
  std::vector<TextBox>* boxes_;
};

void colour(cairo_t* cr, Rgb c, double alpha = 1.0) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

struct Axes {
  Rect plot;
  double value_low, value_high;
  std::vector<AxisTick> period_ticks, value_ticks;
  double x(double period, const FanChart& chart) const {
    return plot.left + fraction_between(period, chart.period_low, chart.period_high) *
                           (plot.right - plot.left);
  }
  double y(double value) const {
    return plot.bottom - fraction_between(value, value_low, value_high) * (plot.bottom - plot.top);
  }
};

// The legend's entries, left to right, wrapping to a new row where the width
// ends; returns the legend's height.
double legend(cairo_t* cr, Writer& writer, const FanChart& chart, double top, double width) {
  writer.use(kLegendFont);
  const double row_height = writer.line_height() + 4, swatch = 22, after_swatch = 6, between = 22;
  struct Entry {
    std::string label;
    int kind;  // 0 observed, 1 trend, 2 band
    Rgb colour;
  };
  std::vector<Entry> entries = {{chart.observed_label, 0, kObservedColour},
                                {chart.trend_label, 1, kTrendColour}};
  for (auto band = chart.bands.rbegin(); band != chart.bands.rend(); ++band)
    entries.push_back({band->label, 2, band->colour});
  double x = kPad, y = top;
  for (const Entry& entry : entries) {
    const std::string label = writer.fitted(entry.label, width - 2 * kPad - swatch - after_swatch);
    const double entry_width = swatch + after_swatch + writer.width(label);
    if (x > kPad && x + entry_width > width - kPad) x = kPad, y += row_height;
    {
      const double middle = y + row_height / 2 - 2;
      if (entry.kind == 2) {
        colour(cr, entry.colour);
        cairo_rectangle(cr, x, middle - 6, swatch, 12);
        cairo_fill(cr);
      } else {
        colour(cr, entry.colour);
        cairo_set_line_width(cr, entry.kind == 0 ? 1.2 : 2);
        cairo_move_to(cr, x, middle);
        cairo_line_to(cr, x + swatch, middle);
        cairo_stroke(cr);
        if (entry.kind == 0) {
          cairo_arc(cr, x + swatch / 2, middle, 2.5, 0, 2 * M_PI);
          cairo_fill(cr);
        }
      }
      cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
      writer.write(label, x + swatch + after_swatch, y, 0);
    }
    x += entry_width + between;
  }
  return y + row_height - top;
}

double widest(Writer& writer, const std::vector<AxisTick>& ticks) {
  double w = 0;
  for (const AxisTick& tick : ticks) w = std::max(w, writer.width(tick.text));
  return w;
}

// The finest of the calendar's ticks whose labels fit `room` with space
// between them; when none do, every so many of the coarsest.
std::vector<AxisTick> calendar_period_ticks(Writer& writer, const FanChart& chart, double room) {
  const std::vector<std::vector<AxisTick>> sets =
      calendar_ticks(*chart.calendar, chart.period_low, chart.period_high);
  if (sets.empty()) return {};
  auto most = [&](const std::vector<AxisTick>& ticks) {
    const double fit = std::max(0.0, room) / (widest(writer, ticks) + 30);
    return std::max<std::size_t>(1, static_cast<std::size_t>(fit));
  };
  for (const std::vector<AxisTick>& ticks : sets)
    if (ticks.size() <= most(ticks)) return ticks;
  const std::vector<AxisTick>& coarsest = sets.back();
  const std::size_t fitting = most(coarsest);
  const std::size_t every = (coarsest.size() + fitting - 1) / fitting;
  std::vector<AxisTick> thinned;
  for (std::size_t i = 0; i < coarsest.size(); i += every) thinned.push_back(coarsest[i]);
  return thinned;
}

// The plot's rectangle and the axes' ticks, from the room the texts around
// them take.
Axes lay_out(Writer& writer, const FanChart& chart, double width, double height, double header) {
  Axes axes;
  writer.use(kNoteFont);
  const double note = writer.line_height();
  writer.use(kCaptionFont);
  const double caption = writer.line_height();
  writer.use(kTickFont);
  const double tick = writer.line_height();
  axes.plot.top = header + 10;
  axes.plot.bottom = height - kPad - note - 6 - caption - 4 - tick - kTickLength - 2;
  axes.plot.bottom = std::max(axes.plot.bottom, axes.plot.top + 1);

  const int value_count = std::max(2, static_cast<int>((axes.plot.bottom - axes.plot.top) / 45));
  std::tie(axes.value_low, axes.value_high) =
      rounded_value_range(chart.value_low, chart.value_high, value_count);
  axes.value_ticks = axis_ticks(axes.value_low, axes.value_high, value_count, false, chart.decimal);
  axes.plot.left = kPad + widest(writer, axes.value_ticks) + kGap + kTickLength;

  // The widest period label there can be, to space the ticks and to keep the
  // last one inside the image: a calendar's own label is as wide as any of its ticks'.
  const auto last_period = static_cast<long long>(std::floor(chart.period_high));
  const double period_label =
      chart.calendar
          ? writer.width(label_of_period(*chart.calendar, last_period).value_or(""))
          : std::max(writer.width(tick_text(std::ceil(chart.period_low), 1, chart.decimal)),
                     writer.width(tick_text(std::floor(chart.period_high), 1, chart.decimal)));
  axes.plot.right = width - kPad - std::max(4.0, period_label / 2);
  axes.plot.right = std::max(axes.plot.right, axes.plot.left + 1);
  const double room = axes.plot.right - axes.plot.left;
  if (chart.calendar) {
    axes.period_ticks = calendar_period_ticks(writer, chart, room);
  } else {
    const int period_count = std::max(1, static_cast<int>(room / (period_label + 30)));
    axes.period_ticks = axis_ticks(chart.period_low, chart.period_high, period_count, true, chart.decimal);
  }
  return axes;
}

void draw_grid(cairo_t* cr, Writer& writer, const FanChart& chart, const Axes& axes, double width) {
  const Rect& plot = axes.plot;
  writer.use(kTickFont);
  cairo_set_line_width(cr, 1);
  for (const AxisTick& tick : axes.value_ticks) {
    const double y = axes.y(tick.at);
    cairo_set_source_rgb(cr, 0.90, 0.90, 0.90);
    cairo_move_to(cr, plot.left, y);
    cairo_line_to(cr, plot.right, y);
    cairo_stroke(cr);
    cairo_set_source_rgb(cr, 0.3, 0.3, 0.3);
    cairo_move_to(cr, plot.left - kTickLength, y);
    cairo_line_to(cr, plot.left, y);
    cairo_stroke(cr);
    writer.write(tick.text, plot.left - kTickLength - kGap / 2, y - writer.line_height() / 2, 1);
  }
  for (const AxisTick& tick : axes.period_ticks) {
    const double x = axes.x(tick.at, chart);
    cairo_set_source_rgb(cr, 0.90, 0.90, 0.90);
    cairo_move_to(cr, x, plot.top);
    cairo_line_to(cr, x, plot.bottom);
    cairo_stroke(cr);
    cairo_set_source_rgb(cr, 0.3, 0.3, 0.3);
    cairo_move_to(cr, x, plot.bottom);
    cairo_line_to(cr, x, plot.bottom + kTickLength);
    cairo_stroke(cr);
    const double half = writer.width(tick.text) / 2;
    writer.write(tick.text, std::clamp(x, kPad + half, width - kPad - half),
                 plot.bottom + kTickLength + 2, 0.5);
  }
}

void draw_series(cairo_t* cr, const FanChart& chart, const Axes& axes) {
  for (const ChartBand& band : chart.bands) {
    colour(cr, band.colour);
    cairo_new_path(cr);
    for (std::size_t i = 0; i < band.periods.size(); ++i)
      cairo_line_to(cr, axes.x(band.periods[i], chart), axes.y(band.upper[i]));
    for (std::size_t i = band.periods.size(); i-- > 0;)
      cairo_line_to(cr, axes.x(band.periods[i], chart), axes.y(band.lower[i]));
    cairo_close_path(cr);
    cairo_fill(cr);
  }
  colour(cr, kTrendColour);
  cairo_set_line_width(cr, 1.5);
  for (const std::vector<ChartPoint>& run : chart.fitted) {
    cairo_new_path(cr);
    for (const ChartPoint& p : run) cairo_line_to(cr, axes.x(p.period, chart), axes.y(p.value));
    cairo_stroke(cr);
  }
  cairo_set_line_width(cr, 2);
  cairo_new_path(cr);
  for (const ChartPoint& p : chart.projected) cairo_line_to(cr, axes.x(p.period, chart), axes.y(p.value));
  cairo_stroke(cr);

  colour(cr, kObservedColour);
  cairo_set_line_width(cr, 1);
  cairo_new_path(cr);
  for (const ChartPoint& p : chart.observed) cairo_line_to(cr, axes.x(p.period, chart), axes.y(p.value));
  cairo_stroke(cr);
  // Markers as large as the spacing of the periods allows; where they would
  // touch, the line alone shows the values and lets the fitted trend show.
  const double spacing = (axes.plot.right - axes.plot.left) / (chart.period_high - chart.period_low);
  const double radius = std::min(spacing / 3, 3.0);
  if (radius < 1.2) return;
  for (const ChartPoint& p : chart.observed) {
    cairo_new_path(cr);
    cairo_arc(cr, axes.x(p.period, chart), axes.y(p.value), radius, 0, 2 * M_PI);
    cairo_fill(cr);
  }
}

// The dashed line where the projection starts, and its name beside it where
// there is room inside the plot.
void draw_projection_start(cairo_t* cr, Writer& writer, const FanChart& chart, const Axes& axes) {
  if (!chart.projection_start) return;
  const Rect& plot = axes.plot;
  const double x = axes.x(*chart.projection_start, chart);
  cairo_set_source_rgb(cr, 0.4, 0.4, 0.4);
  cairo_set_line_width(cr, 1);
  const double dashes[] = {5, 4};
  cairo_set_dash(cr, dashes, 2, 0);
  cairo_move_to(cr, x, plot.top);
  cairo_line_to(cr, x, plot.bottom);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);

  writer.use(kTickFont);
  const double w = writer.width(chart.projection_label), h = writer.line_height();
  double start;
  if (x + 4 + w <= plot.right - 2) start = x + 4;
  else if (x - 4 - w >= plot.left + 2) start = x - 4 - w;
  else return;
  cairo_set_source_rgba(cr, 1, 1, 1, 0.8);
  cairo_rectangle(cr, start - 2, plot.top + 3, w + 4, h + 2);
  cairo_fill(cr);
  cairo_set_source_rgb(cr, 0.3, 0.3, 0.3);
  writer.write(chart.projection_label, start, plot.top + 4, 0);
}

}  // namespace

void draw_fan_chart(cairo_t* cr, const FanChart& chart, double width, double height,
                    std::vector<TextBox>* texts) {
  cairo_save(cr);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  Writer writer(cr, texts);
  const double room = width - 2 * kPad;

  double top = kPad;
  cairo_set_source_rgb(cr, 0, 0, 0);
  writer.use(kTitleFont);
  writer.write(writer.fitted(chart.title, room), kPad, top, 0);
  top += writer.line_height() + 2;
  writer.use(kSubtitleFont);
  cairo_set_source_rgb(cr, 0.25, 0.25, 0.25);
  writer.write(writer.fitted(chart.subtitle, room), kPad, top, 0);
  top += writer.line_height() + 6;
  top += legend(cr, writer, chart, top, width);

  const Axes axes = lay_out(writer, chart, width, height, top);
  const Rect& plot = axes.plot;
  draw_grid(cr, writer, chart, axes, width);

  cairo_save(cr);
  cairo_rectangle(cr, plot.left, plot.top, plot.right - plot.left, plot.bottom - plot.top);
  cairo_clip(cr);
  draw_series(cr, chart, axes);
  cairo_restore(cr);
  draw_projection_start(cr, writer, chart, axes);

  cairo_set_source_rgb(cr, 0.3, 0.3, 0.3);
  cairo_set_line_width(cr, 1);
  cairo_rectangle(cr, plot.left, plot.top, plot.right - plot.left, plot.bottom - plot.top);
  cairo_stroke(cr);

  writer.use(kNoteFont);
  const double note_top = height - kPad - writer.line_height();
  writer.use(kCaptionFont);
  cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
  const std::string caption = writer.fitted(chart.period_caption, room);
  const double half = writer.width(caption) / 2;
  writer.write(caption, std::clamp((plot.left + plot.right) / 2, kPad + half, width - kPad - half),
               note_top - 6 - writer.line_height(), 0.5);
  writer.use(kNoteFont);
  cairo_set_source_rgb(cr, 0.35, 0.35, 0.35);
  writer.write(writer.fitted(chart.note, room), kPad, note_top, 0);
  cairo_restore(cr);
}

namespace {

// cairo's stream writer: the bytes go on the end of a string.
cairo_status_t append_bytes(void* bytes, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(bytes)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

}  // namespace

std::string fan_chart_svg(const FanChart& chart) {
  std::string bytes;
  cairo_surface_t* vector =
      cairo_svg_surface_create_for_stream(append_bytes, &bytes, kChartWidth, kChartHeight);
  cairo_t* cr = cairo_create(vector);
  draw_fan_chart(cr, chart, kChartWidth, kChartHeight);
  cairo_destroy(cr);
  cairo_surface_finish(vector);
  const cairo_status_t status = cairo_surface_status(vector);
  cairo_surface_destroy(vector);
  if (status != CAIRO_STATUS_SUCCESS) throw ReportRefused("no se puede dibujar el gráfico en SVG");
  return bytes;
}

std::string fan_chart_png(const FanChart& chart) {
  std::string bytes;
  cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kChartWidth, kChartHeight);
  cairo_t* cr = cairo_create(image);
  draw_fan_chart(cr, chart, kChartWidth, kChartHeight);
  cairo_destroy(cr);
  const cairo_status_t status = cairo_surface_write_to_png_stream(image, append_bytes, &bytes);
  cairo_surface_destroy(image);
  if (status != CAIRO_STATUS_SUCCESS) throw ReportRefused("no se puede dibujar el gráfico en PNG");
  return bytes;
}

void write_fan_chart(const FanChart& chart, const std::string& folder, const std::string& name) {
  // Both drawn before either is written: a chart cairo cannot draw writes nothing.
  const std::string svg = fan_chart_svg(chart), png = fan_chart_png(chart);
  write_whole_file(folder, chart_file_name(name, "SVG"), svg, true);
  write_whole_file(folder, chart_file_name(name, "PNG"), png, true);
}

}  // namespace tendencia
