// Array names in the DMS: encoding, the name table, lookup and definition by name.
// Routines: DMSNCV, DMSFND, DMSNST, DMSNUM, DMSAIN, DMSDFN.
#include "store/dmsnames.h"

#include "platform/int32arith.h"
#include "store/dmsallocation.h"
#include "store/dmsheader.h"
#include "store/dmsmessages.h"
#include "store/dmssetup.h"

namespace velkan {
namespace {

using dms::get;
using dms::put;

// Reports through reporter 1 with the header's print unit and error counter.
void report(Units& io, WorkArray& wa, int code, std::string_view name, std::int32_t v1,
            std::int32_t label) {
  std::int32_t errors = get(wa, dms::kErrors);
  DMSER1(io, code, name, v1, 0, label, get(wa, dms::kPrintUnit), errors);
  put(wa, dms::kErrors, errors);
}

IntSpan name_table(WorkArray& wa) {
  const std::int32_t nt = dms::item(wa, dms::kNameTable);
  if (nt <= 0) return {};
  return wa.ints(nt, 2 * static_cast<std::int64_t>(dms::slots(wa)));
}

// Encodes `name`; false (with the encoding error reported) when it is illegal.
bool encode(Units& io, WorkArray& wa, std::string_view name, std::int32_t label, std::int32_t& n1,
            std::int32_t& n2) {
  const std::int32_t before = DMSSTA(wa);
  DMSNCV(io, wa, name, label, n1, n2);
  return DMSSTA(wa) == before;
}

std::int32_t words_per_element(const WorkArray& wa, std::int32_t k) {
  return DMSGET(wa, kColWords, k);
}

// Defines array k and stores its name pair; false when the definition failed.
bool define(Units& io, WorkArray& wa, std::int32_t k, std::int32_t dim, std::int32_t words,
            std::int32_t label, std::int32_t n1, std::int32_t n2) {
  std::int32_t status = 0;
  DMSDFA(io, wa, k, dim, words, label, status);
  if (status != 0) return false;
  DMSNST(k, n1, n2, name_table(wa));
  return true;
}

void define_implicit(Units& io, WorkArray& wa, std::string_view name, std::int32_t dim,
                     std::int32_t words, std::int32_t label, std::int32_t n1, std::int32_t n2) {
  const std::int32_t m = dms::slots(wa);
  const std::int32_t c = dms::table(wa, 1);
  if (c < 11 || dms::item(wa, dms::kNameTable) <= 0) return report(io, wa, 16, name, 0, label);
  if (c > m) return report(io, wa, 18, name, m, label);
  const std::int32_t other = DMSFND(name_table(wa), n1, n2);
  if (other != 0) return report(io, wa, 17, name, other, label);
  if (!define(io, wa, c, dim, words, label, n1, n2)) return;
  dms::set_table(wa, 3, c);
  dms::set_table(wa, 1, c + 1);
}

void define_explicit(Units& io, WorkArray& wa, std::string_view name, std::int32_t k,
                     std::int32_t dim, std::int32_t words, std::int32_t label, std::int32_t n1,
                     std::int32_t n2) {
  const bool defined = words_per_element(wa, k) > 0;
  if (!defined && (dms::item(wa, dms::kNameTable) <= 0 || dms::table(wa, 1) != 0)) {
    return report(io, wa, 19, name, 0, label);
  }
  const std::int32_t other = DMSFND(name_table(wa), n1, n2);
  if (other != 0 && (!defined || other != k)) return report(io, wa, 17, name, other, label);
  if (!define(io, wa, k, dim, words, label, n1, n2)) return report(io, wa, 51, name, 0, label);
  if (!defined && k > dms::table(wa, 3)) dms::set_table(wa, 3, k);
}

}  // namespace

void DMSNCV(Units& io, WorkArray& wa, std::string_view name, std::int32_t label, std::int32_t& n1,
            std::int32_t& n2) {
  if (name.size() > 8) return report(io, wa, 11, name, 0, label);
  const bool fold = dms::item(wa, dms::kNameTable) > 0 && dms::table(wa, 2) == 1;
  static constexpr std::int32_t kWeights[4] = {1000000, 10000, 100, 1};
  n1 = 0;
  n2 = 0;
  for (std::size_t i = 0; i < name.size(); ++i) {
    int c = static_cast<unsigned char>(name[i]);
    if (c < 33 || c > 126) return report(io, wa, 12, name, 0, label);
    if (fold && c >= 'a' && c <= 'z') c -= 32;
    (i < 4 ? n1 : n2) += (c - 30) * kWeights[i % 4];
  }
}

std::int32_t DMSFND(ConstIntSpan table, std::int32_t n1, std::int32_t n2) {
  if (table.size() < 3) return 0;
  const std::int64_t last =
      std::min<std::int64_t>(table[2], static_cast<std::int64_t>(table.size() / 2));
  for (std::int64_t k = 11; k <= last; ++k) {
    const auto i = static_cast<std::size_t>(2 * k - 2);
    if (table[i] == n1 && table[i + 1] == n2) return static_cast<std::int32_t>(k);
  }
  return 0;
}

void DMSNST(std::int32_t number, std::int32_t n1, std::int32_t n2, IntSpan table) {
  const std::int64_t i = 2 * static_cast<std::int64_t>(number) - 2;
  if (number < 1 || i + 1 >= static_cast<std::int64_t>(table.size())) return;
  table[static_cast<std::size_t>(i)] = n1;
  table[static_cast<std::size_t>(i + 1)] = n2;
}

std::int32_t DMSNUM(Units& io, WorkArray& wa, std::string_view name, std::int32_t label) {
  std::int32_t n1 = 0, n2 = 0;
  if (!encode(io, wa, name, label, n1, n2)) {
    report(io, wa, 51, name, 0, label);
    return 0;
  }
  return DMSFND(name_table(wa), n1, n2);
}

std::int32_t DMSAIN(Units& io, WorkArray& wa, std::string_view name, std::int32_t code) {
  const std::int32_t lpu = get(wa, dms::kPrintUnit);
  const std::int32_t errors = get(wa, dms::kErrors);
  put(wa, dms::kPrintUnit, 0);
  std::int32_t n1 = 0, n2 = 0;
  const bool legal = encode(io, wa, name, 0, n1, n2);
  std::int32_t result = -1;
  const std::int32_t k = legal && n1 != 0 ? DMSFND(name_table(wa), n1, n2) : 0;
  if (k > 0) {
    const bool secondary = get(wa, dms::kSecondary) > 0;
    switch (code) {
      case 1:
        result = DMSGET(wa, kColDim, k);
        break;
      case 2:
        result = DMSGET(wa, kColWords, k);
        break;
      case 3:
        result = DMSGET(wa, kColStart, k);
        break;
      case 4:
      case 5:
        result = secondary ? DMSGET(wa, 5 + code, k) : 0;
        break;
      default:
        result = 0;
        break;
    }
  }
  put(wa, dms::kPrintUnit, lpu);
  put(wa, dms::kErrors, errors);
  return result;
}

void DMSDFN(Units& io, WorkArray& wa, std::string_view name, std::int32_t number, std::int32_t dim,
            std::int32_t words, std::int32_t label) {
  std::int32_t n1 = 0, n2 = 0;
  if (!encode(io, wa, name, label, n1, n2)) return report(io, wa, 51, name, 0, label);
  const std::int32_t m = dms::slots(wa);
  if (number == 0) return define_implicit(io, wa, name, dim, words, label, n1, n2);
  if (number >= 11 && number <= m) {
    if (words_per_element(wa, number) < 0) return report(io, wa, 20, name, 0, label);
    return define_explicit(io, wa, name, number, dim, words, label, n1, n2);
  }
  report(io, wa, 21, name, number, label);
}

}  // namespace velkan
