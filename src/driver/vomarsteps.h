// The steps of a Vomar conversion over its model: thin adaptors that hand the
// model's counts and arrays to the processing routines (MKPROP, MRKSKP, SKPCHG,
// MKHING) and the model writers (UWRNOD, UWRELM, UWRGEO, UWRSGe, UWRMAT,
// UWRSEA). Each lowers `status` as its routine does; the writers write on the
// Vomar model file.
#pragma once

#include <cstdint>
#include <span>

#include "driver/conversion.h"
#include "driver/vomarmodel.h"
#include "store/realspan.h"

namespace velkan {

// The arrays the mesh coarsening books for itself.
struct CoarseningLists {
  IntSpan MELNP;   // elements at each node
  IntSpan MNELNP;  // their count per node
  IntSpan MSKPEL;  // 1 for each element to remove
};

// One cross-section and material per element (MKPROP).
void build_properties(Conversion& c, VomarModel& m, std::int32_t& status);
// Marks the elements to remove along the segments (MRKSKP).
void mark_coarser_mesh(Conversion& c, VomarModel& m, std::span<const std::int32_t> segments,
                       const CoarseningLists& lists, std::int32_t& status);
// Removes the marked elements and the nodes left unused (SKPCHG).
void compact_mesh(Conversion& c, VomarModel& m, const CoarseningLists& lists, std::int32_t& status);
// The hinge materials from the two stiffnesses (MKHING).
void add_hinge_materials(Conversion& c, VomarModel& m, double axial, double bending,
                         std::int32_t& status);

void write_nodes(Conversion& c, VomarModel& m, std::int32_t& status);
void write_elements(Conversion& c, VomarModel& m, std::int32_t& status);
void write_cross_sections(Conversion& c, VomarModel& m, std::int32_t& status);
// The surface geometries of the `nel0` elements the listing held.
void write_surface_geometries(Conversion& c, VomarModel& m, std::int32_t nel0,
                              std::int32_t& status);
void write_materials(Conversion& c, VomarModel& m, std::int32_t& status);
// The sea-bed model for the nodes at or below `level`, numbered clear of the
// element and material numbers in use. A numbering other than the usual one is
// said on the console and in the message file; when none is free, that is said
// instead, no sea-bed model is written and the status is set to -1.
void write_seabed(Conversion& c, VomarModel& m, double level, std::int32_t& status);

}  // namespace velkan
