// The record layouts of the cross-section and surface-geometry sections.
#include "writer/geometryrecords.h"

#include <algorithm>

#include "platform/nint.h"
#include "platform/numfmt.h"
#include "writer/conventions.h"

namespace velkan {
namespace {

// A row's words, read from 1.
class Words {
 public:
  Words(const RealRows& rows, std::int32_t row) : rows_(rows), row_(row) {}
  double operator()(std::int64_t k) const { return rows_.word(row_, k); }

 private:
  const RealRows& rows_;
  std::int32_t row_;
};

constexpr double kThinLimit = 0.01;     // below it a pipe is written with five decimals
constexpr double kDiam2Limit = 1.0E-8;  // a Diam2 above it is written

// Do, Thick, then Shear_y, Shear_z when significant (or when Diam2 is written), then Diam2.
void write_pipe(Units& io, int unit, GeometrySection section, std::int32_t number, const Words& w) {
  const bool surface = section == GeometrySection::kSurfaces;
  const double d = w(2), thick = w(3), shy = w(4), shz = w(5);
  const double diam2 = surface ? 0.0 : w(6);
  const bool with_diam2 = !surface && diam2 > kDiam2Limit;
  const bool with_shear = with_diam2 || shear_is_significant(shy, shz);
  const bool precise = thick < kThinLimit || d < kThinLimit;
  Line l = record_start(surface ? " SurfPIPE " : " PIPE     ", number);
  if (precise) {
    l.f(d, 14, 5).f(thick, 12, 5);
    if (with_shear) l.f(shy, 8, 2).f(shz, 10, 2);
    if (with_diam2) l.f(diam2, 12, 5);
  } else {
    l.f(d, 12, 3).f(thick, 12, 3);
    if (with_shear) l.f(shy, 10, 2).f(shz, 10, 2);
    if (with_diam2) l.f(diam2, 12, 3);
  }
  io.write(unit, l.str());
}

void put_shear_tail(Line& l, double shear_y, double shear_z) {
  if (shear_is_significant(shear_y, shear_z)) l.f(shear_y, 5, 1).f(shear_z, 5, 1);
}

void write_ihprofile(Units& io, int unit, std::int32_t number, const Words& w) {
  Line l = record_start(" IHPROFIL ", number);
  l.f(w(1), 9, 3).f(w(2), 8, 3).f(w(3), 9, 3).f(w(4), 8, 3).f(w(5), 9, 3).f(w(6), 8, 3);
  put_shear_tail(l, w(7), w(8));
  io.write(unit, l.str());
}

void write_box(Units& io, int unit, GeometrySection section, std::int32_t number, const Words& w) {
  Line l =
      record_start(section == GeometrySection::kSurfaces ? " SurfBOX  " : " BOX      ", number);
  l.f(w(1), 9, 3).f(w(2), 8, 3).f(w(3), 8, 3).f(w(4), 8, 3).f(w(5), 9, 3);
  put_shear_tail(l, w(6), w(7));
  io.write(unit, l.str());
}

// Words 1-4, then 6-9 and 10 on two continuation lines; word 5 is not written.
void write_genbeam(Units& io, int unit, std::int32_t number, const Words& w) {
  Line l = record_start(" GENBEAM  ", number);
  for (int k = 1; k <= 4; ++k) l.e(w(k), 15, 5);
  io.write(unit, l.str());
  l.clear().x(19);
  for (int k = 6; k <= 9; ++k) l.e(w(k), 15, 5);
  io.write(unit, l.str());
  io.write(unit, l.clear().x(19).e(w(10), 15, 5).str());
}

void write_plthick(Units& io, int unit, std::int32_t number, const Words& w) {
  io.write(unit, record_start(" PLTHICK  ", number).f(w(1), 10, 3).str());
}

// H, T-sid, Width (words 1 + 2), T-bot, and Isymm 1 when word 1 < word 2.
void write_lsection(Units& io, int unit, std::int32_t number, const Words& w) {
  Line l = record_start(" LSECTION ", number);
  l.f(w(5), 9, 2).f(w(7), 8, 3).f(w(1) + w(2), 8, 3).f(w(6), 8, 3);
  if (w(1) < w(2)) l.i(1, 6);
  io.write(unit, l.str());
}

// Kind 1 a sphere, kind 4 a pontoon; other kinds have no record.
void write_buoygeo(Units& io, int unit, std::int32_t number, const Words& w) {
  const std::int32_t kind = nint(w(1));
  if (kind != 1 && kind != 4) return;
  Line l = record_start(" BUOYGEO  ", number);
  l.a(kind == 1 ? "     Sphere   " : "     Pontoon  ").f(w(2), 10, 3).i(nint(w(3)), 10);
  io.write(unit, l.str());
}

// A wing profile: its own header and record for kinds 1 and 2, then in every
// case the coefficient line of words m..m+3 and m+5..m+9.
void write_wingprof(Units& io, int unit, std::int32_t number, const Words& w) {
  const std::int64_t m = nint(w(1));
  const std::int32_t kind = nint(w(2));
  if (kind == 1) {
    write_header(io, unit,
                 {kQuoteLine,
                  "'            Geom ID    Type     B      HoB     Thick AeroOffs YDisNose      "
                  "                 "});
    Line l = record_start(" WINGPROF ", number);
    l.a(" Straight ");
    for (int k = 3; k <= 7; ++k) l.f(w(k), 8, 3);
    io.write(unit, l.str());
  } else if (kind == 2) {
    write_header(io, unit,
                 {kQuoteLine,
                  "'            Geom ID     Type    B1     dBdL    HoB    Thick    Twist  AeroOffs "
                  "YDisNose"});
    Line l = record_start(" WINGPROF ", number);
    l.a(" Shaped   ");
    for (int k = 3; k <= 9; ++k) l.f(w(k), 8, 3);
    io.write(unit, l.str());
  }
  Line c;
  c.x(9);
  for (std::int64_t k = m; k <= m + 9; ++k) {
    if (k != m + 4) c.e(w(k), 10, 3);
  }
  io.write(unit, c.str());
}

}  // namespace

bool shear_is_significant(double shear_y, double shear_z) {
  const bool above = shear_y > kSignificant || shear_z > kSignificant;
  return above && !(shear_y == 1.0 && shear_z == 1.0);
}

bool is_geometry_code(GeometrySection section, std::int32_t code) {
  if (code == 6) return section == GeometrySection::kCrossSections;
  return std::find(std::begin(kGeometryCodes), std::end(kGeometryCodes), code) !=
         std::end(kGeometryCodes);
}

void write_geometry_header(Units& io, int unit, GeometrySection section, std::int32_t code) {
  std::string_view caption;
  switch (code) {
    case 1:
      caption =
          section == GeometrySection::kSurfaces
              ? "'            Geom ID       Do         Thick    Shear_y   Shear_z "
              : "'            Geom ID       Do         Thick   (Shear_y   Shear_z      Diam2 )";
      break;
    case 2:
      caption = "'            Geom ID     H     T-web    W-top   T-top    W-bot   T-bot Sh_y Sh_z ";
      break;
    case 3:
      caption = "'            Geom ID     H     T-sid   T-bot   T-top   Width   Sh_y Sh_z ";
      break;
    case 4:
      caption = "'            Geom ID     ";
      break;
    case 10:
      caption = "'            Geom ID     Thick";
      break;
    case 5:
      caption = "'            Geom ID     H     T-sid   Width   T-bot   Isymm";
      break;
    case 11:
      caption = "'            Geom ID     Type      Diam or Depth  Model ";
      break;
    default:
      return;
  }
  write_header(io, unit, {kQuoteLine, caption});
}

void write_geometry(Units& io, int unit, GeometrySection section, std::int32_t code,
                    std::int32_t number, const RealRows& rows, std::int32_t row) {
  const Words w(rows, row);
  switch (code) {
    case 1:
      return write_pipe(io, unit, section, number, w);
    case 2:
      return write_ihprofile(io, unit, number, w);
    case 3:
      return write_box(io, unit, section, number, w);
    case 4:
      return write_genbeam(io, unit, number, w);
    case 10:
      return write_plthick(io, unit, number, w);
    case 5:
      return write_lsection(io, unit, number, w);
    case 11:
      return write_buoygeo(io, unit, number, w);
    case 6:
      if (section == GeometrySection::kCrossSections) write_wingprof(io, unit, number, w);
      return;
    default:
      return;
  }
}

}  // namespace velkan
