#include "app/html_report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/compiled_files.h"
#include "app/html_text.h"
#include "app/report_map.h"
#include "app/report_profile.h"

namespace scengen {
namespace {

// Colours are the Okabe–Ito set, told apart with colour blindness; each
// also differs by shape or dash, so the page reads in grey on paper too.
constexpr const char* kStyle = R"(
body{font:14px/1.45 "DejaVu Sans",Arial,sans-serif;color:#111;margin:24px auto;max-width:1060px;padding:0 16px}
h1{font-size:22px;margin:0 0 4px}
h2{font-size:17px;border-bottom:1px solid #999;margin:28px 0 10px}
p.sub{margin:0;color:#444}
p.note{padding:8px 12px;border-left:4px solid #999;background:#f3f3f3}
table{border-collapse:collapse}
th,td{padding:2px 10px 2px 0;text-align:left;border-bottom:1px solid #ddd;vertical-align:top}
th{border-bottom:1px solid #666}
td.n,th.n{text-align:right;font-variant-numeric:tabular-nums}
tr.chainage td{font-style:italic;background:#f1f1f1}
table.facts th{font-weight:bold;border-bottom:1px solid #ddd;padding-right:18px}
ul.legend{list-style:none;padding:0;margin:6px 0 0;display:flex;flex-wrap:wrap;gap:4px 18px}
ul.legend svg{vertical-align:middle;margin-right:4px}
svg{max-width:100%;height:auto}
svg text{font:11px "DejaVu Sans",Arial,sans-serif;fill:#111}
.track{fill:none;stroke:#000;stroke-width:2;stroke-linejoin:round}
.span{fill:none;stroke:#E69F00;stroke-width:8}
.span2{stroke-dasharray:10 4}
.span3{stroke-dasharray:3 3}
.span0{stroke:#999;stroke-dasharray:1 2}
.sig{fill:#D55E00;stroke:#000;stroke-width:.6}
.stn{fill:#0072B2;stroke:#fff;stroke-width:1}
.stn.pass{fill:#fff;stroke:#0072B2;stroke-width:2}
.cap{fill:#009E73;stroke:#000;stroke-width:.6}
.lead{fill:none;stroke:#888;stroke-width:.7}
.km{fill:#555}
.halo{paint-order:stroke;stroke:#fff;stroke-width:3px;font-weight:bold}
.end,.north{fill:#000}
.scale{fill:none;stroke:#000;stroke-width:2}
.grid{fill:none;stroke:#e2e2e2;stroke-width:1}
.axis{fill:none;stroke:#000}
.ground{fill:#ece6d8}
.altitude{fill:none;stroke:#000;stroke-width:1.5}
.speed{fill:none;stroke:#0072B2;stroke-width:2}
.band{stroke:#8a5a00;stroke-width:.5}
.band1{fill:#E69F00}
.band2{fill:url(#band-hatch)}
.band3{fill:url(#band-dots)}
.band0{fill:#bbb}
.hatch{stroke:#E69F00;stroke-width:2}
.dot{fill:#E69F00}
.stn-line{fill:none;stroke:#0072B2;stroke-width:.6;stroke-dasharray:2 3}
.tick{fill:#333}
.panel{font-weight:bold}
@media print{body{margin:0;max-width:none}h2{break-after:avoid}svg{break-inside:avoid}}
)";

std::string cell(const std::string& text, bool number = false) {
  return std::string(number ? "<td class=\"n\">" : "<td>") + text + "</td>";
}

std::string fact(const std::string& name, const std::string& text) {
  return "<tr><th>" + name + "</th><td>" + text + "</td></tr>";
}

std::string count_of(size_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string per_mille(int g) {
  return (g > 0   ? "+"
          : g < 0 ? "\xE2\x88\x92"
                  : "") +
         std::to_string(std::abs(g)) + " \xE2\x80\xB0";
}

std::string metres_text(double m) {
  char text[32];
  std::snprintf(text, sizeof text, "%+.0f m", m);
  std::string s = text;
  if (s == "-0 m") s = "+0 m";
  return s[0] == '-' ? "\xE2\x88\x92" + s.substr(1) : s;
}

// A small picture for a legend line.
std::string swatch(const std::string& body) {
  return "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 28 14\" width=\"28\" "
         "height=\"14\">" +
         body + "</svg>";
}

std::string summary(const ScenarioView& v, const LinePlan* plan) {
  std::string rows;
  std::string line = km_text(v.route_length) + " km";
  if (!v.stations.empty()) {
    line += ", " + html_text(v.stations.front().name) + " to " + html_text(v.stations.back().name);
  }
  rows += fact("Line", line);
  rows += fact("Train", html_text(v.train_code) + ": " +
                            count_of(static_cast<size_t>(std::max(v.cars, 0)), "car", "cars") +
                            ", braked mass " + std::to_string(v.braked_mass) + " %, clock " +
                            clock_text(v.clock));
  size_t stopping = 0;
  for (const StationView& s : v.stations) stopping += s.kind < 25;
  rows += fact("Stations", count_of(v.stations.size(), "station", "stations") + ", " +
                               std::to_string(stopping) + " with a stop mark");

  if (plan != nullptr) {
    const std::vector<CurveView> curves = curves_of(*plan, v.route_length);
    size_t left = 0;
    int64_t curved = 0;
    double tightest = 0;
    for (const CurveView& c : curves) {
      left += c.curvature < 0;
      curved += c.end - c.start;
      tightest = std::max(tightest, std::fabs(c.curvature));
    }
    std::string text = count_of(curves.size(), "curve", "curves");
    if (!curves.empty()) {
      char radius[32];
      std::snprintf(radius, sizeof radius, "%.0f", 1 / tightest);
      text += " (" + std::to_string(left) + " to the left, " +
              std::to_string(curves.size() - left) + " to the right), " + km_text(curved) +
              " km in curve, tightest radius " + radius + " m";
    }
    rows += fact("Curves", text);
  } else {
    rows += fact("Curves", "no track plan");
  }

  size_t high = 0, low = 0;
  for (size_t i = 0; i < v.altitude.size(); ++i) {
    if (v.altitude[i] > v.altitude[high]) high = i;
    if (v.altitude[i] < v.altitude[low]) low = i;
  }
  rows += fact("Gradients", "steepest climb " + per_mille(v.steepest_climb.per_mille) + " at km " +
                                km_text(v.steepest_climb.position) + ", steepest fall " +
                                per_mille(v.steepest_fall.per_mille) + " at km " +
                                km_text(v.steepest_fall.position));
  rows += fact("Altitude", "highest " + metres_text(v.altitude[high]) + " at km " +
                               km_text(altitude_metre(v, high)) + ", lowest " +
                               metres_text(v.altitude[low]) + " at km " +
                               km_text(altitude_metre(v, low)) + ", end " +
                               metres_text(v.altitude.back()) + ", relative to the start");
  int slowest = 0, fastest = 0;
  for (size_t i = 0; i < v.speeds.size(); ++i) {
    slowest = i == 0 ? v.speeds[i].km_h : std::min(slowest, v.speeds[i].km_h);
    fastest = std::max(fastest, v.speeds[i].km_h);
  }
  rows += fact("Line speed", slowest == fastest ? std::to_string(fastest) + " km/h"
                                                : std::to_string(slowest) + " to " +
                                                      std::to_string(fastest) + " km/h");
  rows += fact("Signals", std::to_string(v.signals.size()));
  rows += fact("Captions", std::to_string(v.captions.size()));
  rows += fact("Mountain spans", std::to_string(v.mountains.size()));
  rows += fact("Chainage changes", std::to_string(v.chainage_changes.size()));
  std::string kinds;
  for (size_t k = 0; k < v.kind_counts.size(); ++k) {
    if (v.kind_counts[k] == 0) continue;
    if (!kinds.empty()) kinds += ", ";
    kinds += std::string(cell_kind_name(static_cast<uint8_t>(k))) + " " +
             std::to_string(v.kind_counts[k]);
  }
  rows += fact("Cells", kinds);
  return "<table class=\"facts\">" + rows + "</table>";
}

std::string map_section(const ScenarioView& v, const LinePlan* plan, const ReportSources& sources) {
  std::string out = "<section id=\"map\"><h2>Map</h2>";
  std::string svg, why = sources.no_plan;
  if (plan == nullptr || !map_svg(v, *plan, &svg, &why)) {
    return out + "<p class=\"note\">No map: " + html_text(why) + ".</p></section>";
  }
  out += svg;
  out += "<ul class=\"legend\">";
  out +=
      "<li>" + swatch("<polyline class=\"track\" points=\"2,7 26,7\"/>") + "track, north up</li>";
  out += "<li>" + swatch("<circle class=\"stn\" cx=\"14\" cy=\"7\" r=\"4\"/>") +
         "station with a stop mark</li>";
  out += "<li>" + swatch("<circle class=\"stn pass\" cx=\"14\" cy=\"7\" r=\"4\"/>") +
         "station without one (kind 25 and above)</li>";
  out += "<li>" + swatch("<path class=\"sig\" d=\"M14,2.5 L18,10 L10,10 Z\"/>") + "signal</li>";
  out += "<li>" + swatch("<path class=\"cap\" d=\"M14,3 L18,7 L14,11 L10,7 Z\"/>") +
         "caption (tunnel, viaduct, border)</li>";
  for (int type = 1; type <= 3; ++type) {
    out += "<li>" +
           swatch("<polyline class=\"span span" + std::to_string(type) +
                  "\" points=\"1,7 27,7\"/><polyline class=\"track\" points=\"1,7 27,7\"/>") +
           "mountain span, type " + std::to_string(type) + "</li>";
  }
  out += "<li>" + swatch("<rect class=\"end\" x=\"9\" y=\"2\" width=\"10\" height=\"10\"/>") +
         "start and end</li>";
  return out + "</ul></section>";
}

std::string profile_section(const ScenarioView& v) {
  std::string out = "<section id=\"profile\"><h2>Profile</h2>" + profile_svg(v);
  out += "<ul class=\"legend\">";
  out += "<li>" + swatch("<polyline class=\"altitude\" points=\"2,7 26,7\"/>") +
         "altitude, summed from the gradients</li>";
  out += "<li>" + swatch("<polyline class=\"speed\" points=\"2,7 26,7\"/>") + "line speed</li>";
  out += "<li>" + swatch("<polyline class=\"stn-line\" points=\"14,1 14,13\"/>") + "station</li>";
  for (int type = 1; type <= 3; ++type) {
    out += "<li>" +
           swatch("<rect class=\"band band" + std::to_string(type) +
                  "\" x=\"2\" y=\"2\" width=\"24\" height=\"10\"/>") +
           "mountain span, type " + std::to_string(type) + "</li>";
  }
  return out + "</ul></section>";
}

std::string timetable_section(const ScenarioView& v) {
  std::string out =
      "<section id=\"timetable\"><h2>Timetable</h2><table class=\"timetable\"><thead><tr>"
      "<th class=\"n\">#</th><th class=\"n\">km</th><th>station</th><th class=\"n\">kind</th>"
      "<th>stop span, km</th><th class=\"n\">stop</th><th class=\"n\">time</th></tr></thead>"
      "<tbody>";
  // Stations in their order, each chainage change before the first station
  // at or past it.
  size_t change = 0;
  auto changes_before = [&](int64_t position) {
    for (; change < v.chainage_changes.size() && v.chainage_changes[change].position <= position;
         ++change) {
      const ChainageView& c = v.chainage_changes[change];
      out += "<tr class=\"chainage\"><td></td>" + cell(km_text(c.position), true) +
             "<td colspan=\"5\">chainage change: from here the chainage is " + km_text(c.chainage) +
             " km, counting " + (c.counts_down ? "down" : "up") + "</td></tr>";
    }
  };
  for (size_t i = 0; i < v.stations.size(); ++i) {
    const StationView& s = v.stations[i];
    changes_before(s.position);
    out += "<tr>" + cell(std::to_string(i + 1), true) + cell(km_text(s.position), true) +
           cell(html_text(s.name)) +
           cell(std::to_string(s.kind) + (s.kind >= 25 ? ", no stop mark" : ""), true) +
           cell(km_text(s.span_start) + " to " + km_text(s.span_end)) +
           cell(s.stop_seconds ? std::to_string(s.stop_seconds) + " s" : "\xE2\x80\x94", true) +
           cell(s.time ? clock_text(s.time) : "\xE2\x80\x94", true) + "</tr>";
  }
  changes_before(INT64_MAX);
  return out + "</tbody></table></section>";
}

std::string captions_section(const ScenarioView& v) {
  std::string out = "<section id=\"captions\"><h2>Captions</h2>";
  if (v.captions.empty()) return out + "<p>None.</p></section>";
  out += "<table><thead><tr><th class=\"n\">km</th><th>caption</th></tr></thead><tbody>";
  for (const CaptionView& c : v.captions) {
    out += "<tr>" + cell(km_text(c.position), true) + cell(html_text(c.text)) + "</tr>";
  }
  return out + "</tbody></table></section>";
}

}  // namespace

std::string html_report(const ScenarioView& view, const LinePlan* plan,
                        const ReportSources& sources) {
  const std::string title =
      html_text(view.scenario_name) + " \xC2\xB7 " + html_text(view.train_code);
  std::string out =
      "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"en\"><head>"
      "<meta charset=\"utf-8\"/>"
      "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; style-src "
      "'unsafe-inline'\"/>"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"/>"
      "<title>" +
      title + "</title><style>" + kStyle + "</style></head><body>";
  out += "<h1>" + title +
         "</h1><p class=\"sub\">A compiled scenario, as the simulator will load it.</p>";
  out += "<section id=\"summary\"><h2>Summary</h2>" + summary(view, plan) + "</section>";
  out += map_section(view, plan, sources);
  out += profile_section(view);
  out += timetable_section(view);
  out += captions_section(view);
  out += "<footer><p class=\"sub\">Drawn by scengen report from";
  for (size_t i = 0; i < sources.files.size(); ++i) {
    out += (i == 0                          ? " "
            : i + 1 == sources.files.size() ? " and "
                                            : ", ") +
           html_text(sources.files[i]);
  }
  out += ".</p></footer></body></html>\n";
  return out;
}

}  // namespace scengen
