// The HTML page of a report: XHTML that any browser opens and an XML parser
// reads, with its style sheet and its drawings inline, printable on A4.
#include "report/reporthtml.h"

#include <algorithm>
#include <cmath>

#include "report/reportnumbers.h"
#include "report/svgplot.h"

namespace velkan {
namespace {

constexpr std::string_view kStyle = R"(
@page { size: A4; margin: 14mm; }
body { font-family: sans-serif; font-size: 10pt; color: #111; max-width: 182mm; margin: 8mm auto; }
h1 { font-size: 16pt; margin: 0 0 4pt 0; }
h2 { font-size: 12pt; margin: 14pt 0 4pt 0; border-bottom: 1px solid #999; }
table { border-collapse: collapse; margin: 4pt 0; page-break-inside: avoid; }
th, td { border: 1px solid #bbb; padding: 1.5pt 5pt; text-align: right; }
th:first-child, td:first-child { text-align: left; }
th { background: #eee; }
table.run td, table.run th { text-align: left; }
ul.flags { border: 2px solid #b00; padding: 4pt 4pt 4pt 18pt; background: #fff4f4; }
ul.flags li { margin: 1pt 0; }
p.noflags { border: 2px solid #070; padding: 4pt; background: #f3fff3; }
div.figure { page-break-inside: avoid; margin: 6pt 0; }
div.figure svg { width: 100%; height: auto; }
p.caption { font-size: 9pt; color: #333; margin: 2pt 0; }
p.note { font-size: 9pt; color: #333; }
svg text { font-family: sans-serif; }
.frame { fill: none; stroke: #444; stroke-width: 1; }
.grid { stroke: #ddd; stroke-width: 0.7; }
.tick { font-size: 10px; fill: #333; }
.axis { font-size: 11px; fill: #111; }
.note { font-size: 10px; fill: #333; }
.label { font-size: 10px; fill: #000; }
.listing { fill: none; stroke: #b8b8b8; stroke-width: 5; stroke-linecap: round; stroke-linejoin: round; }
.seabed { stroke: #8a6d3b; stroke-width: 1.2; stroke-dasharray: 6 3; }
.spring { fill: #e0a030; stroke: #5a3d0b; stroke-width: 1; }
.hinge { fill: #fff; stroke: #000; stroke-width: 1.5; }
.fixed { fill: #000; stroke: none; }
.curve { fill: none; stroke: #0b6fa4; stroke-width: 1.5; }
.r0 { fill: none; stroke: #0b6fa4; stroke-width: 1.8; }
.r1 { fill: none; stroke: #c0392b; stroke-width: 1.8; }
.r2 { fill: none; stroke: #2e8b57; stroke-width: 1.8; }
.r3 { fill: none; stroke: #8e44ad; stroke-width: 1.8; }
.r4 { fill: none; stroke: #d35400; stroke-width: 1.8; }
.r5 { fill: none; stroke: #16a085; stroke-width: 1.8; }
.r6 { fill: none; stroke: #7f6000; stroke-width: 1.8; }
.r7 { fill: none; stroke: #b03a7a; stroke-width: 1.8; }
.other { fill: none; stroke: #555; stroke-width: 1.2; stroke-dasharray: 3 2; }
)";

// Risers beyond this many are shown one row each instead of a table each.
constexpr std::size_t kRiserTables = 30;
constexpr int kCurveWidth = 720;  // drawing points across a curve against the length

std::string riser_class(std::size_t number) {
  std::string name = "r";  // (a literal put before a string is a false warning of MinGW's g++)
  name += std::to_string((number - 1) % 8);
  return name;
}

std::string cell(std::string_view text) {
  return "<td>" + xml_text(text) + "</td>";
}

std::string head_cell(std::string_view text) {
  return "<th>" + xml_text(text) + "</th>";
}

std::string row(std::initializer_list<std::string> cells) {
  std::string out = "<tr>";
  bool first = true;
  for (const std::string& c : cells) {
    out += first ? head_cell(c) : cell(c);
    first = false;
  }
  return out + "</tr>\n";
}

std::string xyz(const Point3& p) {
  return decimal(p.x, 3) + ", " + decimal(p.y, 3) + ", " + decimal(p.z, 3);
}

// The comparison table of one riser or the whole model.
std::string comparison(const ListingSums& l, const MassFigures* m, const Difference* d,
                       const ModelRiser* r) {
  std::string t = "<table>\n<tr>" + head_cell("") + head_cell("Listing") + head_cell("Model") +
                  head_cell("Difference") + head_cell("%") + "</tr>\n";
  const auto model = [&](auto get) { return m ? get(*m) : std::string("-"); };
  const auto diff = [&](auto get) { return d ? get(*d) : std::string(""); };
  t += row({"Nodes", whole(l.nodes), model([](const MassFigures& f) { return whole(f.nodes); }), "",
            ""});
  t += row({"Elements / beams", whole(l.elements),
            model([](const MassFigures& f) { return whole(f.beams); }), "", ""});
  t += row({"Hinge elements", whole(l.hinges), r ? whole(r->hinges) : "", "", ""});
  t += row({"Length along the nodes (m)", decimal(l.length_nodes, 3),
            model([](const MassFigures& f) { return decimal(f.length, 3); }),
            diff([](const Difference& x) { return signed_decimal(x.length, 3); }),
            diff([](const Difference& x) { return signed_decimal(x.length_percent, 3); })});
  t += row({"Length, sum of W7 (m)", decimal(l.length_w7, 3), "", "", ""});
  if (l.has_mass_per_length) {
    t += row({"Mass per length, smallest (kg/m)",
              decimal(l.mass_per_length_min, 3) + " (element " + whole(l.min_element) + ")", "", "",
              ""});
    t += row({"Mass per length, largest (kg/m)",
              decimal(l.mass_per_length_max, 3) + " (element " + whole(l.max_element) + ")", "", "",
              ""});
  }
  t += row({"Mass (kg)", decimal(l.mass, 1),
            model([](const MassFigures& f) { return decimal(f.mass, 1); }),
            diff([](const Difference& x) { return signed_decimal(x.mass, 1); }),
            diff([](const Difference& x) { return signed_decimal(x.mass_percent, 3); })});
  t += row({"Centre of mass X, Y, Z (m)", xyz(l.centre()), model([](const MassFigures& f) {
              return xyz({f.x, f.y, f.z});
            }),
            diff([](const Difference& x) { return decimal(x.centre_shift, 3); }),
            diff([](const Difference& x) { return decimal(x.centre_shift_percent, 3); })});
  if (r) {
    t += row({"Fixed ends", "", whole(r->fixed_ends) + " of " + whole(r->ends_in_model), "", ""});
    if (r->segments > 0 || r->elements_on_no_segment > 0) {
      t += row({"Segments of the coarser mesh (grouping)", "",
                whole(r->segments) + " (" + whole(r->grouping_segments) + ")", "", ""});
      t += row({"Elements on no segment, removed", "", whole(r->elements_on_no_segment), "", ""});
    }
  }
  return t + "</table>\n";
}

class Page {
 public:
  explicit Page(const ReportInput& in) : in_(in) {}

  std::string html() {
    out_ += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE html>\n";
    out_ += "<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"en\" xml:lang=\"en\">\n<head>\n";
    out_ += "<meta charset=\"UTF-8\"/>\n<title>Conversion report: " + xml_text(in_.model_name) +
            "</title>\n<style>" + std::string(kStyle) + "</style>\n</head>\n<body>\n";
    out_ += "<h1>Conversion report</h1>\n";
    run();
    flags();
    if (in_.figures) {
      vomar();
    } else if (in_.shear7) {
      shear7();
    }
    method();
    out_ += "</body>\n</html>\n";
    return std::move(out_);
  }

 private:
  void run() {
    const ConversionNotes& n = *in_.notes;
    out_ += "<table class=\"run\">\n";
    out_ += row({"Listing", in_.listing_name});
    out_ += row({in_.figures ? "Vomar model file" : "Shear7 model file", in_.model_name});
    out_ += row({"Converted", in_.stamp});
    if (in_.figures) {
      out_ += row({"Coarser mesh",
                   n.coarsened ? whole(std::int64_t(n.segments.size() / 3)) + " segments" : "no"});
      if (n.hinge_axial) {
        out_ += row({"Hinge stiffness, axial and bending",
                     scientific(*n.hinge_axial, 4) + " and " + scientific(*n.hinge_bending, 4)});
      }
      out_ += row(
          {"Sea bed", n.seabed_level ? "at and below Z = " + decimal(*n.seabed_level, 3) : "no"});
    } else {
      out_ += row({"Tension factor", scientific(n.shear7_scale, 4)});
    }
    out_ += "</table>\n";
  }

  void flags() {
    out_ += "<h2>Flags</h2>\n";
    if (in_.flags->empty()) {
      out_ +=
          "<p class=\"noflags\">No flags: nothing was found that needs a look before "
          "signing.</p>\n";
      return;
    }
    out_ += "<ul class=\"flags\">\n";
    for (const Flag& f : *in_.flags) out_ += "<li>" + xml_text(f.text) + "</li>\n";
    out_ += "</ul>\n";
  }

  void vomar() {
    const ReportFigures& f = *in_.figures;
    const ListingFigures& l = *in_.listing;
    out_ += "<h2>The whole model</h2>\n";
    out_ += comparison(l.whole, &f.model, &f.whole, nullptr);
    out_ += "<p class=\"note\">" + whole(std::int64_t(l.risers.size())) + " risers; " +
            whole(l.elements_on_no_riser) + " elements of the listing on no riser; " +
            whole(f.beams_on_no_riser) + " beams of the model on no riser.</p>\n";
    pictures();
    if (f.risers.size() <= kRiserTables) {
      for (const RiserReport& r : f.risers) {
        out_ += "<h2>" + xml_text(riser_name(r.number, *r.listing)) + "</h2>\n";
        out_ += comparison(r.listing->sums, &r.model.mass, &r.difference, &r.model);
      }
    } else {
      riser_rows();
    }
    properties();
  }

  // Many risers: one row each, the JSON page holds every figure.
  void riser_rows() {
    out_ += "<h2>Risers</h2>\n<table>\n<tr>";
    for (const char* h : {"Riser", "Ends", "Elements", "Beams", "Length (m)", "Model (m)", "%",
                          "Mass (kg)", "Model (kg)", "%", "Centre moved (%)", "Fixed ends"}) {
      out_ += head_cell(h);
    }
    out_ += "</tr>\n";
    for (const RiserReport& r : in_.figures->risers) {
      const ListingSums& l = r.listing->sums;
      const MassFigures& m = r.model.mass;
      out_ +=
          row({whole(std::int64_t(r.number)),
               whole(r.listing->first_node) + " to " + whole(r.listing->last_node),
               whole(l.elements), whole(m.beams), decimal(l.length_nodes, 3), decimal(m.length, 3),
               signed_decimal(r.difference.length_percent, 3), decimal(l.mass, 1),
               decimal(m.mass, 1), signed_decimal(r.difference.mass_percent, 3),
               decimal(r.difference.centre_shift_percent, 3), whole(r.model.fixed_ends)});
    }
    out_ += "</table>\n";
  }

  void properties() {
    const ReportFigures& f = *in_.figures;
    const ConversionNotes& n = *in_.notes;
    out_ += "<h2>Properties, hinges, supports, sea bed</h2>\n<table>\n";
    out_ += "<tr>" + head_cell("") + head_cell("Before merging") + head_cell("After") +
            head_cell("Largest relative change of a value") + "</tr>\n";
    const auto merge = [&](const char* what, const std::optional<MergeNote>& m) {
      if (!m) return;
      out_ += row({what, whole(m->before), whole(m->after), scientific(m->largest_change, 3)});
    };
    merge("Cross-sections", n.sections);
    merge("Materials", n.materials);
    out_ += "</table>\n<table>\n";
    out_ += row({"Merge tolerance (relative)", scientific(n.merge_tolerance, 3)});
    out_ += row({"Cross-sections in the file", whole(f.sections)});
    out_ += row({"Surface geometries in the file", whole(f.surfaces)});
    out_ += row({"Materials in the file (with the sea bed's)", whole(f.materials)});
    out_ += row({"Hinge beams", whole(f.hinge_beams)});
    if (f.hinge_axial) {
      out_ += row({"Hinge stiffness in the file, axial and bending",
                   scientific(*f.hinge_axial, 4) + " and " + scientific(*f.hinge_bending, 4)});
    }
    out_ += row({"Fixed nodes", whole(f.fixed_nodes)});
    out_ += row({"Sea-bed level", n.seabed_level ? decimal(*n.seabed_level, 3) : "-"});
    out_ += row({"Sea-bed spring nodes", whole(f.seabed.springs)});
    std::string offsets;
    for (const std::int64_t o : f.seabed.offsets)
      offsets += (offsets.empty() ? "" : ", ") + whole(o) + " + node";
    if (!offsets.empty()) out_ += row({"Sea-bed spring numbers", offsets});
    out_ += row({"Model file lines read", whole(in_.file->lines)});
    out_ += row({"Model file faults", whole(in_.file->fault_count)});
    out_ += "</table>\n";
  }

  // The elevation on the vertical plane of the largest horizontal extent,
  // and the plan.
  void pictures() {
    const ListingFigures& l = *in_.listing;
    const ReportFigures& f = *in_.figures;
    const bool along_x = f.high.x - f.low.x >= f.high.y - f.low.y;
    const auto across = [&](const Point3& p) { return along_x ? p.x : p.y; };
    const auto elevation = [&](const Point3& p) { return Point2{across(p), p.z}; };
    const auto plan = [](const Point3& p) { return Point2{p.x, p.y}; };
    double zlow = f.low.z, zhigh = f.high.z;
    if (in_.notes->seabed_level) zlow = std::min(zlow, *in_.notes->seabed_level);
    SvgPlot side(720, 460, {along_x ? f.low.x : f.low.y, along_x ? f.high.x : f.high.y},
                 {zlow, zhigh}, true, along_x ? "X (m)" : "Y (m)", "Z (m)");
    draw(side, l, f, elevation, true);
    out_ += "<div class=\"figure\">\n" + side.svg();
    out_ +=
        "<p class=\"caption\">Elevation on the " + std::string(along_x ? "X-Z" : "Y-Z") +
        " plane: the listing's mesh in grey, the model's beams in a colour per riser, hinges as "
        "rings, fixed nodes as squares, riser ends labelled with their nodes" +
        std::string(in_.notes->seabed_level ? ", the sea-bed level dashed, its spring nodes as dots"
                                            : "") +
        ".</p>\n</div>\n";
    SvgPlot top(720, 360, {f.low.x, f.high.x}, {f.low.y, f.high.y}, true, "X (m)", "Y (m)");
    draw(top, l, f, plan, false);
    out_ += "<div class=\"figure\">\n" + top.svg() + "<p class=\"caption\">Plan.</p>\n</div>\n";
  }

  template <typename Project>
  void draw(SvgPlot& p, const ListingFigures& l, const ReportFigures& f, Project project,
            bool elevation) {
    const auto line = [&](const std::vector<Point3>& pts, std::string_view css) {
      std::vector<Point2> flat;
      flat.reserve(pts.size());
      for (const Point3& q : pts) flat.push_back(project(q));
      p.line(flat, css);
    };
    for (const ListingRiser& r : l.risers) line(r.drawn, "listing");
    for (const auto& o : l.other_lines) line(o, "listing");
    if (elevation && in_.notes->seabed_level) {
      p.level(*in_.notes->seabed_level, "seabed",
              "sea bed " + decimal(*in_.notes->seabed_level, 3));
    }
    for (const auto& b : f.beams_on_no_riser_drawn) line(b, "other");
    for (const RiserReport& r : f.risers) {
      for (const auto& d : r.model.drawn) line(d, riser_class(r.number));
    }
    for (const Point3& s : f.seabed.nodes) p.mark(project(s), "dot", "spring");
    for (const RiserReport& r : f.risers) {
      for (const Point3& h : r.model.hinge_marks) p.mark(project(h), "ring", "hinge");
    }
    for (const Point3& x : f.fixed_marks) p.mark(project(x), "square", "fixed");
    for (const ListingRiser& r : l.risers) {
      if (r.drawn.empty()) continue;
      p.text(project(r.drawn.front()), whole(r.first_node), "label");
      p.text(project(r.drawn.back()), whole(r.last_node), "label");
    }
  }

  void shear7() {
    const Shear7Figures& s = *in_.shear7;
    const ListingFigures& l = *in_.listing;
    out_ += "<h2>The Shear7 profile</h2>\n<table>\n";
    out_ += "<tr>" + head_cell("") + head_cell("Listing") + head_cell("File") + head_cell("%") +
            "</tr>\n";
    out_ += row({"Points", whole(l.whole.elements + 1), whole(std::int64_t(s.points.size())), ""});
    out_ += row({"Total length, sum of W7 (m)", decimal(l.profile.length, 3), "", ""});
    const auto at = [&](std::size_t i) {
      return s.points.empty() ? std::string("-")
                              : " at " + decimal(s.points[i].s, 4) + " (" +
                                    decimal(s.points[i].s * s.length, 3) + " m)";
    };
    out_ += row({"Scaled tension, smallest (N)", "",
                 scientific(s.tension_min, 4) + at(s.tension_min_at), ""});
    out_ += row({"Scaled tension, largest (N)", "",
                 scientific(s.tension_max, 4) + at(s.tension_max_at), ""});
    out_ += row({"Mass per length, smallest (kg/m)", decimal(l.profile.mass_per_length_min, 3),
                 decimal(s.mass_min, 3) + at(s.mass_min_at), ""});
    out_ += row({"Mass per length, largest (kg/m)", decimal(l.profile.mass_per_length_max, 3),
                 decimal(s.mass_max, 3) + at(s.mass_max_at), ""});
    const double p = l.profile.mass == 0 ? 0 : 100 * (s.mass - l.profile.mass) / l.profile.mass;
    out_ += row({"Mass, integral over the length (kg)", decimal(l.profile.mass, 1),
                 decimal(s.mass, 1), signed_decimal(p, 3)});
    out_ += "</table>\n";
    curve("Scaled tension (N)", [](const Shear7Point& q) { return q.tension; });
    curve("Mass per length (kg/m)", [](const Shear7Point& q) { return q.mass_per_length; });
  }

  template <typename Get>
  void curve(std::string_view label, Get get) {
    const Shear7Figures& s = *in_.shear7;
    if (s.points.empty()) return;
    double low = get(s.points.front()), high = low;
    for (const Shear7Point& q : s.points)
      low = std::min(low, get(q)), high = std::max(high, get(q));
    const double range = high > low ? high - low : 1.0;
    std::vector<Point3> line;
    line.reserve(s.points.size());
    for (const Shear7Point& q : s.points) line.push_back({q.s, (get(q) - low) / range, 0});
    // Four points per third of a drawing point at most, then thinned.
    const std::vector<std::size_t> shown = column_extremes(line, 3 * kCurveWidth);
    std::vector<Point3> kept;
    kept.reserve(shown.size());
    for (const std::size_t i : shown) kept.push_back(line[i]);
    std::vector<Point2> drawn;
    for (const std::size_t i : drawn_points(kept, {}, 1e-4, kDrawnPerRiser)) {
      drawn.push_back({s.points[shown[i]].s, get(s.points[shown[i]])});
    }
    SvgPlot plot(kCurveWidth, 260, {0, 1}, {low, high}, false, "Length coordinate (0 to 1)", label);
    plot.line(drawn, "curve");
    out_ += "<div class=\"figure\">\n" + plot.svg() + "<p class=\"caption\">" + xml_text(label) +
            " along the length coordinate, as the Shear7 file holds it.</p>\n</div>\n";
  }

  void method() {
    out_ +=
        "<h2>How the figures are taken</h2>\n<p class=\"note\">The listing's figures come from the "
        "listing as it was read, before the conversion changed anything: mass per length is the "
        "structure's W5 plus the contents' pi/4 W8<sup>2</sup> W27, the mass of an element that "
        "times its length W7, and the centre of mass is that of the element midpoints weighted by "
        "their mass; hinge elements count without mass. The model's figures are read back from the "
        "model file after it was put in place: the mass of a beam is the density of its material "
        "times the area of its cross-section times the distance between its nodes. A riser is a "
        "chain of two-node elements of the listing; its beams in the model are those whose two "
        "nodes lie on that chain. The Shear7 export's mass per length is W5 plus pi/4 "
        "W9<sup>2</sup> "
        "1025 W19, as the export writes it. The drawings keep at most " +
        whole(std::int64_t(kDrawnPerRiser)) +
        " points per line (its ends, hinges and bends); the figures use every element.</p>\n";
  }

  const ReportInput& in_;
  std::string out_;
};

}  // namespace

std::string report_html(const ReportInput& in) {
  return Page(in).html();
}

}  // namespace velkan
