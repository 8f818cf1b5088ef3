// Generated sea-bed model: opening block, five lines per sea-bed node, and the
// closing block with the node list.
// Routines: UWRSEA.
#include "writer/seabedmodel.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/numfmt.h"
#include "writer/modelread.h"

namespace velkan {
namespace {

constexpr double kLevelTolerance = 1.0E-10;
constexpr std::size_t kTailLength = 40;
constexpr std::size_t kNodesPerListLine = 10;

constexpr std::string_view kOpening[] = {
    "'",
    "' =============================================",
    "'    S e a B e d   M o d e l                   ",
    "' ---------------------------------------------",
    "'",
    "'           ID   Typ    data   ",
    " TimeHist 99999 Point 0 1 100 1 ",
    "'",
    "'        MaID    P      Delta ",
};

// The shared curve, after its number.
constexpr std::string_view kSharedCurve[] = {
    " -1E6     -1     ",
    "                  0        0     ",
    "                  1E1      1E-5  ",
    "                  1E1      1     ",
    "'",
};

constexpr std::string_view kClosing[] = {
    "'",
    "' =============================================",
    "'    E n d   S e a B e d   M o d e l           ",
    "' ---------------------------------------------",
    "'",
    "' =============================================",
    "'    Fix Seabed nodes if necessary             ",
    "' ---------------------------------------------",
    "'",
    "#Chg_Boun   1 1 1 1 1 1 Node ",
};

std::string tail(std::string_view text) {
  std::string s(text);
  s.resize(kTailLength, ' ');
  return s;
}

void write_opening(Units& io, int unit, std::int64_t shared_curve) {
  for (const std::string_view line : kOpening) io.write(unit, line);
  io.write(unit, " HypElast " + std::to_string(shared_curve) + std::string(kSharedCurve[0]));
  for (const std::string_view line : std::span(kSharedCurve).subspan(1)) io.write(unit, line);
}

void write_node_block(Units& io, int unit, std::int64_t n, const SeabedNumbering& numbers,
                      const std::string& reference_tail, const std::string& curve_tail) {
  const std::int64_t s = n + numbers.spring_offset;
  const std::int64_t m = n + numbers.curve_offset;
  Line l;
  io.write(unit, "'");
  io.write(unit, l.a(" Sprng2Gr ").i(s, 10).i(n, 10).i(s, 10).str());
  io.write(unit, l.clear().a(" MREF     ").i(s, 10).i(m, 10).i(m, 10).a(reference_tail).str());
  io.write(unit, l.clear().a(" HypElast ").i(m, 10).a(curve_tail).str());
  io.write(unit,
           l.clear().a(" TimDepMat 99999 ").i(m, 10).a("  -987 ").i(s, 10).a(" 3    0.1  ").str());
}

// Ten numbers to a line behind "#"; the last line holds the remainder, so it
// is a lone "#" when the count is a multiple of ten.
void write_node_list(Units& io, int unit, const std::vector<std::int32_t>& nodes) {
  Line l;
  l.a("#");
  for (std::size_t k = 0; k < nodes.size(); ++k) {
    l.i(nodes[k], 7);
    if ((k + 1) % kNodesPerListLine == 0) {
      io.write(unit, l.str());
      l.clear().a("#");
    }
  }
  io.write(unit, l.str());
}

}  // namespace

std::vector<std::int32_t> seabed_nodes(double zmax, std::int32_t NNP, RealSpan TCOORD,
                                       ConstIntSpan MNPEX) {
  const RealRows coords(TCOORD, 3);
  std::vector<std::int32_t> seabed;
  for (std::int32_t i = 1; i <= NNP; ++i) {
    // A node without stored coordinates or number is not a sea-bed node.
    if (!is_position(MNPEX, i) || static_cast<std::uint64_t>(i) * 3 > TCOORD.size()) break;
    if (!(coords.word(i, 3) - kLevelTolerance <= zmax)) continue;
    seabed.push_back(entry_or_zero(MNPEX, i));
  }
  return seabed;
}

void UWRSEA(Units& io, double zmax, std::int32_t NNP, RealSpan TCOORD, ConstIntSpan MNPEX,
            const SeabedNumbering& numbers, int unit, std::int32_t& /*status*/) {
  std::string reference(1, ' ');
  reference.append(std::to_string(numbers.shared_curve)).append("    0    0    0  ");
  const std::string reference_tail = tail(reference);
  const std::string curve_tail = tail(" -1.0E1 -1.0  1.0E1  1.0");
  write_opening(io, unit, numbers.shared_curve);
  const std::vector<std::int32_t> seabed = seabed_nodes(zmax, NNP, TCOORD, MNPEX);
  for (const std::int32_t n : seabed) {
    write_node_block(io, unit, n, numbers, reference_tail, curve_tail);
  }
  for (const std::string_view line : kClosing) io.write(unit, line);
  write_node_list(io, unit, seabed);
  io.write(unit, "'");
  io.write(unit, "'");
}

}  // namespace velkan
