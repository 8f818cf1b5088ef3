// The Shear7 point table (S7WRIT).
#include "driver/shear7points.h"

#include <cmath>

#include "platform/consoleunits.h"
#include "platform/numfmt.h"

namespace velkan {
namespace {

constexpr double kPi = static_cast<double>(3.14159f);
constexpr double kSeaWater = 1025.0;
constexpr double kNoTension = 1e37;  // the smallest tension before any element

void report_s7writ(Units& io, int lpu, std::string_view detail) {
  for (const int unit : {lpu, LTO}) {
    io.newline(unit);
    io.write(unit, "  *** ERROR IN S7WRIT ***");
    io.write(unit, detail);
  }
}

// The smallest tension at the first ends of the elements.
double smallest_tension(std::size_t nel, RealSpan elres) {
  double tmin = kNoTension;
  for (std::size_t e = 0; e < nel; ++e) {
    const double t1 = elres.get(3 * e);
    if (t1 < tmin) tmin = t1;
  }
  return tmin;
}

// The first value of the point table that is not finite, as the line that
// names it and its element; "" when every value is finite.
std::string first_value_not_finite(RealSpan s7data, std::size_t points, ConstIntSpan melex) {
  constexpr const char* kValues[] = {
      "   Length coordinate not finite at element:", "   Scaled tension not finite of element:",
      "   Mass per length not finite of element:"};
  for (std::size_t p = 0; p < points; ++p) {
    for (std::size_t k = 0; k < 3; ++k) {
      if (std::isfinite(s7data.get(3 * p + k))) continue;
      const std::size_t e = p + 1 < points ? p : p - 1;  // the last point ends the last element
      return Line().a(kValues[k]).i(e < melex.size() ? melex[e] : 0, 10).str();
    }
  }
  return {};
}

}  // namespace

bool tensions_scale_finitely(std::int32_t nel, RealSpan elres, double scale) {
  const auto n = static_cast<std::size_t>(nel > 0 ? nel : 0);
  if (elres.size() < 3 * n) return true;  // S7WRIT refuses such a table and writes none
  if (!std::isfinite(smallest_tension(n, elres) * scale)) return false;
  for (std::size_t e = 0; e < n; ++e) {
    if (!std::isfinite(elres.get(3 * e) * scale)) return false;
  }
  return n == 0 || std::isfinite(elres.get(3 * n - 1) * scale);
}

void S7WRIT(Units& io, std::int32_t nel, std::int32_t nnp, RealSpan elres, RealSpan elprop,
            std::int32_t mxgepr, double scale, RealSpan s7data, ConstIntSpan MELEX, int unit,
            int lpu, std::int32_t& status) {
  (void)nnp;
  const auto points = static_cast<std::size_t>(nel) + 1;
  if (nel < 0 || s7data.size() < 3 * points || elres.size() < 3 * static_cast<std::size_t>(nel) ||
      elprop.size() < static_cast<std::size_t>(nel) * static_cast<std::size_t>(mxgepr) ||
      mxgepr < 19) {
    status = -1;
    return;
  }
  double s = 0.0;
  for (std::size_t e = 0; e < static_cast<std::size_t>(nel); ++e) {
    const double t1 = elres.get(3 * e);
    const auto w = [&](int k) {
      return elprop.get(e * static_cast<std::size_t>(mxgepr) + static_cast<std::size_t>(k - 1));
    };
    const double mass = w(5) + ((((w(9) * w(9)) * 0.25) * kPi) * kSeaWater) * w(19);
    s7data.set(3 * e, s);
    s7data.set(3 * e + 1, t1 * scale);
    s7data.set(3 * e + 2, mass);
    s += w(7);
    if (e + 1 == static_cast<std::size_t>(nel)) {
      s7data.set(3 * e + 3, s);
      s7data.set(3 * e + 4, elres.get(3 * e + 2) * scale);
      s7data.set(3 * e + 5, mass);
    }
  }
  if (s == 0.0) {
    report_s7writ(io, lpu,
                  "      The elements have a total length of 0: no Shear7 points written.");
    status = -1;
    return;
  }
  for (std::size_t p = 0; p < points; ++p) s7data.set(3 * p, s7data.get(3 * p) / s);
  // The smallest tension is finite when every scaled tension is: it is one of
  // them, or below them all.
  if (const std::string bad = first_value_not_finite(s7data, points, MELEX); !bad.empty()) {
    report_s7writ(io, lpu, bad);
    status = -1;
    return;
  }
  Line line;
  for (std::size_t p = 0; p < points; ++p) {
    line.clear()
        .e(s7data.get(3 * p), 12, 4)
        .e(s7data.get(3 * p + 1), 12, 4)
        .e(s7data.get(3 * p + 2), 12, 4);
    io.write(unit, line.str());
  }
  io.write(unit, "# ");
  io.write(unit, Line().a("# Number of Points : ").i(nel + 1, 6).str());
  io.write(unit, Line()
                     .a("# Smallest Tension : ")
                     .e(smallest_tension(static_cast<std::size_t>(nel), elres) * scale, 12, 4)
                     .str());
  io.write(unit, Line().a("# Tension ScaleFact: ").e(scale, 12, 4).str());
}

}  // namespace velkan
