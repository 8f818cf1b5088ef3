// The Vomar conversion sequence. Every failure up to the
// surface geometries stops the sequence; from the materials on the file is
// finished whatever happens and a failure shows on the console only. A file
// that could not be written stops the sequence wherever it shows.
#include "driver/vomarconversion.h"

#include <optional>
#include <string>

#include "driver/coarsening.h"
#include "driver/outputfile.h"
#include "driver/prompttexts.h"
#include "driver/vomarmodel.h"
#include "driver/vomarsteps.h"
#include "lineinput/charutil.h"
#include "platform/consoleunits.h"
#include "platform/numfmt.h"
#include "process/propertybuilder.h"
#include "process/propertymerging.h"
#include "store/numberlookup.h"
#include "store/structurerecords.h"
#include "store/vectorfill.h"

namespace velkan {
namespace {

constexpr std::string_view kHeader = "# FlexCom -> Vomar. VelKan/1.3. K.Tovrik 2006 ";
constexpr double kMergeTolerance = 1e-6;

void progress(Conversion& c, std::string_view text, bool framed) {
  if (framed) c.io.newline(LTO);
  c.io.write(LTO, text);
  if (framed) c.io.newline(LTO);
}

// The hinge count, the tables, and one cross-section and material per element.
bool build_model_properties(Conversion& c, VomarModel& m) {
  m.nh = IVCNT(1, leading(ConstIntSpan(m.MHINGE), m.NEL));
  c.io.newline(LTO);
  c.io.write(LTO, Line().a(" Number of Hinge Elements:").i(m.nh, 3).str());
  c.io.newline(LTO);
  if (!book_tables(c, m)) return false;
  IASET(m.MELTYP, 1, m.NEL, 15);
  IASET(m.MELECC, 2, m.NEL, 0);
  IASET(m.MELLOC, 1, m.NEL, 0);
  c.io.write(LTO, " ... Creating element properties ...");
  m.NGE = m.NEL;
  m.NMA = m.NEL + 2 * m.nh;
  std::int32_t status = 0;
  build_properties(c, m, status);
  if (status != 0) return false;
  IACOPY(m.MEXGEO, m.MEXBCK, m.NGE);
  return true;
}

// Merges one property table and stores its new count under `parameter`;
// with a report, what the merge changed is noted in `note`.
bool merge(Conversion& c, VomarModel& m, std::string_view heading, RealSpan table,
           std::int32_t row_length, std::int32_t& count, IntSpan element_index, IntSpan types,
           IntSpan numbers, std::string_view parameter, std::optional<MergeNote>* note) {
  c.io.newline(LTO);
  c.io.write(LTO, std::string(39, '='));
  c.io.write(LTO, Line().a(heading).f(kMergeTolerance, 8, 6).str());
  c.io.write(LTO, std::string(39, '-'));
  c.io.newline(LTO);
  std::int32_t status = 0;
  const std::int32_t before = count;
  double change = 0;
  ShriPrp01(c.io, table, row_length, count, kMergeTolerance, m.NEL, element_index, types, numbers,
            m.MSKPNP, m.MSCRA, LPU, status, note ? &change : nullptr);
  if (note) *note = MergeNote{before, count, change};
  PTSTRU(c.io, m.MSTRU, parameter, count, LPU, status);
  return status == 0;
}

// Nodes, elements, cross-sections, surface geometries; each group must have
// reached the file before the next is written.
bool write_mesh(Conversion& c, VomarModel& m, std::int32_t nel0) {
  std::int32_t status = 0;
  progress(c, " ... Writing Node info...", true);
  write_nodes(c, m, status);
  if (status != 0 || !written(c, LPUUFO)) return false;
  progress(c, " ... Writing Elem info...", false);
  write_elements(c, m, status);
  if (status != 0 || !written(c, LPUUFO)) return false;
  progress(c, " ... Writing Cross Section info...", true);
  write_cross_sections(c, m, status);
  if (status != 0 || !written(c, LPUUFO)) return false;
  // Surface geometries of cross-sections merged away are left out.
  const FirstPositions kept(leading(ConstIntSpan(m.MEXGEO), m.NGE));
  for (std::int32_t& number : leading(m.MEXBCK, nel0)) {
    if (kept.find(number) == 0) number = 0;
  }
  write_surface_geometries(c, m, nel0, status);
  return status == 0 && written(c, LPUUFO);
}

}  // namespace

std::int32_t finish_vomar_file(Conversion& c, VomarModel& m) {
  std::int32_t status = 0;
  progress(c, " ... Writing Material info...", true);
  if (m.nh > 0) {
    const std::vector<double> k = c.ask.reals_or(kHingePrompt, {1e8, 1e3});
    if (c.notes) {
      c.notes->hinge_axial = k[0];
      c.notes->hinge_bending = k[1];
    }
    add_hinge_materials(c, m, k[0], k[1], status);
  } else if (c.ask.has_given(kHingePrompt)) {  // a batch cannot know in advance
    c.io.write(LTO, " *** --hinge is not used: the model has no hinge elements.");
  }
  write_materials(c, m, status);
  if (c.ask.yes(kSeabedPrompt)) {
    const double level = c.ask.real(kSeabedLevelPrompt);
    if (c.notes) c.notes->seabed_level = level;
    write_seabed(c, m, level, status);
  }
  for (const char* line :
       {"'", " Gravity  1   0  0  -9.81 ", "'", "'", "' ------------- E O F ------------"}) {
    c.io.write(LPUUFO, line);
  }
  return status;
}

Outcome vomar_conversion(Conversion& c) {
  progress(c, " Converting to Vomar......", true);
  open_output_file(c, LPUUFO, kVomarFilePrompt);
  write_identification(c, LPUUFO, kHeader);
  if (!written(c, LPUUFO)) return Outcome::kFailed;
  VomarModel m;
  if (!find_model(c, m) || !build_model_properties(c, m)) return Outcome::kFailed;
  if (c.notes) c.notes->merge_tolerance = kMergeTolerance;
  if (!merge(c, m, " Shrinking Materials  within tol :", m.TMAPA, m.material_row, m.NMA, m.MELMAT,
             m.MATYP, m.MEXMAT, "NMA", c.notes ? &c.notes->materials : nullptr) ||
      !merge(c, m, " Shrinking Geometries within tol :", m.TCRGEO, kCrossSectionRowReals, m.NGE,
             m.MELGEO, m.MGETYP, m.MEXGEO, "NGE", c.notes ? &c.notes->sections : nullptr)) {
    return Outcome::kFailed;
  }
  const std::int32_t nel0 = m.NEL;
  if (c.ask.yes(kCoarsenPrompt)) {
    if (c.before_mesh_changes) c.before_mesh_changes();
    if (!coarsen_mesh(c, m)) return Outcome::kFailed;
  }
  if (!write_mesh(c, m, nel0)) return Outcome::kFailed;
  const std::int32_t status = finish_vomar_file(c, m);
  if (!written(c, LPUUFO)) return Outcome::kFailed;
  return status == 0 ? Outcome::kCompleted : Outcome::kFailedAfterTrailer;
}

}  // namespace velkan
