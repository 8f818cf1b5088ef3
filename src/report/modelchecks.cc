// Numbers used twice and references to nothing.
#include "report/modelchecks.h"

#include <algorithm>
#include <string>
#include <vector>

#include "report/modellookup.h"

namespace velkan {
namespace {

// The lines that had a fault before the checks: their records are not
// checked for references.
class FaultyLines {
 public:
  explicit FaultyLines(const FaultList& faults) : lines_(faults.lines()) {}
  bool has(std::int64_t line) const {
    return std::binary_search(lines_.begin(), lines_.end(), line);
  }

 private:
  std::vector<std::int64_t> lines_;
};

template <typename Record>
NumberIndex positions_of(const std::vector<Record>& records) {
  std::vector<std::int32_t> numbers;
  numbers.reserve(records.size());
  for (const Record& r : records) numbers.push_back(r.number);
  return NumberIndex(numbers);
}

// One family: `first(i)` is the position of the first record with the
// number of record i, `record(i)` gives its number and line.
template <typename First, typename Record>
void check_twice(std::int64_t count, std::string_view family, First first, Record record,
                 FaultList& faults) {
  for (std::int64_t i = 0; i < count; ++i) {
    const std::int64_t f = first(record(i).first);
    if (f == i || f < 0) continue;
    const std::int64_t here = record(i).second, there = record(f).second;
    faults.add(std::max(here, there),
               std::string(family) + " number " + std::to_string(record(i).first) +
                   " used twice (first on line " + std::to_string(std::min(here, there)) + ")");
  }
}

template <typename Records>
auto number_and_line(const Records& records) {
  return [&records](std::int64_t i) {
    const auto& r = records[static_cast<std::size_t>(i)];
    return std::pair<std::int32_t, std::int64_t>(r.number, r.line);
  };
}

template <typename Records>
std::int64_t size_of(const Records& records) {
  return static_cast<std::int64_t>(records.size());
}

void check_numbers(const ModelFile& file, const ModelLookup& look, FaultList& faults) {
  check_twice(
      size_of(file.nodes), "node", [&](std::int32_t n) { return look.node(n); },
      number_and_line(file.nodes), faults);
  const std::int64_t beams = size_of(file.beams);
  check_twice(
      beams + size_of(file.springs), "element", [&](std::int32_t n) { return look.element(n); },
      [&](std::int64_t i) {
        return i < beams ? number_and_line(file.beams)(i)
                         : number_and_line(file.springs)(i - beams);
      },
      faults);
  check_twice(
      size_of(file.sections), "cross-section", [&](std::int32_t n) { return look.section(n); },
      number_and_line(file.sections), faults);
  check_twice(
      size_of(file.surfaces), "surface geometry", [&](std::int32_t n) { return look.surface(n); },
      number_and_line(file.surfaces), faults);
  check_twice(
      size_of(file.materials), "material", [&](std::int32_t n) { return look.material(n); },
      number_and_line(file.materials), faults);
}

// The references of one record: a fault for each record they name that
// the file does not hold, once for each.
class References {
 public:
  References(std::string_view keyword, std::int32_t number, std::int64_t line, FaultList& faults)
      : keyword_(keyword), number_(number), line_(line), faults_(faults) {}
  void must_name(std::int64_t position, std::string_view what, std::int32_t number) {
    if (position >= 0) return;
    for (const auto& [w, n] : said_) {
      if (w == what && n == number) return;
    }
    said_.emplace_back(what, number);
    faults_.add(line_, std::string(keyword_) + " " + std::to_string(number_) + " names " +
                           std::string(what) + " " + std::to_string(number) +
                           ", which is not in the file");
  }

 private:
  std::string_view keyword_;
  std::int32_t number_;
  std::int64_t line_;
  FaultList& faults_;
  std::vector<std::pair<std::string_view, std::int32_t>> said_;
};

void check_elements(const ModelFile& file, const ModelLookup& look, const FaultyLines& faulty,
                    FaultList& faults) {
  for (const ModelBeam& b : file.beams) {
    if (faulty.has(b.line)) continue;
    References r("BEAM", b.number, b.line, faults);
    r.must_name(look.node(b.node1), "node", b.node1);
    r.must_name(look.node(b.node2), "node", b.node2);
    r.must_name(look.material(b.material), "material", b.material);
    r.must_name(look.section(b.section), "cross-section", b.section);
  }
  for (const ModelSpring& s : file.springs) {
    if (faulty.has(s.line)) continue;
    References r("SPRNG2GR", s.number, s.line, faults);
    r.must_name(look.node(s.node), "node", s.node);
    r.must_name(look.material(s.material), "material", s.material);
  }
}

// References of 0 or below name nothing.
void check_material_references(const ModelFile& file, const ModelLookup& look,
                               const FaultyLines& faulty, FaultList& faults) {
  for (const ModelMaterial& m : file.materials) {
    if (m.keyword != kSpringReferences || faulty.has(m.line)) continue;
    References refs(kSpringReferences, m.number, m.line, faults);
    for (const std::int32_t r : m.references) {
      if (r > 0) refs.must_name(look.material(r), "material", r);
    }
  }
}

std::int64_t position(const NumberIndex& p, std::int32_t number) {
  return p.find(number);
}

// Time-dependent materials and time histories: the numbers of each, and the
// time history each material names.
void check_time_dependent(const ModelFile& file, const FaultyLines& faulty, FaultList& faults) {
  const NumberIndex timed = positions_of(file.time_dependent);
  const NumberIndex histories = positions_of(file.histories);
  for (const ModelMaterial& m : file.time_dependent) {
    if (faulty.has(m.line) || m.references.empty()) continue;
    References r("TIMDEPMAT", m.number, m.line, faults);
    r.must_name(position(histories, m.references[0]), "time history", m.references[0]);
  }
  check_twice(
      size_of(file.time_dependent), "time-dependent material",
      [&](std::int32_t n) { return position(timed, n); }, number_and_line(file.time_dependent),
      faults);
  check_twice(
      size_of(file.histories), "time history",
      [&](std::int32_t n) { return position(histories, n); }, number_and_line(file.histories),
      faults);
}

}  // namespace

void check_references(const ModelFile& file, FaultList& faults) {
  const FaultyLines faulty(faults);
  const ModelLookup look(file);
  check_elements(file, look, faulty, faults);
  check_material_references(file, look, faulty, faults);
  check_numbers(file, look, faults);
  check_time_dependent(file, faulty, faults);
}

}  // namespace velkan
