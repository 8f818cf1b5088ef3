// The JSON page of a report, written field by field with two blanks of
// indentation per level; numbers with every digit they need.
#include "report/reportjson.h"

#include <vector>

#include "report/reportnumbers.h"

namespace velkan {
namespace {

constexpr int kFormatVersion = 1;

std::string quoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      static constexpr char kHex[] = "0123456789abcdef";
      out += "\\u00";
      out += kHex[u >> 4];
      out += kHex[u & 15];
    } else {
      out += c;
    }
  }
  return out + "\"";
}

class Json {
 public:
  Json& open(std::string_view key, char bracket = '{') {
    item(key);
    out_ += bracket;
    first_.push_back(true);
    return *this;
  }
  Json& close(char bracket = '}') {
    const bool empty = first_.back();
    first_.pop_back();
    if (!empty) newline();
    out_ += bracket;
    return *this;
  }
  Json& raw(std::string_view key, std::string_view value) {
    item(key);
    out_ += value;
    return *this;
  }
  Json& number(std::string_view key, double v) { return raw(key, exact(v)); }
  Json& count(std::string_view key, std::int64_t v) { return raw(key, whole(v)); }
  Json& text(std::string_view key, std::string_view v) { return raw(key, quoted(v)); }
  Json& boolean(std::string_view key, bool v) { return raw(key, v ? "true" : "false"); }
  Json& optional(std::string_view key, const std::optional<double>& v) {
    return v ? number(key, *v) : raw(key, "null");
  }
  Json& point(std::string_view key, const Point3& p) {
    open(key, '[');
    number("", p.x).number("", p.y).number("", p.z);
    return close(']');
  }
  std::string str() { return std::move(out_) + "\n"; }

 private:
  void newline() {
    out_ += '\n';
    out_.append(2 * first_.size(), ' ');
  }
  void item(std::string_view key) {
    if (!first_.empty()) {
      if (!first_.back()) out_ += ',';
      first_.back() = false;
      newline();
    }
    if (!key.empty()) out_ += quoted(key) + ": ";
  }

  std::string out_;
  std::vector<bool> first_;
};

void listing_sums(Json& j, const ListingSums& s) {
  j.open("listing");
  j.count("nodes", s.nodes).count("elements", s.elements).count("hinge_elements", s.hinges);
  j.number("length_w7", s.length_w7).number("length_nodes", s.length_nodes);
  if (s.has_mass_per_length) {
    j.number("mass_per_length_min", s.mass_per_length_min)
        .count("mass_per_length_min_element", s.min_element);
    j.number("mass_per_length_max", s.mass_per_length_max)
        .count("mass_per_length_max_element", s.max_element);
  } else {
    j.raw("mass_per_length_min", "null").raw("mass_per_length_min_element", "null");
    j.raw("mass_per_length_max", "null").raw("mass_per_length_max_element", "null");
  }
  j.number("mass", s.mass).point("centre_of_mass", s.centre());
  j.count("zero_diameter_elements", s.zero_diameter).count("zero_mass_elements", s.zero_mass);
  j.count("zero_length_elements", s.zero_length);
  j.close();
}

void model_mass(Json& j, const MassFigures& m, const ModelRiser* r) {
  j.open("model");
  j.count("nodes", m.nodes)
      .count("beams", m.beams)
      .number("length", m.length)
      .number("mass", m.mass);
  j.point("centre_of_mass", {m.x, m.y, m.z});
  j.count("beams_without_density", m.without_density).count("beams_left_out", m.left_out);
  if (r) {
    j.count("hinge_beams", r->hinges).count("fixed_ends", r->fixed_ends);
    j.count("ends_in_model", r->ends_in_model);
  }
  j.close();
}

void difference(Json& j, const Difference& d) {
  j.open("difference");
  j.number("length", d.length).number("length_percent", d.length_percent);
  j.number("mass", d.mass).number("mass_percent", d.mass_percent);
  j.number("centre_of_mass_shift", d.centre_shift);
  j.number("centre_of_mass_shift_percent", d.centre_shift_percent);
  j.close();
}

void merge(Json& j, std::string_view key, const std::optional<MergeNote>& m) {
  if (!m) {
    j.raw(key, "null");
    return;
  }
  j.open(key).count("before", m->before).count("after", m->after);
  j.number("largest_change", m->largest_change).close();
}

