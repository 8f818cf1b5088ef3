// Identifier maps.
// Routines: IDCODE, IDXIST, IDADD.
#include "store/idmap.h"

#include <string>

#include "lineinput/charutil.h"
#include "platform/consoleunits.h"
#include "platform/numfmt.h"

namespace velkan {
namespace {

enum MapWord { kCapacity = 0, kPrintUnit = 1, kCount = 2, kCaseOption = 3 };
constexpr std::size_t kHeader = 5;

std::int32_t word(ConstIntSpan map, std::size_t i) {
  return i < map.size() ? map[i] : 0;
}

int print_unit(ConstIntSpan map) {
  const std::int32_t lpu = word(map, kPrintUnit);
  return lpu > 0 ? lpu : LTO;
}

// Encodes the trimmed name; false when it is not a legal identifier.
bool prepare(ConstIntSpan map, std::string_view name, std::int32_t& n1, std::int32_t& n2) {
  const int last = LASTNB(name);
  if (last < 1 || last > 8) return false;
  const int first = FRSTNB(name);
  std::string id(
      name.substr(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(last - first + 1)));
  if (word(map, kCaseOption) == 1) UPCASE(id);
  IDCODE(id, n1, n2);
  return n1 >= 0 && n2 >= 0;
}

// Number of the identifier with this pair among the first n, 0 if none.
std::int32_t find(ConstIntSpan map, std::int32_t n1, std::int32_t n2) {
  const std::int32_t count = word(map, kCount);
  for (std::int32_t k = 1; k <= count; ++k) {
    const std::size_t i = kHeader + 2 * static_cast<std::size_t>(k - 1);
    if (i + 1 >= map.size()) break;
    if (map[i] == n1 && map[i + 1] == n2) return k;
  }
  return 0;
}

void report(Units& io, ConstIntSpan map, std::string_view routine, const std::string& detail) {
  const int lpu = print_unit(map);
  io.newline(lpu);
  io.write(lpu, "  *** ERROR IN " + std::string(routine) + "  ***");
  io.newline(lpu);
  io.write(lpu, "  " + detail);
}

}  // namespace

void IDCODE(std::string_view name, std::int32_t& n1, std::int32_t& n2) {
  static constexpr std::int32_t kWeights[4] = {1000000, 10000, 100, 1};
  n1 = 0;
  n2 = 0;
  for (std::size_t i = 0; i < name.size() && i < 8; ++i) {
    const int c = static_cast<unsigned char>(name[i]);
    std::int32_t& n = i < 4 ? n1 : n2;
    if (n < 0) continue;
    n = (c < 33 || c > 126) ? -1 : n + (c - 30) * kWeights[i % 4];
  }
}

std::int32_t IDXIST(Units& io, ConstIntSpan map, std::string_view name) {
  std::int32_t n1 = 0, n2 = 0;
  if (!prepare(map, name, n1, n2)) {
    report(io, map, "IDXIST", "  Illegal Identifier : " + std::string(name));
    return 0;
  }
  return find(map, n1, n2);
}

void IDADD(Units& io, IntSpan map, std::string_view name, std::int32_t& number) {
  const std::int32_t offset = number / 100;
  number = 0;
  std::int32_t n1 = 0, n2 = 0;
  if (!prepare(map, name, n1, n2)) {
    return report(io, map, "IDADD", "  Illegal Identifier : " + std::string(name));
  }
  if (const std::int32_t k = find(map, n1, n2); k > 0) {
    number = k;
    return;
  }
  const std::int32_t count = word(map, kCount);
  const std::size_t slot = kHeader + 2 * static_cast<std::size_t>(count);
  if (count >= word(map, kCapacity) || slot + 1 >= map.size()) {
    return report(
        io, map, "IDADD",
        Line().a("  Number of IDS exceeds maximum of : ").i(word(map, kCapacity), 6).str());
  }
  map[slot] = n1;
  map[slot + 1] = n2;
  map[kCount] = count + 1;
  number = count + 1 + offset;
}

}  // namespace velkan
