// The Shear7 point table (S7WRIT).
#include "driver/shear7points.h"

#include "platform/consoleunits.h"
#include "platform/numfmt.h"

namespace velkan {
namespace {

constexpr double kPi = static_cast<double>(3.14159f);
constexpr double kSeaWater = 1025.0;

void report_zero_length(Units& io, int lpu) {
  for (const int unit : {lpu, LTO}) {
    io.newline(unit);
    io.write(unit, "  *** ERROR IN S7WRIT ***");
    io.write(unit, "      The elements have a total length of 0: no Shear7 points written.");
  }
}

}  // namespace

void S7WRIT(Units& io, std::int32_t nel, std::int32_t nnp, RealSpan elres, RealSpan elprop,
            std::int32_t mxgepr, double scale, RealSpan s7data, int unit, int lpu,
            std::int32_t& status) {
  (void)nnp;
  const auto points = static_cast<std::size_t>(nel) + 1;
  if (nel < 0 || s7data.size() < 3 * points || elres.size() < 3 * static_cast<std::size_t>(nel) ||
      elprop.size() < static_cast<std::size_t>(nel) * static_cast<std::size_t>(mxgepr) ||
      mxgepr < 19) {
    status = -1;
    return;
  }
  double s = 0.0;
  double tmin = 1e37;
  for (std::size_t e = 0; e < static_cast<std::size_t>(nel); ++e) {
    const double t1 = elres.get(3 * e);
    if (t1 < tmin) tmin = t1;
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
    report_zero_length(io, lpu);
    status = -1;
    return;
  }
  Line line;
  for (std::size_t p = 0; p < points; ++p) {
    s7data.set(3 * p, s7data.get(3 * p) / s);
    line.clear()
        .e(s7data.get(3 * p), 12, 4)
        .e(s7data.get(3 * p + 1), 12, 4)
        .e(s7data.get(3 * p + 2), 12, 4);
    io.write(unit, line.str());
  }
  io.write(unit, "# ");
  io.write(unit, Line().a("# Number of Points : ").i(nel + 1, 6).str());
  io.write(unit, Line().a("# Smallest Tension : ").e(tmin * scale, 12, 4).str());
  io.write(unit, Line().a("# Tension ScaleFact: ").e(scale, 12, 4).str());
}

}  // namespace velkan
