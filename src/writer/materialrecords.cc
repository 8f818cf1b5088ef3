// The record layouts of the material section.
#include "writer/materialrecords.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "platform/nint.h"
#include "platform/numfmt.h"
#include "writer/conventions.h"

namespace velkan {
namespace {

constexpr int kSpringOrder = 6;
constexpr int kElastoPlasticCurve = 4;  // curve kind written as ELPLCURV
constexpr int kFirstCurveWord = 9;      // curve points (P, Delta) start at word 9

// A record of `keyword`, a literal and words 1..last as 1P E11.3 (codes 10 and 12).
void write_typed(Units& io, int unit, std::string_view literal, std::int32_t number,
                 const RealRows& rows, std::int32_t row, int last) {
  Line l = record_start(" MATERIAL ", number);
  l.a(literal);
  for (int k = 1; k <= last; ++k) l.e(rows.word(row, k), 11, 3);
  io.write(unit, l.str());
}

void write_misoiep(Units& io, int unit, std::int32_t number, const RealRows& rows,
                   std::int32_t row) {
  Line l = record_start(" MISOIEP  ", number);
  for (int k = 1; k <= 5; ++k) l.e(rows.word(row, k), 12, 3);
  io.write(unit, l.str());
}

// Full matrix: six lines of six words; diagonal: words 1, 8, 15 and 22, 29, 36.
void write_spring(Units& io, int unit, std::int32_t number, const RealRows& rows,
                  std::int32_t row) {
  if (spring_is_full(rows, row)) {
    io.write(unit, record_start(" SPRIFULL ", number).str());
    for (int col = 0; col < kSpringOrder; ++col) {
      Line l;
      l.x(8);
      for (int k = 1; k <= kSpringOrder; ++k) l.e(rows.word(row, col * kSpringOrder + k), 13, 5);
      io.write(unit, l.str());
    }
    return;
  }
  Line l = record_start(" SPRIDIAG ", number);
  for (int k : {1, 8, 15}) l.e(rows.word(row, k), 15, 5);
  io.write(unit, l.str());
  l.clear().x(19);
  for (int k : {22, 29, 36}) l.e(rows.word(row, k), 15, 5);
  io.write(unit, l.str());
}

// Keyword line, then one line per curve point. The point count is word 8
// truncated, limited to the points the row holds.
void write_curve(Units& io, int unit, std::int32_t number, const RealRows& rows, std::int32_t row) {
  const bool elastoplastic = truncated_int(rows.word(row, 1)) == kElastoPlasticCurve;
  io.write(unit, record_start(elastoplastic ? " ELPLCURV " : " HYPELAST ", number).str());
  const std::int64_t room =
      (static_cast<std::int64_t>(rows.row_length()) - kFirstCurveWord + 1) / 2;
  const std::int64_t points = std::min<std::int64_t>(truncated_int(rows.word(row, 8)), room);
  for (std::int64_t j = 0; j < points; ++j) {
    const std::int64_t k = kFirstCurveWord + 2 * j;
    Line l;
    l.x(25).e(rows.word(row, k), 15, 5).e(rows.word(row, k + 1), 15, 5);
    io.write(unit, l.str());
  }
}

// Six references, words 1-6 rounded: a positive one is a material index and is
// written as that material's number, others as they stand.
void write_mref(Units& io, int unit, std::int32_t number, const RealRows& rows, std::int32_t row,
                ConstIntSpan MEXMAT) {
  Line l = record_start(" MREF     ", number);
  for (int k = 1; k <= 6; ++k) {
    l.i(external_or_index(MEXMAT, nint(rows.word(row, k))), 9);
  }
  io.write(unit, l.str());
}

}  // namespace

bool spring_is_full(const RealRows& rows, std::int32_t row) {
  double off_diagonal = 0.0;
  for (int col = 0; col < kSpringOrder; ++col) {
    for (int r = 0; r < kSpringOrder; ++r) {
      if (r != col) off_diagonal += std::fabs(rows.word(row, col * kSpringOrder + r + 1));
    }
  }
  return off_diagonal >= kSignificant;
}

void write_material_header(Units& io, int unit, std::int32_t code) {
  std::string_view caption;
  switch (code) {
    case 10:
      caption =
          "'            Mat  ID  MaTyp    E-mod       Poiss     Dummy      Density   ThermX  ";
      break;
    case 1:
      caption = "'            Mat  ID     E-mod       Poiss     Yield      Density     ThermX  ";
      break;
    case 5:
      caption = "'            Mat  ID          S P R I N G    C H A R.";
      break;
    case 2:
      caption = "'            Mat  ID               P           Delta ";
      break;
    case 3:
      caption = "'            Mat  ID          S P R I N G    R E F S.";
      break;
    case 12:
      caption = "'            Mat  ID  MaTyp    { Data ............ }";
      break;
    default:
      return;
  }
  write_header(io, unit, {kQuoteLine, caption});
}

void write_material(Units& io, int unit, std::int32_t code, std::int32_t number,
                    const RealRows& rows, std::int32_t row, ConstIntSpan MEXMAT) {
  switch (code) {
    case 10:
      return write_typed(io, unit, "  Elastic", number, rows, row, 5);
    case 1:
      return write_misoiep(io, unit, number, rows, row);
    case 5:
      return write_spring(io, unit, number, rows, row);
    case 2:
      return write_curve(io, unit, number, rows, row);
    case 3:
      return write_mref(io, unit, number, rows, row, MEXMAT);
    case 12:
      return write_typed(io, unit, "  CompS  ", number, rows, row, 7);
    default:
      return;
  }
}

}  // namespace velkan
