// The built program on models whose numbers would collide: sea-bed numbers
// that equal element or material numbers in use, or each other, and coarsening
// groups that meet a hinge element. No model file it completes holds a number
// twice or a spring reference that nothing uses.
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue.h"

namespace velkan::test {
namespace {

// `text` with every `from` replaced by `to`.
std::string renumbered(std::string text, const std::string& from, const std::string& to) {
  EXPECT_NE(text.find(from), std::string::npos) << from;
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
    text.replace(at, from.size(), to);
    at += to.size();
  }
  return text;
}

// riser.lis with element e (1..12) numbered `number`, or node 101..113.
std::string element_numbered(const std::string& listing, int e, const std::string& number) {
  return renumbered(listing, std::string(e < 10 ? 9 : 8, ' ') + std::to_string(e) + " ",
                    std::string(10 - number.size(), ' ') + number + " ");
}
std::string node_numbered(const std::string& listing, int n, const std::string& number) {
  return renumbered(listing, "       " + std::to_string(n) + " ", " " + number + " ");
}

// Numbers of one part of a model file (the sea-bed model or the rest): how
// often each is written.
struct Part {
  std::map<std::string, int> elements, materials;
};

// What is wrong with the numbers of a model file: an element or material
// number written twice within its part, a sea-bed number that the rest uses,
// a spring reference to no material, or a spring reference no element uses.
std::vector<std::string> number_faults(const std::string& file) {
  Part model, seabed;
  std::set<std::string> beam_materials, referenced, model_refs;
  Part* part = &model;
  for (const std::string& line : lines_of(file)) {
    if (line.find("S e a B e d   M o d e l") != std::string::npos) part = &seabed;
    std::istringstream in(line);
    std::vector<std::string> w;
    for (std::string word; in >> word;) w.push_back(word);
    if (w.size() < 2) continue;
    if (w[0] == "BEAM" || w[0] == "Sprng2Gr") ++part->elements[w[1]];
    if (w[0] == "BEAM" && w.size() > 4) beam_materials.insert(w[4]);
    if (w[0] == "MISOIEP" || w[0] == "HYPELAST" || w[0] == "MREF" || w[0] == "HypElast") {
      ++part->materials[w[1]];
    }
    if (w[0] != "MREF") continue;
    if (part == &model) model_refs.insert(w[1]);
    for (std::size_t k = 2; k < w.size(); ++k) {
      if (w[k] != "0") referenced.insert(w[k]);
    }
  }
  std::vector<std::string> faults;
  for (const Part* p : {&model, &seabed}) {
    for (const auto* numbers : {&p->elements, &p->materials}) {
      for (const auto& [number, times] : *numbers) {
        if (times > 1) faults.push_back(number + " written twice");
        if (p == &seabed && (model.elements.contains(number) || model.materials.contains(number)))
          faults.push_back("sea-bed " + number + " in use");
      }
    }
  }
  for (const std::string& number : referenced) {
    if (!model.materials.contains(number) && !seabed.materials.contains(number))
      faults.push_back("spring reference to " + number);
  }
  for (const std::string& number : model_refs) {
    if (!beam_materials.contains(number)) faults.push_back("MREF " + number + " used by nothing");
  }
  return faults;
}

struct NumberCase {
  std::string what, listing, answers;
  int exit_status;
  std::vector<std::string> console, file;  // lines expected within the console, the model file
};

TEST_F(Catalogue, SeaBedNumbersStayClearOfTheNumbersInUse) {
  const std::string seabed_at = "riser.lis\n\n\nriser.vom\n\n\ny\n";
  const std::string moved =
      " *** Sea-bed numbers moved to 99000000 + node and 88000000 + node, the shared curve to "
      "8800000: ";
  const std::string failed =
      " *** Sea-bed model not written: no free numbers at 9900000, "
      "99000000 or 990000000 + node (";
  const std::string three = element_numbered(
      element_numbered(element_numbered(riser, 10, "9900113"), 11, "99000113"), 12, "990000113");
  const std::vector<NumberCase> cases = {
      {"usual numbers free",
       riser,
       seabed_at + "-115\n",
       0,
       {},
       {" Sprng2Gr    9900113       113   9900113", " HypElast 880000 -1E6     -1     "}},
      {"an element numbered as a spring",
       element_numbered(riser, 12, "9900113"),
       seabed_at + "-115\n",
       0,
       {moved + "element 9900113 is in use."},
       {" BEAM       9900113      112      113        8        8",
        " Sprng2Gr   99000113       113  99000113",
        " MREF       99000113  88000113  88000113 8800000    0    0    0",
        " TimDepMat 99999   88000113  -987   99000113 3    0.1  "}},
      {"an element numbered as the shared curve",
       element_numbered(riser, 12, "880000"),
       seabed_at + "-115\n",
       0,
       {moved + "element 880000 is in use."},
       {" HypElast 8800000 -1E6     -1     "}},
      {"two sea-bed nodes 1,100,000 apart",
       node_numbered(riser, 112, "1100113"),
       seabed_at + "-105\n",
       0,
       {moved + "curve 9900113 of node 1100113 is the spring of node 113."},
       {" Sprng2Gr   99000113       113  99000113", " HypElast   89100113 -1.0E1"}},
      {"every numbering in use",
       three,
       seabed_at + "-115\n",
       1,
       {failed + "element 9900113 is in use)."},
       {" MREF             7    10004    10004    10004    10004    10005    10005",
        "' ------------- E O F ------------"}},
      {"a spring beyond 32 bits",
       node_numbered(riser, 113, "2147483000"),
       seabed_at + "-115\n",
       1,
       {failed + "node 2147483000 gives 2157383000, beyond 32 bits)."},
       {}},
  };
  for (const NumberCase& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove(dir.path() / "fort.17");
    dir.write("riser.lis", c.listing);
    const ProgramRun run = velkan(c.answers);
    EXPECT_EQ(run.exit_status, c.exit_status) << run.console;
    // A failed run leaves what it wrote beside the model file.
    const std::string file = dir.read(c.exit_status == 0 ? "riser.vom" : "riser.vom.failed");
    const std::string messages = dir.read("fort.17");
    for (const std::string& line : c.console) {
      EXPECT_NE(run.console.find(line + "\n"), std::string::npos) << line << "\n" << run.console;
      EXPECT_NE(messages.find(line + "\n"), std::string::npos) << messages;
    }
    EXPECT_EQ(run.console.find(kFailed) != std::string::npos, c.exit_status != 0);
    if (c.console.empty()) {
      EXPECT_EQ(run.console.find(" *** Sea-bed"), std::string::npos);
    }
    for (const std::string& line : c.file) {
      EXPECT_NE(file.find("\n" + line), std::string::npos) << line << "\n" << file;
    }
    EXPECT_EQ(number_faults(file), std::vector<std::string>{});
    // A sea-bed model is written whole, or not at all.
    EXPECT_EQ(file.find("S e a B e d") == std::string::npos, c.exit_status != 0);
  }
}

TEST_F(Catalogue, ACoarseningGroupStopsAtTheHingeAndGoesOnAfterIt) {
  // riser.lis has its hinge at element 7 (107 -> 108); groups of four from
  // 101 would run over it.
  const ProgramRun run = velkan("riser.lis\n\n\nriser.vom\ny\n1\n1\n101 113 4\n\ny\n-115\n");
  EXPECT_EQ(run.exit_status, 0) << run.console;
  const std::string file = dir.read("riser.vom");
  for (const std::string line : {
           " BEAM             1      101      105        1        1",
           " BEAM             5      105      107        1        1",
           " BEAM             7      107      108        7        7",
           " BEAM             8      108      112        8        8",
           " BEAM            12      112      113        8        8",
           " MREF             7    10004    10004    10004    10004    10005    10005",
       }) {
    EXPECT_NE(file.find(line + "\n"), std::string::npos) << line << "\n" << file;
  }
  EXPECT_EQ(number_faults(file), std::vector<std::string>{});
}

}  // namespace
}  // namespace velkan::test