void vomar(Json& j, const ReportInput& in) {
  const ReportFigures& f = *in.figures;
  const ConversionNotes& n = *in.notes;
  j.open("whole");
  listing_sums(j, in.listing->whole);
  model_mass(j, f.model, nullptr);
  difference(j, f.whole);
  j.count("elements_on_no_riser", in.listing->elements_on_no_riser);
  j.count("beams_on_no_riser", f.beams_on_no_riser);
  j.close();
  j.open("risers", '[');
  for (const RiserReport& r : f.risers) {
    j.open("");
    j.count("number", std::int64_t(r.number));
    j.count("first_node", r.listing->first_node).count("last_node", r.listing->last_node);
    listing_sums(j, r.listing->sums);
    model_mass(j, r.model.mass, &r.model);
    difference(j, r.difference);
    j.open("coarsening").count("segments", r.model.segments);
    j.count("grouping_segments", r.model.grouping_segments);
    j.count("elements_on_no_segment", r.model.elements_on_no_segment).close();
    j.close();
  }
  j.close(']');
  j.open("properties").number("merge_tolerance", n.merge_tolerance);
  merge(j, "cross_sections", n.sections);
  merge(j, "materials", n.materials);
  j.count("cross_sections_in_file", f.sections).count("surface_geometries_in_file", f.surfaces);
  j.count("materials_in_file", f.materials).close();
  j.open("hinges").count("hinge_beams", f.hinge_beams);
  j.optional("axial_stiffness", n.hinge_axial).optional("bending_stiffness", n.hinge_bending);
  j.optional("axial_stiffness_in_file", f.hinge_axial);
  j.optional("bending_stiffness_in_file", f.hinge_bending).close();
  j.open("supports").count("fixed_nodes", f.fixed_nodes).close();
  j.open("seabed").optional("level", n.seabed_level).count("spring_nodes", f.seabed.springs);
  j.open("spring_offsets", '[');
  for (const std::int64_t o : f.seabed.offsets) j.count("", o);
  j.close(']').close();
  j.open("model_file").count("lines", in.file->lines).count("nodes", f.model_nodes);
  j.boolean("trailer", in.file->trailer).count("fault_count", in.file->fault_count);
  j.open("faults", '[');
  for (const std::string& fault : in.file->faults) j.text("", fault);
  j.close(']').close();
}

void shear7(Json& j, const ReportInput& in) {
  const Shear7Figures& s = *in.shear7;
  const ListingProfile& l = in.listing->profile;
  j.open("whole");
  listing_sums(j, in.listing->whole);
  j.count("elements_on_no_riser", in.listing->elements_on_no_riser);
  j.close();
  j.open("shear7").boolean("readable", s.readable).text("fault", s.fault);
  j.count("points", std::int64_t(s.points.size())).number("length", s.length);
  j.number("scale", in.notes->shear7_scale);
  const auto place = [&](std::string_view key, double value, std::size_t at) {
    j.open(key).number("value", value);
    if (s.points.empty()) {
      j.raw("point", "null").raw("s", "null");
    } else {
      j.count("point", std::int64_t(at) + 1).number("s", s.points[at].s);
    }
    j.close();
  };
  place("tension_min", s.tension_min, s.tension_min_at);
  place("tension_max", s.tension_max, s.tension_max_at);
  place("mass_per_length_min", s.mass_min, s.mass_min_at);
  place("mass_per_length_max", s.mass_max, s.mass_max_at);
  j.number("mass", s.mass);
  j.open("listing").number("length", l.length).number("mass", l.mass);
  j.number("mass_per_length_min", l.mass_per_length_min);
  j.number("mass_per_length_max", l.mass_per_length_max).close();
  j.number("mass_percent", l.mass == 0 ? 0.0 : 100 * (s.mass - l.mass) / l.mass);
  j.count("risers", std::int64_t(in.listing->risers.size()));
  j.close();
}

}  // namespace

std::string report_json(const ReportInput& in) {
  Json j;
  j.open("");
  j.text("format", "velkan conversion report").count("format_version", kFormatVersion);
  j.open("run").text("listing", in.listing_name).text("model_file", in.model_name);
  j.text("conversion", in.figures ? "vomar" : "shear7").text("stamp", in.stamp);
  j.boolean("coarsened", in.notes->coarsened).close();
  j.open("flags", '[');
  for (const Flag& f : *in.flags) {
    j.open("")
        .text("code", f.code)
        .count("riser", std::int64_t(f.riser))
        .text("text", f.text)
        .close();
  }
  j.close(']');
  if (in.figures) {
    vomar(j, in);
  } else if (in.shear7) {
    shear7(j, in);
  }
  j.close();
  return j.str();
}

}  // namespace velkan
