// A Vomar model file read back: its records as plain data, with every fault
// found in it. The reader takes the record families a conversion writes
// (nodes, beams, GENBEAM cross-sections, SurfPIPE surface geometries,
// MISOIEP, HYPELAST and MREF materials, the sea-bed springs with their
// references, curves, time-dependent materials and time history, and the
// gravity record), in every layout the writers use, from the numbers as they
// stand in the file. Comment lines (' and #) and blank lines carry nothing.
// Keywords are read in any case (the sea-bed model writes Sprng2Gr and
// HypElast); records keep the keyword in capitals.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/units.h"

namespace velkan {

// The keywords of the materials, as ModelMaterial::keyword holds them.
inline constexpr std::string_view kIsotropicMaterial = "MISOIEP";
inline constexpr std::string_view kCurveMaterial = "HYPELAST";
inline constexpr std::string_view kSpringReferences = "MREF";

// The comment that ends every model file the converter writes.
inline constexpr std::string_view kEndOfFileComment = "' ------------- E O F ------------";

// Every record keeps `line`, the line of the file it starts on (from 1).
struct ModelNode {
  std::int32_t number = 0;
  double x = 0, y = 0, z = 0;
  std::array<std::int8_t, 6> codes{};  // all 0 where the record has none
  std::int64_t line = 0;
};

// A BEAM record; a coordinate system and eccentricities, where written, are
// read but not kept.
struct ModelBeam {
  std::int32_t number = 0, node1 = 0, node2 = 0, material = 0, section = 0;
  std::int64_t line = 0;
};

// A GENBEAM cross-section (area = its first value, values its nine values as
// written: words 1 to 4 and 6 to 10) or a SurfPIPE surface geometry (area 0,
// values Do, Thick and, where written, Shear_y and Shear_z).
struct ModelSection {
  std::int32_t number = 0;
  double area = 0;
  std::vector<double> values;
  std::int64_t line = 0;
};

// A material record. MISOIEP: values E-mod, Poiss, Yield, Density, ThermX
// (values[3] is the density). HYPELAST: values the curve points, P and Delta
// one after the other. MREF: references its six material numbers (0 for
// none). A TimDepMat record (in ModelFile::time_dependent): the number of
// the material it makes time-dependent, references its time history, values
// the four numbers behind the material number.
struct ModelMaterial {
  std::int32_t number = 0;
  std::string keyword;
  std::vector<double> values;
  std::vector<std::int32_t> references;
  std::int64_t line = 0;
};

// A spring to ground (Sprng2Gr): element number, node and material.
struct ModelSpring {
  std::int32_t number = 0, node = 0, material = 0;
  std::int64_t line = 0;
};

// A TimeHist record: its number, its kind (Point) and the values behind it.
struct ModelHistory {
  std::int32_t number = 0;
  std::string kind;
  std::vector<double> values;
  std::int64_t line = 0;
};

// The Gravity record's four values as written.
struct ModelGravity {
  std::array<double, 4> values{};
  std::int64_t line = 0;
};

struct ModelFile {
  std::vector<ModelNode> nodes;
  std::vector<ModelBeam> beams;
  std::vector<ModelSection> sections, surfaces;
  std::vector<ModelMaterial> materials;       // MISOIEP, HYPELAST, MREF, sea bed included
  std::vector<ModelMaterial> time_dependent;  // TimDepMat, numbered like the curves they name
  std::vector<ModelSpring> springs;
  std::vector<ModelHistory> histories;
  std::vector<ModelGravity> gravity;
  std::int64_t lines = 0;  // lines read
  bool readable = false;   // the file opened, and every line of it was read
  bool trailer = false;    // the last line is the end-of-file comment
  // One line each, "line 812: ..." where the fault has a line, in file order,
  // at most FaultList::kMostListed of them; fault_count counts them all. A
  // file that cannot be opened or read has the reason as its only fault.
  std::vector<std::string> faults;
  std::int64_t fault_count = 0;
};

// Reads the model file `name` through `unit` of the unit table (opened as
// an existing file and closed again) and checks it: every beam's nodes,
// cross-section and material, every spring's node and material, every MREF
// reference and every time-dependent material's time history are in the
// file; no number is used twice among the nodes, the elements (beams and
// springs), the cross-sections, the surface geometries, the materials, the
// time-dependent materials or the time histories; every value is finite; the
// last line is the end-of-file comment.
ModelFile read_model_file(Units& io, int unit, std::string_view name);

}  // namespace velkan
