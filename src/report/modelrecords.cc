// Record lines of a model file into plain records.
#include "report/modelrecords.h"

#include <limits>
#include <string>

#include "report/recordfields.h"
#include "report/recordline.h"

namespace velkan {
namespace {

enum class Kind {
  kNode,
  kBeam,
  kSpring,
  kSection,
  kSurface,
  kIsotropic,
  kCurve,
  kReferences,
  kTimeDependent,
  kHistory,
  kGravity
};

struct KindName {
  std::string_view keyword;  // in capitals, as records keep it
  Kind kind;
};

constexpr KindName kKinds[] = {
    {"NODE", Kind::kNode},
    {"BEAM", Kind::kBeam},
    {"SPRNG2GR", Kind::kSpring},
    {"GENBEAM", Kind::kSection},
    {"SURFPIPE", Kind::kSurface},
    {kIsotropicMaterial, Kind::kIsotropic},
    {kCurveMaterial, Kind::kCurve},
    {kSpringReferences, Kind::kReferences},
    {"TIMDEPMAT", Kind::kTimeDependent},
    {"TIMEHIST", Kind::kHistory},
    {"GRAVITY", Kind::kGravity},
};

constexpr std::size_t kSectionValues = 9;

char upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

const KindName* find_kind(std::string_view word) {
  for (const KindName& k : kKinds) {
    if (k.keyword.size() != word.size()) continue;
    bool same = true;
    for (std::size_t i = 0; same && i < word.size(); ++i) same = upper(word[i]) == k.keyword[i];
    if (same) return &k;
  }
  return nullptr;
}

void read_node(RecordLine& f, std::int64_t line, ModelFile& file) {
  ModelNode n;
  if (!f.number(1, n.number)) return;
  f.counted(f.count() == 4 || f.count() == 10, "4 or 10");
  n.x = f.real(2, "X");
  n.y = f.real(3, "Y");
  n.z = f.real(4, "Z");
  static constexpr std::string_view kCode[] = {"code 1", "code 2", "code 3",
                                               "code 4", "code 5", "code 6"};
  for (std::size_t d = 0; d < n.codes.size() && f.count() == 10; ++d) {
    const std::int32_t c = f.integer(5 + d, kCode[d]);
    if (c < -128 || c > 127) {
      f.say(fault_text({kCode[d], " is no boundary code: ", std::to_string(c)}));
    } else {
      n.codes[d] = static_cast<std::int8_t>(c);
    }
  }
  n.line = line;
  file.nodes.push_back(n);
}

// Behind the five values a coordinate system and two eccentricities may follow.
void read_beam(RecordLine& f, std::int64_t line, ModelFile& file) {
  ModelBeam b;
  if (!f.number(1, b.number)) return;
  f.counted(f.count() >= 5 && f.count() <= 8, "5 to 8");
  b.node1 = f.integer(2, "node 1");
  b.node2 = f.integer(3, "node 2");
  b.material = f.integer(4, "the material");
  b.section = f.integer(5, "the cross-section");
  f.integer(6, "the coordinate system");
  f.integer(7, "eccentricity 1");
  f.integer(8, "eccentricity 2");
  b.line = line;
  file.beams.push_back(b);
}

// Behind the three values a coordinate system and an eccentricity may follow.
void read_spring(RecordLine& f, std::int64_t line, ModelFile& file) {
  ModelSpring s;
  if (!f.number(1, s.number)) return;
  f.counted(f.count() >= 3 && f.count() <= 5, "3 to 5");
  s.node = f.integer(2, "the node");
  s.material = f.integer(3, "the material");
  f.integer(4, "the coordinate system");
  f.integer(5, "the eccentricity");
  s.line = line;
  file.springs.push_back(s);
}

// Do and Thick, then Shear_y and Shear_z where written.
void read_surface(RecordLine& f, std::int64_t line, ModelFile& file) {
  ModelSection s;
  if (!f.number(1, s.number)) return;
  f.counted(f.count() == 3 || f.count() == 5, "3 or 5");
  static constexpr std::string_view kNames[] = {"Do", "Thick", "Shear_y", "Shear_z"};
  const std::size_t n = f.count() >= 5 ? 4 : 2;
  for (std::size_t k = 0; k < n; ++k) s.values.push_back(f.real(2 + k, kNames[k]));
  s.line = line;
  file.surfaces.push_back(std::move(s));
}

void read_isotropic(RecordLine& f, std::int64_t line, ModelFile& file) {
  ModelMaterial m;
  if (!f.number(1, m.number)) return;
  f.counted(f.count() == 6, "6");
  m.keyword = kIsotropicMaterial;
  static constexpr std::string_view kNames[] = {"E-mod", "Poiss", "Yield", "Density", "ThermX"};
  for (std::size_t k = 0; k < 5; ++k) m.values.push_back(f.real(2 + k, kNames[k]));
  m.line = line;
  file.materials.push_back(std::move(m));
}

void read_references(RecordLine& f, std::int64_t line, ModelFile& file) {
  ModelMaterial m;
  if (!f.number(1, m.number)) return;
  f.counted(f.count() == 7, "7");
  m.keyword = kSpringReferences;
  static constexpr std::string_view kNames[] = {"reference 1", "reference 2", "reference 3",
                                                "reference 4", "reference 5", "reference 6"};
  for (std::size_t k = 0; k < 6; ++k) m.references.push_back(f.integer(2 + k, kNames[k]));
  m.line = line;
  file.materials.push_back(std::move(m));
}

// The time history, the material number, then four values.
void read_time_dependent(RecordLine& f, std::int64_t line, ModelFile& file) {
  ModelMaterial m;
  if (!f.number(2, m.number)) return;
  f.counted(f.count() == 6, "6");
  m.keyword = "TIMDEPMAT";
  m.references.push_back(f.integer(1, "the time history"));
  for (std::size_t k = 3; k <= 6; ++k) m.values.push_back(f.real(k, value_name(k - 2)));
  m.line = line;
  file.time_dependent.push_back(std::move(m));
}

// The number, the kind (a word), then its values.
void read_history(RecordLine& f, std::int64_t line, ModelFile& file) {
  ModelHistory h;
  if (!f.number(1, h.number)) return;
  f.counted(f.count() >= 2, "at least 2");
  h.kind = f.word(2);
  if (holds_value(h.kind)) f.say(fault_text({"the kind is not a word: ", shown_text(h.kind)}));
  f.reals_from(3, 1, h.values);
  h.line = line;
  file.histories.push_back(std::move(h));
}

void read_gravity(RecordLine& f, std::int64_t line, ModelFile& file) {
  f.counted(f.count() == 4, "4");
  ModelGravity g;
  for (std::size_t k = 0; k < g.values.size(); ++k) g.values[k] = f.real(k + 1, value_name(k + 1));
  g.line = line;
  file.gravity.push_back(g);
}

}  // namespace

bool RecordReader::starts_afresh(std::string_view text) {
  if (text.empty() || text[0] == '\'' || text[0] == '#') return false;
  const LineFields fields(text);
  return fields.size() > 0 && fields.size() <= LineFields::kKept && !holds_value(fields[0]);
}

void RecordReader::read_line(std::int64_t number, std::string_view text) {
  if (!text.empty() && (text[0] == '\'' || text[0] == '#')) return;  // a comment
  const LineFields fields(text);
  if (fields.size() == 0) return;
  if (fields.size() > LineFields::kKept) {
    faults_.add(number, fault_text({std::to_string(fields.size()), " fields on one line, at most ",
                                    std::to_string(LineFields::kKept), " taken"}));
    return;
  }
  if (holds_value(fields[0])) return continue_open(number, fields, text);
  close_open();
  const KindName* kind = find_kind(fields[0]);
  if (!kind) {
    faults_.add(number, fault_text({"no record this reader knows: ", shown_text(text)}));
    return;
  }
  RecordLine f(fields, number, kind->keyword, faults_);
  switch (kind->kind) {
    case Kind::kNode:
      return read_node(f, number, file_);
    case Kind::kBeam:
      return read_beam(f, number, file_);
    case Kind::kSpring:
      return read_spring(f, number, file_);
    case Kind::kSurface:
      return read_surface(f, number, file_);
    case Kind::kIsotropic:
      return read_isotropic(f, number, file_);
    case Kind::kReferences:
      return read_references(f, number, file_);
    case Kind::kTimeDependent:
      return read_time_dependent(f, number, file_);
    case Kind::kHistory:
      return read_history(f, number, file_);
    case Kind::kGravity:
      return read_gravity(f, number, file_);
    case Kind::kSection:
    case Kind::kCurve: {
      open_ = Open::kDropped;
      std::int32_t n = 0;
      if (!f.number(1, n)) return;
      open_record(kind->kind == Kind::kSection, n, number);
      f.reals_from(2, 1, open_values());
      return;
    }
  }
}

// A GENBEAM or HYPELAST record: its values follow on its line and on the
// continuation lines after it.
void RecordReader::open_record(bool section, std::int32_t record_number, std::int64_t number) {
  if (section) {
    file_.sections.push_back(ModelSection{record_number, 0.0, {}, number});
    open_ = Open::kSection;
  } else {
    file_.materials.push_back(
        ModelMaterial{record_number, std::string(kCurveMaterial), {}, {}, number});
    open_ = Open::kCurve;
  }
  open_line_ = number;
  open_number_ = record_number;
}

std::vector<double>& RecordReader::open_values() {
  return open_ == Open::kSection ? file_.sections.back().values : file_.materials.back().values;
}

void RecordReader::continue_open(std::int64_t number, const LineFields& fields,
                                 std::string_view text) {
  if (open_ == Open::kDropped) return;
  if (open_ == Open::kNone) {
    faults_.add(number, fault_text({"numbers that continue no record: ", shown_text(text)}));
    return;
  }
  std::vector<double>& values = open_values();
  RecordLine line(fields, number, open_ == Open::kSection ? "GENBEAM" : kCurveMaterial, faults_,
                  true);
  line.name(open_number_);
  line.reals_from(1, values.size() + 1, values);
}

std::string RecordReader::open_name() const {
  return fault_text(
      {open_ == Open::kSection ? "GENBEAM " : "HYPELAST ", std::to_string(open_number_)});
}

void RecordReader::close_open() {
  if (open_ == Open::kSection) {
    ModelSection& s = file_.sections.back();
    if (s.values.size() != kSectionValues) {
      faults_.add(open_line_,
                  fault_text({open_name(), ": ", std::to_string(s.values.size()), " values, ",
                              std::to_string(kSectionValues), " expected"}));
    }
    s.area = s.values.empty() ? std::numeric_limits<double>::quiet_NaN() : s.values[0];
  } else if (open_ == Open::kCurve) {
    const std::size_t n = file_.materials.back().values.size();
    if (n == 0) {
      faults_.add(open_line_, fault_text({open_name(), ": no curve points"}));
    } else if (n % 2 != 0) {
      faults_.add(open_line_, fault_text({open_name(), ": ", std::to_string(n),
                                          " curve values, P and Delta in pairs expected"}));
    }
  }
  open_ = Open::kNone;
}

}  // namespace velkan
