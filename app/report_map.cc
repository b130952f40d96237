#include "app/report_map.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/html_text.h"
#include "app/label_layout.h"

namespace scengen {
namespace {

constexpr double kMaxDrawingWidth = 640;
constexpr double kMaxDrawingHeight = 900;
constexpr double kLabelGap = 13;    // between label lines
constexpr double kCharWidth = 6.2;  // of an 11 px sans-serif character, on average
constexpr size_t kStationLabelChars = 30;
constexpr size_t kCaptionLabelChars = 44;
constexpr double kTop = 40;
constexpr double kBottom = 64;

struct Point {
  double x = 0;
  double y = 0;
};

// Where the plan's metres go on the page.
struct Frame {
  double min_x = 0, max_y = 0, scale = 1, left = 0, top = 0;
  Point at(Point p) const { return {left + (p.x - min_x) * scale, top + (max_y - p.y) * scale}; }
};

std::string xy(Point p) { return svg_number(p.x) + "," + svg_number(p.y); }

// 1, 2 or 5 times a power of ten, at most `limit`.
double nice_below(double limit) {
  double step = std::pow(10.0, std::floor(std::log10(limit)));
  for (double f : {5.0, 2.0}) {
    if (step * f <= limit) return step * f;
  }
  return step;
}

// Label width in page units, for a label of `chars` characters at most.
double label_width(size_t chars) { return static_cast<double>(chars) * kCharWidth; }

// A scale bar's length: "500 m", "2 km", "0.2 m".
std::string distance_text(double metres) {
  char text[32];
  std::snprintf(text, sizeof text, metres >= 1000 ? "%g km" : "%g m",
                metres >= 1000 ? metres / 1000 : metres);
  return text;
}

size_t label_chars(const std::string& label) {
  size_t n = 0;
  for (unsigned char c : label) n += (c & 0xC0) != 0x80;  // UTF-8 lead bytes
  return n;
}

struct Label {
  double wanted = 0;  // page y of its point
  Point point;
  std::string text;  // escaped
};

void add_label_column(const std::vector<Label>& labels, double column_x, bool right, double lo,
                      double hi, std::string* svg) {
  std::vector<double> wanted;
  for (const Label& l : labels) wanted.push_back(l.wanted);
  const std::vector<double> at = spread_labels(wanted, kLabelGap, lo, hi);
  for (size_t i = 0; i < labels.size(); ++i) {
    const Point end = {column_x + (right ? -3 : 3), at[i]};
    *svg += "<polyline class=\"lead\" points=\"" + xy(labels[i].point) + " " + xy(end) + "\"/>";
    *svg += "<text class=\"lbl\" x=\"" + svg_number(column_x) + "\" y=\"" + svg_number(at[i] + 4) +
            "\"" + (right ? "" : " text-anchor=\"end\"") + ">" + labels[i].text + "</text>";
  }
}

}  // namespace

bool map_svg(const ScenarioView& view, const LinePlan& plan, std::string* svg, std::string* why) {
  const int64_t length = view.route_length;
  if (plan.last_metre != length + kMetresBeyondRoute) {
    *why = "the line plan is of a route of " +
           std::to_string(plan.last_metre - kMetresBeyondRoute) + " m and the item file gives " +
           std::to_string(length) + " m: the plan is not of this compile";
    return false;
  }
  // The route's metres: every one must have both coordinates.
  std::vector<Point> route(static_cast<size_t>(length + 1));
  for (int64_t m = 0; m <= length; ++m) {
    const PlanValue a = plan.at(m, 0), b = plan.at(m, 1);
    if (a.tag == PlanTag::kEmpty || b.tag == PlanTag::kEmpty || !std::isfinite(a.value) ||
        !std::isfinite(b.value)) {
      *why = "the line plan has no usable coordinates for metre " + std::to_string(m);
      return false;
    }
    route[static_cast<size_t>(m)] = {a.value, b.value};
  }
  auto point_at = [&](int64_t m) {
    return route[static_cast<size_t>(std::clamp<int64_t>(m, 0, length))];
  };

  double min_x = route[0].x, max_x = min_x, min_y = route[0].y, max_y = min_y;
  for (const Point& p : route) {
    min_x = std::min(min_x, p.x), max_x = std::max(max_x, p.x);
    min_y = std::min(min_y, p.y), max_y = std::max(max_y, p.y);
  }
  const double width = max_x - min_x, height = max_y - min_y;
  double scale = 1;
  if (width > 0 || height > 0) {
    scale = std::min(width > 0 ? kMaxDrawingWidth / width : HUGE_VAL,
                     height > 0 ? kMaxDrawingHeight / height : HUGE_VAL);
  }
  // Finite coordinates can still span more than a double holds.
  if (!std::isfinite(width) || !std::isfinite(height) || !(scale > 0) || !std::isfinite(scale)) {
    *why = "the line plan's coordinates span too far to draw";
    return false;
  }
  const double drawing_w = width * scale, drawing_h = height * scale;

  // Stations to the right, captions to the left, each in a column of labels.
  std::vector<Label> stations, captions;
  size_t station_chars = 0, caption_chars = 0;
  for (const StationView& s : view.stations) {
    std::string text = html_label(s.name, kStationLabelChars);
    station_chars = std::max(station_chars, label_chars(text) + 8);
    stations.push_back({static_cast<double>(s.position),
                        {},
                        "<tspan class=\"km\">" + km_text(s.position) + "</tspan> " + text});
  }
  for (const CaptionView& c : view.captions) {
    std::string text = html_label(c.text, kCaptionLabelChars);
    caption_chars = std::max(caption_chars, label_chars(text));
    captions.push_back({static_cast<double>(c.position), {}, text});
  }
  const double content_h =
      std::max({drawing_h, (static_cast<double>(stations.size()) - 1) * kLabelGap,
                (static_cast<double>(captions.size()) - 1) * kLabelGap, 120.0});
  const double left = std::max(60.0, label_width(caption_chars) + 40);
  double right = std::max(90.0, label_width(station_chars) + 40);
  if (left + drawing_w + right < 380) right = 380 - left - drawing_w;
  const double total_w = left + drawing_w + right, total_h = kTop + content_h + kBottom;

  Frame frame;
  frame.min_x = min_x;
  frame.max_y = max_y;
  frame.scale = scale;
  frame.left = left;
  frame.top = kTop + (content_h - drawing_h) / 2;

  std::string& out = *svg;
  out = "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"map\" viewBox=\"0 0 " +
        svg_number(total_w) + " " + svg_number(total_h) + "\" width=\"" + svg_number(total_w) +
        "\" height=\"" + svg_number(total_h) + "\" role=\"img\" aria-label=\"map of the line\">";

  // The polylines keep one point in `step` metres and the ends: at most
  // some 4000 points whatever the length.
  const int64_t step = std::max<int64_t>(1, length / 4000);
  auto polyline = [&](int64_t from, int64_t to) {
    std::string points;
    for (int64_t m = from; m <= to; m = (m == to ? to + 1 : std::min(to, m + step))) {
      if (!points.empty()) points += ' ';
      points += xy(frame.at(point_at(m)));
    }
    return points;
  };

  for (const SpanView& s : view.mountains) {
    const int64_t from = s.start, to = std::min<int64_t>(s.end, length);
    if (from >= to) continue;
    const std::string type = s.type >= 1 && s.type <= 3 ? std::to_string(s.type) : "0";
    out += "<polyline class=\"span span" + type + "\" points=\"" + polyline(from, to) +
           "\"><title>mountain span, type " + std::to_string(s.type) + ", km " + km_text(from) +
           " to " + km_text(to) + "</title></polyline>";
  }
  out += "<polyline class=\"track\" points=\"" + polyline(0, length) + "\"/>";

  for (int32_t p : view.signals) {
    const Point c = frame.at(point_at(p));
    out += "<path class=\"sig\" d=\"M" + xy({c.x, c.y - 4.5}) + " L" + xy({c.x + 4, c.y + 3}) +
           " L" + xy({c.x - 4, c.y + 3}) + " Z\"><title>signal, km " + km_text(p) +
           "</title></path>";
  }
  for (size_t i = 0; i < captions.size(); ++i) {
    const Point c = frame.at(point_at(view.captions[i].position));
    captions[i].point = c;
    captions[i].wanted = c.y;
    out += "<path class=\"cap\" d=\"M" + xy({c.x, c.y - 4}) + " L" + xy({c.x + 4, c.y}) + " L" +
           xy({c.x, c.y + 4}) + " L" + xy({c.x - 4, c.y}) + " Z\"/>";
  }
  for (size_t i = 0; i < stations.size(); ++i) {
    const StationView& s = view.stations[i];
    const Point c = frame.at(point_at(s.position));
    stations[i].point = c;
    stations[i].wanted = c.y;
    out += "<circle class=\"" + std::string(s.kind < 25 ? "stn" : "stn pass") + "\" cx=\"" +
           svg_number(c.x) + "\" cy=\"" + svg_number(c.y) + "\" r=\"4\"><title>" +
           html_text(s.name) + ", km " + km_text(s.position) + "</title></circle>";
  }
  add_label_column(captions, left - 30, false, kTop, kTop + content_h, &out);
  add_label_column(stations, left + drawing_w + 30, true, kTop, kTop + content_h, &out);

  // The ends, named beside their points.
  for (const auto& [m, name] : {std::pair<int64_t, const char*>{0, "start"}, {length, "end"}}) {
    const Point c = frame.at(point_at(m));
    out += "<rect class=\"end\" x=\"" + svg_number(c.x - 5) + "\" y=\"" + svg_number(c.y - 5) +
           "\" width=\"10\" height=\"10\"/><text class=\"lbl halo end-name\" x=\"" +
           svg_number(c.x + 9) + "\" y=\"" + svg_number(c.y + (m == 0 ? 14 : -8)) + "\">" + name +
           " km " + km_text(m) + "</text>";
  }

  // North arrow, top right; scale bar, bottom left.
  const double nx = total_w - 24;
  out += "<path class=\"north\" d=\"M" + xy({nx, 8}) + " L" + xy({nx + 7, 30}) + " L" +
         xy({nx, 25}) + " L" + xy({nx - 7, 30}) + " Z\"/><text class=\"lbl\" x=\"" +
         svg_number(nx) + "\" y=\"38\" text-anchor=\"middle\" dy=\"4\">N</text>";
  if (scale > 0 && (width > 0 || height > 0)) {
    const double metres = nice_below(160 / scale);
    const double bar = metres * scale, y = total_h - 28, x = 16;
    out += "<path class=\"scale\" d=\"M" + xy({x, y - 5}) + " L" + xy({x, y}) + " L" +
           xy({x + bar, y}) + " L" + xy({x + bar, y - 5}) + "\"/><text class=\"lbl\" x=\"" +
           svg_number(x) + "\" y=\"" + svg_number(y + 16) + "\">" + distance_text(metres) +
           "</text>";
  }
  out += "</svg>";
  return true;
}

}  // namespace scengen
