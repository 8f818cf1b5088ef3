// The built program on models whose numbers would collide: coarsening groups
// that meet a hinge element. No model file it completes holds a number twice
// or a spring reference that nothing uses.
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue.h"

namespace velkan::test {
namespace {

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
