// The steps of a Vomar conversion over its model (MKPROP, MRKSKP, SKPCHG,
// MKHING, UWRNOD, UWRELM, UWRGEO, UWRSGe, UWRMAT, UWRSEA called with the
// model's arrays).
#include "driver/vomarsteps.h"

#include "driver/fileunits.h"
#include "process/hingematerials.h"
#include "process/meshcompaction.h"
#include "process/meshmarking.h"
#include "process/propertybuilder.h"
#include "writer/elementsection.h"
#include "writer/geometrysections.h"
#include "writer/materialsection.h"
#include "writer/nodesection.h"
#include "writer/seabedmodel.h"

namespace velkan {

void build_properties(Conversion& c, VomarModel& m, std::int32_t& status) {
  MKPROP(c.io, m.nel, m.nnp, m.elprop, m.tcrgeo, m.tmapa, m.mgetyp, m.matyp, m.melgeo, m.melmat,
         m.mexgeo, m.mexmat, m.nge, m.nma, m.mxgepr, m.mxmapr, m.tsugeo, m.msutyp, m.mhinge,
         m.melex, LPU, status);
}

void mark_coarser_mesh(Conversion& c, VomarModel& m, std::span<const std::int32_t> segments,
                       const CoarseningLists& lists, std::int32_t& status) {
  const auto nseg = static_cast<std::int32_t>(segments.size() / 3);
  MRKSKP(c.io, nseg, segments, m.nel, m.nnp, m.mnpc, m.mpmnpc, m.mnpex, m.melex, lists.mskpel,
         m.mscra, LTO, status);
}

void compact_mesh(Conversion& c, VomarModel& m, const CoarseningLists& lists,
                  std::int32_t& status) {
  SKPCHG(c.io, m.nel, m.nnp, kMaxElemsPerNode, lists.mskpel, m.melgeo, m.mnpc, m.mpmnpc, m.mnpex,
         lists.melnp, lists.mnelnp, m.melex, m.meltyp, m.melmat, m.melloc, m.melecc, m.mhinge,
         m.nboun, m.tcoord, LTO, status);
}

void add_hinge_materials(Conversion& c, VomarModel& m, double axial, double bending,
                         std::int32_t& status) {
  MKHING(c.io, m.nel, m.nma, axial, m.tmapa, m.matyp, bending, m.melmat, m.mexmat, m.mxmapr,
         m.mhinge, LPU, status);
}

void write_nodes(Conversion& c, VomarModel& m, std::int32_t& status) {
  UWRNOD(c.io, m.nnp, m.mnpex, m.tcoord, m.nboun, m.msort, LPUUFO, status);
}

void write_elements(Conversion& c, VomarModel& m, std::int32_t& status) {
  UWRELM(c.io, m.nel, m.meltyp, m.melmat, m.melgeo, m.melecc, m.melloc, m.mnpc, m.mpmnpc, m.melex,
         m.mnpex, m.mexgeo, m.mexmat, m.mexecc, m.mexloc, m.mscra, m.msort, m.mextra, LPUUFO,
         status);
}

void write_cross_sections(Conversion& c, VomarModel& m, std::int32_t& status) {
  UWRGEO(c.io, m.nge, m.mxgepr, m.mexgeo, m.mgetyp, m.tcrgeo, m.mscra, m.msort, LPUUFO, status);
}

void write_surface_geometries(Conversion& c, VomarModel& m, std::int32_t nel0,
                              std::int32_t& status) {
  UWRSGe(c.io, nel0, m.mxgepr, m.mexbck, m.msutyp, m.tsugeo, m.mscra, m.msort, LPUUFO, status);
}

void write_materials(Conversion& c, VomarModel& m, std::int32_t& status) {
  UWRMAT(c.io, m.nma, m.mxmapr, m.mexmat, m.matyp, m.tmapa, m.mscra, LPUUFO, status);
}

void write_seabed(Conversion& c, VomarModel& m, double level, std::int32_t& status) {
  UWRSEA(c.io, level, m.nnp, m.tcoord, m.mnpex, LPUUFO, status);
}

}  // namespace velkan
