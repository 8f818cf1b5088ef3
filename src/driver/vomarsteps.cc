// The steps of a Vomar conversion over its model (MKPROP, MRKSKP, SKPCHG,
// MKHING, UWRNOD, UWRELM, UWRGEO, UWRSGe, UWRMAT, UWRSEA called with the
// model's arrays).
#include "driver/vomarsteps.h"

#include <string>

#include "driver/fileunits.h"
#include "listing/propertytables.h"
#include "platform/consoleunits.h"
#include "process/hingematerials.h"
#include "process/meshcompaction.h"
#include "process/meshmarking.h"
#include "process/propertybuilder.h"
#include "writer/elementsection.h"
#include "writer/geometrysections.h"
#include "writer/materialsection.h"
#include "writer/nodesection.h"
#include "writer/seabedmodel.h"
#include "writer/seabednumbers.h"

namespace velkan {

void build_properties(Conversion& c, VomarModel& m, std::int32_t& status) {
  MKPROP(c.io, m.NEL, m.NNP, m.ELPROP, m.TCRGEO, m.TMAPA, m.MGETYP, m.MATYP, m.MELGEO, m.MELMAT,
         m.MEXGEO, m.MEXMAT, m.NGE, m.NMA, kPropertyRowReals, m.material_row, m.TSUGEO, m.MSUTYP,
         m.MHINGE, m.MELEX, LPU, status);
}

void mark_coarser_mesh(Conversion& c, VomarModel& m, std::span<const std::int32_t> segments,
                       const CoarseningLists& lists, std::int32_t& status) {
  const auto nseg = static_cast<std::int32_t>(segments.size() / 3);
  MRKSKP(c.io, nseg, segments, m.NEL, m.NNP, m.MNPC, m.MPMNPC, m.MNPEX, m.MELEX, m.MHINGE,
         lists.MSKPEL, m.MSCRA, LTO, status);
}

void compact_mesh(Conversion& c, VomarModel& m, const CoarseningLists& lists,
                  std::int32_t& status) {
  SKPCHG(c.io, m.NEL, m.NNP, kMaxElemsPerNode, lists.MSKPEL, m.MELGEO, m.MNPC, m.MPMNPC, m.MNPEX,
         lists.MELNP, lists.MNELNP, m.MELEX, m.MELTYP, m.MELMAT, m.MELLOC, m.MELECC, m.MHINGE,
         m.NBOUN, m.TCOORD, LTO, status);
}

void add_hinge_materials(Conversion& c, VomarModel& m, double axial, double bending,
                         std::int32_t& status) {
  MKHING(c.io, m.NEL, m.NMA, axial, m.TMAPA, m.MATYP, bending, m.MELMAT, m.MEXMAT, m.material_row,
         m.MHINGE, LPU, status);
}

void write_nodes(Conversion& c, VomarModel& m, std::int32_t& status) {
  UWRNOD(c.io, m.NNP, m.MNPEX, m.TCOORD, m.NBOUN, m.MSORT, LPUUFO, status);
}

void write_elements(Conversion& c, VomarModel& m, std::int32_t& status) {
  UWRELM(c.io, m.NEL, m.MELTYP, m.MELMAT, m.MELGEO, m.MELECC, m.MELLOC, m.MNPC, m.MPMNPC, m.MELEX,
         m.MNPEX, m.MEXGEO, m.MEXMAT, m.MEXECC, m.MEXLOC, m.MSCRA, m.MSORT, m.MEXTRA, LPUUFO,
         status);
}

void write_cross_sections(Conversion& c, VomarModel& m, std::int32_t& status) {
  UWRGEO(c.io, m.NGE, kCrossSectionRowReals, m.MEXGEO, m.MGETYP, m.TCRGEO, m.MSCRA, m.MSORT, LPUUFO,
         status);
}

void write_surface_geometries(Conversion& c, VomarModel& m, std::int32_t nel0,
                              std::int32_t& status) {
  UWRSGe(c.io, nel0, kSurfaceRowReals, m.MEXBCK, m.MSUTYP, m.TSUGEO, m.MSCRA, m.MSORT, LPUUFO,
         status);
}

void write_materials(Conversion& c, VomarModel& m, std::int32_t& status) {
  UWRMAT(c.io, m.NMA, m.material_row, m.MEXMAT, m.MATYP, m.TMAPA, m.MSCRA, LPUUFO, status);
}

void write_seabed(Conversion& c, VomarModel& m, double level, std::int32_t& status) {
  const SeabedNumberChoice choice = choose_seabed_numbers(
      seabed_nodes(level, m.NNP, m.TCOORD, m.MNPEX), leading(ConstIntSpan(m.MELEX), m.NEL),
      leading(ConstIntSpan(m.MEXMAT), m.NMA));
  if (const std::string note = seabed_numbers_note(choice); !note.empty()) {
    c.io.write(LTO, note);
    c.io.write(LPU, note);
  }
  if (!choice.free) {
    status = -1;
    return;
  }
  UWRSEA(c.io, level, m.NNP, m.TCOORD, m.MNPEX, choice.numbering, LPUUFO, status);
}

}  // namespace velkan
