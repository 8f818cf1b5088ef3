// The cross-section and material builder. Every value is evaluated in the
// order written, so equal listings give bit-equal rows for the merging.
// Routines: MKPROP.
#include "process/propertybuilder.h"

#include <cmath>
#include <string>

#include "platform/consoleunits.h"
#include "platform/numfmt.h"
#include "process/errorreport.h"
#include "store/indexchecks.h"

namespace velkan {
namespace {

constexpr std::int32_t kWordsRead = 27;  // ELPROP words used, up to W27

// Words of one element's property row (word k is row[k-1]).
struct PropRow {
  RealSpan row;
  double w(int k) const { return row.get(static_cast<std::size_t>(k - 1)); }
};

void fill_cross_section(RealSpan g, const PropRow& p) {
  const double w1 = p.w(1), w2 = p.w(2), w4 = p.w(4), w9 = p.w(9);
  g[0] = w4 / kRefModulus;
  g[1] = (w1 / kRefModulus) * 1000.0;
  g[2] = w1 / kRefModulus;
  g[3] = w2 / kRefModulus;
  g[4] = 0.0;
  g[5] = ((w1 / kRefModulus) * 1000.0) * 1000.0;
  g[6] = w1 / kRefModulus;
  g[7] = w2 / kRefModulus;
  g[8] = w4 / kRefModulus;
  g[9] = w4 / kRefModulus;
  g[10] = 0.0;
  g[11] = 0.0;
  g[20] = w9 - (w9 / 20.0) * 2.0;
  g[21] = w9;
  g[22] = w9 / 20.0;
  g[23] = 0.0;
  g[24] = 0.0;
}

void fill_surface(RealSpan s, const PropRow& p) {
  const double w9 = p.w(9);
  s[0] = w9 - (w9 / 20.0) * 2.0;
  s[1] = w9;
  s[2] = w9 / 20.0;
  s[3] = 0.0;
  s[4] = 0.0;
}

// Mass per length, with the internal fluid, over the axial stiffness scaled
// by the reference modulus.
double density(const PropRow& p) {
  const double w4 = p.w(4), w5 = p.w(5), w8 = p.w(8), w27 = p.w(27);
  return ((w8 * kPi * w8 * w27 * 0.25) + w5) / (w4 / kRefModulus);
}

void fill_material(RealSpan m, const PropRow& p, bool hinge) {
  if (hinge) {
    for (std::size_t k = 0; k < kBuiltMaterialRowReals; ++k) m[k] = 0.0;
    return;
  }
  m[0] = kRefModulus;
  m[1] = kPoisson;
  m[2] = kSecondModulus;
  m[3] = density(p);
  m[4] = 0.0;
  m[5] = 0.0;
}

bool tables_fit(std::int64_t nel, std::int32_t mxgepr, std::int32_t mxmapr, RealSpan elprop,
                RealSpan tcrgeo, RealSpan tsugeo, RealSpan tmapa,
                std::initializer_list<std::size_t> int_sizes) {
  if (mxgepr < kWordsRead || mxmapr < kBuiltMaterialRowReals) return false;
  for (const std::size_t n : int_sizes) {
    if (!has_room(n, nel)) return false;
  }
  const std::int64_t geo = nel * mxgepr;
  return has_room(elprop.size(), geo) && has_room(tcrgeo.size(), nel * kCrossSectionRowReals) &&
         has_room(tsugeo.size(), nel * kSurfaceRowReals) && has_room(tmapa.size(), nel * mxmapr);
}

// Why an element cannot be built, as the line that says so ("" when it can):
// a zero axial stiffness, or a density that would not be finite (a diameter
// or a mass near the end of the range of numbers, or an axial stiffness so
// small that dividing by it overflows). The other values of the rows are the
// listing's numbers, scaled down or of their own size, or the hinge values,
// and stay finite.
std::string refusal(const PropRow& p, bool hinge, std::int32_t element) {
  if (hinge) return {};  // an all-zero material
  if (p.w(4) == 0.0) {
    return Line().a("   Zero axial stiffness (EA) of element:").i(element, 10).str();
  }
  if (!std::isfinite(density(p))) {
    return Line().a("   Material density not finite of element:").i(element, 10).str();
  }
  return {};
}

// The error block on the message unit and on the console (once when they are one).
void report_both(Units& io, int lpu, std::string_view detail) {
  report_error(io, lpu, "MKPROP", {detail});
  if (lpu != LTO && lpu != 0) report_error(io, LTO, "MKPROP", {detail});
}

}  // namespace

void MKPROP(Units& io, std::int32_t NEL, std::int32_t /*NNP*/, RealSpan ELPROP, RealSpan TCRGEO,
            RealSpan TMAPA, IntSpan MGETYP, IntSpan MATYP, IntSpan MELGEO, IntSpan MELMAT,
            IntSpan MEXGEO, IntSpan MEXMAT, std::int32_t /*NGE*/, std::int32_t& NMA,
            std::int32_t MXGEPR, std::int32_t MXMAPR, RealSpan TSUGEO, IntSpan MSUTYP,
            ConstIntSpan MHINGE, ConstIntSpan MELEX, int LPU, std::int32_t& status) {
  const std::int64_t nel = NEL > 0 ? NEL : 0;
  if (!tables_fit(nel, MXGEPR, MXMAPR, ELPROP, TCRGEO, TSUGEO, TMAPA,
                  {MGETYP.size(), MATYP.size(), MELGEO.size(), MELMAT.size(), MEXGEO.size(),
                   MEXMAT.size(), MSUTYP.size(), MHINGE.size(), MELEX.size()})) {
    report_both(io, LPU, Line().a("   Property tables too short for elements:").i(NEL, 10).str());
    status = -1;
    return;
  }
  const auto prop_row = [&](std::size_t i) { return ELPROP.subspan(i * MXGEPR, MXGEPR); };
  for (std::size_t i = 0; i < count_of(nel); ++i) {
    if (const std::string why = refusal(PropRow{prop_row(i)}, MHINGE[i] == 1, MELEX[i]);
        !why.empty()) {
      report_both(io, LPU, why);
      status = -1;
      return;
    }
  }
  for (std::size_t i = 0; i < count_of(nel); ++i) {
    const PropRow p{prop_row(i)};
    const bool hinge = MHINGE[i] == 1;
    fill_cross_section(TCRGEO.subspan(i * kCrossSectionRowReals, kCrossSectionRowReals), p);
    fill_surface(TSUGEO.subspan(i * kSurfaceRowReals, kSurfaceRowReals), p);
    fill_material(TMAPA.subspan(i * MXMAPR, MXMAPR), p, hinge);
    const auto e = static_cast<std::int32_t>(i + 1);
    MGETYP[i] = kGenBeamType;
    MSUTYP[i] = kSurfPipeType;
    MATYP[i] = hinge ? kSpringRefType : kIsoMaterialType;
    MELGEO[i] = e;
    MELMAT[i] = e;
    MEXGEO[i] = e;
    MEXMAT[i] = e;
  }
  NMA = NEL;
}

}  // namespace velkan
