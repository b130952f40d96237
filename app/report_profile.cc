#include "app/report_profile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/html_text.h"
#include "app/label_layout.h"

namespace scengen {
namespace {

constexpr double kWidth = 1000;
constexpr double kLeft = 64, kRight = 980;
constexpr double kAltitudeTop = 28, kAltitudeBottom = 268;
constexpr double kBandTop = 280, kBandBottom = 296;
constexpr double kSpeedTop = 324, kSpeedBottom = 404;
constexpr double kLabelTop = 428;  // where the stations' labels end
constexpr size_t kStationLabelChars = 26;
constexpr double kCharWidth = 6.2;

std::string n(double v) { return svg_number(v); }

std::string number_text(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", v);
  return text;
}

struct Axis {
  double lo = 0, hi = 1, step = 1;
  double top = 0, bottom = 0;
  double y(double v) const { return bottom - (v - lo) / (hi - lo) * (bottom - top); }
};

Axis axis_over(double min, double max, int ticks, double top, double bottom) {
  Axis a;
  a.step = nice_step(max - min, ticks);
  a.lo = std::floor(min / a.step) * a.step;
  a.hi = std::ceil(max / a.step) * a.step;
  if (a.hi <= a.lo) a.hi = a.lo + a.step;
  a.top = top;
  a.bottom = bottom;
  return a;
}

void y_ticks(const Axis& a, const char* unit, std::string* out) {
  for (int i = 0; a.lo + i * a.step <= a.hi + a.step / 2; ++i) {
    const double v = a.lo + i * a.step;
    const double y = a.y(v);
    *out += "<polyline class=\"grid\" points=\"" + n(kLeft) + "," + n(y) + " " + n(kRight) + "," +
            n(y) + "\"/><text class=\"tick\" x=\"" + n(kLeft - 6) + "\" y=\"" + n(y + 4) +
            "\" text-anchor=\"end\">" + number_text(v) + unit + "</text>";
  }
}

}  // namespace

double nice_step(double range, int ticks) {
  if (!(range > 0) || ticks < 1) return 1;
  const double raw = range / ticks;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (double f : {1.0, 2.0, 5.0}) {
    if (power * f >= raw) return power * f;
  }
  return power * 10;
}

std::string profile_svg(const ScenarioView& view) {
  const double length = std::max<int32_t>(view.route_length, 1);
  auto x = [&](double metre) { return kLeft + (kRight - kLeft) * metre / length; };

  size_t label_chars = 0;
  std::vector<std::string> labels;
  for (const StationView& s : view.stations) {
    labels.push_back(km_text(s.position) + " " + html_label(s.name, kStationLabelChars));
    size_t chars = 0;
    for (unsigned char c : labels.back()) chars += (c & 0xC0) != 0x80;
    label_chars = std::max(label_chars, chars);
  }
  const double height = kLabelTop + static_cast<double>(label_chars) * kCharWidth + 12;

  std::string out = "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"profile\" viewBox=\"0 0 " +
                    n(kWidth) + " " + n(height) + "\" width=\"" + n(kWidth) + "\" height=\"" +
                    n(height) + "\" role=\"img\" aria-label=\"profile of the line\">";
  out +=
      "<defs><pattern id=\"band-hatch\" width=\"6\" height=\"6\" patternUnits=\"userSpaceOnUse\">"
      "<path class=\"hatch\" d=\"M0,6 L6,0\"/></pattern>"
      "<pattern id=\"band-dots\" width=\"5\" height=\"5\" patternUnits=\"userSpaceOnUse\">"
      "<circle class=\"dot\" cx=\"2.5\" cy=\"2.5\" r=\"1.3\"/></pattern></defs>";

  // Distance: a grid line and a label every so many km.
  const double km_step = nice_step(length / 1000, 10);
  for (int i = 0; i * km_step * 1000 <= length * (1 + 1e-9); ++i) {
    const double km = i * km_step;
    const double gx = x(km * 1000);
    out += "<polyline class=\"grid\" points=\"" + n(gx) + "," + n(kAltitudeTop) + " " + n(gx) +
           "," + n(kSpeedBottom) + "\"/>";
  }

  // Altitude, with one point in `step` cells: at most some 2500 points.
  double low = 0, high = 0;
  for (double a : view.altitude) low = std::min(low, a), high = std::max(high, a);
  const Axis altitude = axis_over(low, high, 5, kAltitudeTop, kAltitudeBottom);
  y_ticks(altitude, " m", &out);
  const size_t count = view.altitude.size();
  const size_t step = std::max<size_t>(1, count / 2500);
  std::string points;
  for (size_t i = 0; i < count; i = (i + 1 == count ? count : std::min(count - 1, i + step))) {
    points += n(x(altitude_metre(view, i))) + "," + n(altitude.y(view.altitude[i])) + " ";
  }
  const std::string floor = n(altitude.y(altitude.lo));
  out += "<polygon class=\"ground\" points=\"" + points + n(x(view.route_length)) + "," + floor +
         " " + n(x(0)) + "," + floor + "\"/>";
  out += "<polyline class=\"altitude\" points=\"" + points + "\"/>";
  out += "<text class=\"panel\" x=\"" + n(kLeft + 6) + "\" y=\"" + n(kAltitudeTop - 10) +
         "\">altitude relative to the start</text>";

  // Mountain spans, as a band.
  out += "<text class=\"panel\" x=\"" + n(kLeft - 6) + "\" y=\"" + n(kBandBottom - 3) +
         "\" text-anchor=\"end\">spans</text>";
  for (const SpanView& s : view.mountains) {
    const double from = s.start, to = std::min<double>(s.end, view.route_length);
    if (from >= to) continue;
    const std::string type = s.type >= 1 && s.type <= 3 ? std::to_string(s.type) : "0";
    out += "<rect class=\"band band" + type + "\" x=\"" + n(x(from)) + "\" y=\"" + n(kBandTop) +
           "\" width=\"" + n(x(to) - x(from)) + "\" height=\"" + n(kBandBottom - kBandTop) +
           "\"><title>mountain span, type " + std::to_string(s.type) + ", km " + km_text(s.start) +
           " to " + km_text(static_cast<int64_t>(to)) + "</title></rect>";
  }

  // Line speed, a step line.
  int top_speed = 0;
  for (const SpeedRun& r : view.speeds) top_speed = std::max(top_speed, r.km_h);
  const Axis speed = axis_over(0, std::max(top_speed, 10), 2, kSpeedTop, kSpeedBottom);
  y_ticks(speed, "", &out);
  out += "<text class=\"panel\" x=\"" + n(kLeft + 6) + "\" y=\"" + n(kSpeedTop - 7) +
         "\">line speed, km/h</text>";
  std::string steps;
  for (size_t i = 0; i < view.speeds.size(); ++i) {
    const double end = i + 1 < view.speeds.size() ? view.speeds[i + 1].start : view.route_length;
    const double y = speed.y(view.speeds[i].km_h);
    steps += n(x(view.speeds[i].start)) + "," + n(y) + " " + n(x(end)) + "," + n(y) + " ";
  }
  if (!steps.empty()) out += "<polyline class=\"speed\" points=\"" + steps + "\"/>";

  // The distance axis, its km, and the stations on it.
  out += "<polyline class=\"axis\" points=\"" + n(kLeft) + "," + n(kSpeedBottom) + " " + n(kRight) +
         "," + n(kSpeedBottom) + "\"/>";
  for (int i = 0; i * km_step * 1000 <= length * (1 + 1e-9); ++i) {
    const double km = i * km_step;
    out += "<text class=\"tick\" x=\"" + n(x(km * 1000)) + "\" y=\"" + n(kSpeedBottom + 13) +
           "\" text-anchor=\"middle\">" + number_text(km) + "</text>";
  }
  out += "<text class=\"tick\" x=\"" + n(kLeft - 6) + "\" y=\"" + n(kSpeedBottom + 13) +
         "\" text-anchor=\"end\">km</text>";
  std::vector<double> wanted;
  for (const StationView& s : view.stations) wanted.push_back(x(s.position));
  const std::vector<double> at = spread_labels(wanted, 11, kLeft, kRight);
  for (size_t i = 0; i < view.stations.size(); ++i) {
    const double sx = wanted[i];
    if (sx < kLeft || sx > kRight) continue;  // a station off the route
    out += "<polyline class=\"stn-line\" points=\"" + n(sx) + "," + n(kAltitudeTop) + " " + n(sx) +
           "," + n(kSpeedBottom) + "\"/><polyline class=\"lead\" points=\"" + n(sx) + "," +
           n(kSpeedBottom) + " " + n(sx) + "," + n(kSpeedBottom + 4) + " " + n(at[i]) + "," +
           n(kLabelTop - 6) + "\"/>";
    const std::string lx = n(at[i] + 4), ly = n(kLabelTop);
    out += "<text class=\"lbl\" x=\"" + lx + "\" y=\"" + ly + "\" transform=\"rotate(-90 " + lx +
           " " + ly + ")\" text-anchor=\"end\">" + labels[i] + "</text>";
  }
  out += "</svg>";
  return out;
}

}  // namespace scengen
