// The Shear7 export: the file and the scaling factor asked for, the
// effective tensions read in a fifth pass over the listing, the point table
// (S7WRIT) and the identification lines and trailer.
#include "driver/shear7export.h"

#include <algorithm>

#include "driver/outputfile.h"
#include "driver/prompttexts.h"
#include "driver/shear7points.h"
#include "listing/listing.h"
#include "listing/propertytables.h"
#include "listing/resulttable.h"
#include "store/arraylookup.h"
#include "store/arrayviews.h"

namespace velkan {
namespace {

// The first of the result tables the reader knows; the only one exported.
constexpr std::string_view kEffectiveTensions = kResultTitles[0];
constexpr std::string_view kHeader = "#== FlexCom -> Shear7. Velkan/1.3. K.Tovrik 2006 ==";

}  // namespace

Outcome shear7_export(Conversion& c) {
  open_output_file(c, LPUS7, kShear7FilePrompt);
  double scale = c.ask.real_or(kScalePrompt, 1.0);
  c.io.write(LTO, " ... Reading Effective Tension       ");
  std::int32_t status = 0;
  const std::int64_t results = 3 * static_cast<std::int64_t>(c.nel);
  const std::int32_t elres_at = book_array(c.io, c.wa, "ELRES", results, "STRU", "RE", LPU, status);
  // Room for the NEL+1 points also when a closed loop has fewer nodes than that.
  const std::int64_t points = std::max<std::int64_t>(c.nnp, static_cast<std::int64_t>(c.nel) + 1);
  const RealSpan s7data = book_reals(c.io, c.wa, "S7DATA", 3 * points, "STRU", LPU, status);
  if (status != 0) return Outcome::kFailed;
  // Elements without a result row read as zeros, never as leftover memory;
  // cleared before it is viewed, so fresh storage is not written with zeros.
  ARZERO(c.io, c.wa, "ELRES", LPU, status);
  const RealSpan elres = real_view(c.wa, elres_at, results);
  TRX_OPEN(c.io, LRUSTD, LTO, status);
  TRX_GtERes(c.io, c.wa, kEffectiveTensions, elres, LRUSTD, LTO, LPU, status);
  // The tensions must come from the listing that the model came from.
  if (!c.listing_state.unchanged(c.io, LRUSTD, LTO, LPU) || status != 0) return Outcome::kFailed;
  c.io.write(LTO, " ... Reading Effective Tension done  ");
  // A factor that takes a tension beyond the range of numbers is asked for
  // again: the file would hold no number there.
  while (!tensions_scale_finitely(c.nel, elres, scale)) {
    c.io.write(LTO, " *** Tensions times this factor would be beyond 1E308, please answer again.");
    scale = c.ask.real_or(kScalePrompt, 1.0);
  }
  if (c.notes) c.notes->shear7_scale = scale;
  const RealSpan elprop = find_leading_reals(c.io, c.wa, "ELPROP",
                                             std::int64_t{c.nel} * kPropertyRowReals, LPU, status);
  const ConstIntSpan melex = find_ints(c.io, c.wa, "MELEX", LPU, status);
  if (status != 0) return Outcome::kFailed;
  S7WRIT(c.io, c.nel, c.nnp, elres, elprop, kPropertyRowReals, scale, s7data, melex, LPUS7, LPU,
         status);
  if (status != 0 || !written(c, LPUS7)) return Outcome::kFailed;
  write_identification(c, LPUS7, kHeader);
  c.io.write(LPUS7, "# -------------- E O F ------------");
  return written(c, LPUS7) ? Outcome::kCompleted : Outcome::kFailed;
}

}  // namespace velkan
