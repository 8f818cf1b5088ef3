// Records read in stretches on two threads against one reader over the
// whole file: the same records, in the same order, and the same faults, on
// the recorded model files mangled at random (lines removed, doubled, moved,
// cut, replaced by garbage or by numbers that continue no record) and cut
// into stretches of every size.
#include "report/chunkedrecords.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "report/modelrecords.h"
#include "report/reportfixture.h"
#include "support/testio.h"

namespace velkan {
namespace {

template <typename R>
void numbers(std::ostringstream& out, const char* family, const std::vector<R>& records) {
  out << family << ':';
  for (const R& r : records) out << ' ' << r.line;
  out << '\n';
}

// What a model file holds, as text to compare: each family's records by
// their lines, the node and beam fields, the values of the open records.
std::string summary(const ModelFile& f, const FaultList& faults) {
  std::ostringstream out;
  out.precision(17);
  for (const ModelNode& n : f.nodes)
    out << n.number << ' ' << n.x << ' ' << n.y << ' ' << n.z << '\n';
  for (const ModelBeam& b : f.beams) {
    out << b.number << ' ' << b.node1 << ' ' << b.node2 << ' ' << b.material << ' ' << b.section
        << '\n';
  }
  for (const ModelSection& s : f.sections) out << s.number << ' ' << s.values.size() << '\n';
  for (const ModelMaterial& m : f.materials) out << m.keyword << ' ' << m.values.size() << '\n';
  numbers(out, "nodes", f.nodes);
  numbers(out, "beams", f.beams);
  numbers(out, "sections", f.sections);
  numbers(out, "surfaces", f.surfaces);
  numbers(out, "materials", f.materials);
  numbers(out, "time-dependent", f.time_dependent);
  numbers(out, "springs", f.springs);
  numbers(out, "histories", f.histories);
  numbers(out, "gravity", f.gravity);
  out << faults.count() << " faults\n";
  for (const std::string& line : faults.listed()) out << line << '\n';
  return out.str();
}

std::vector<std::string> mangled(std::vector<std::string> lines, std::mt19937& rng) {
  const std::string odd[] = {"hello",
                             "  1.0 2.0 3.0",
                             std::string(70000, 'x'),
                             "NODE x 1 2 3",
                             "' a comment",
                             "GENBEAM 7 1.0",
                             " 4.0 5.0",
                             ""};
  const int edits = static_cast<int>(rng() % 12);
  for (int k = 0; k < edits && !lines.empty(); ++k) {
    const std::size_t at = rng() % lines.size();
    switch (rng() % 4) {
      case 0:
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at));
        break;
      case 1:
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), lines[rng() % lines.size()]);
        break;
      case 2:
        lines[at] = lines[at].substr(0, rng() % (lines[at].size() + 1));
        break;
      default:
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), odd[rng() % std::size(odd)]);
    }
  }
  return lines;
}

TEST(ChunkedRecords, StretchesOfEverySizeReadAsOneReader) {
  std::mt19937 rng(11);
  for (const char* recorded : {"riser-vomar/riser.vom", "jumper-vomar/jumper.vom"}) {
    const std::vector<std::string> original = test::split_lines(test::recorded(recorded));
    for (int round = 0; round < 150; ++round) {
      SCOPED_TRACE(std::string(recorded) + ", round " + std::to_string(round));
      const std::vector<std::string> lines = round == 0 ? original : mangled(original, rng);
      ModelFile one;
      FaultList one_faults;
      RecordReader reader(one, one_faults);
      for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].size() > ChunkedRecords::kLongestLine) {
          one_faults.add(
              static_cast<std::int64_t>(i + 1),
              "longer than " + std::to_string(ChunkedRecords::kLongestLine) + " characters");
        } else {
          reader.read_line(static_cast<std::int64_t>(i + 1), lines[i]);
        }
      }
      reader.finish();
      const std::size_t stretch = round == 0 ? 1 : rng() % 2000;
      ChunkedRecords chunked(stretch);
      for (std::size_t i = 0; i < lines.size(); ++i) {
        chunked.add(static_cast<std::int64_t>(i + 1), lines[i]);
      }
      ModelFile many;
      FaultList many_faults;
      chunked.finish(many, many_faults);
      ASSERT_EQ(summary(many, many_faults), summary(one, one_faults)) << "stretches of " << stretch;
    }
  }
}

}  // namespace
}  // namespace velkan
