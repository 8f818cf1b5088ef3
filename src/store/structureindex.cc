// The fixed table of parameter names of a table-form structure record.
// Routines: STRIDX.
#include "store/structureindex.h"

#include <array>
#include <string_view>

#include "lineinput/charutil.h"
#include "store/structurerecords.h"

namespace velkan {
namespace {

// Entries 1..105, then 110..112, then 116..132; the rest of the 200 are blank.
constexpr std::string_view kFirst[] = {
    "NNP",    "NEL",    "NBEAM",  "NSPRNG", "NSHELL", "NDAMEL", "NDEL",   "NIMPG",  "NMA",
    "DENTSW", "NGE",    "NLDCS",  "NLC",    "NTRANS", "NROT",   "NECC",   "NLDP",   "NCEQ",
    "NMMCEQ", "NTOTBR", "NOLGRP", "NOLBRA", "NSURNP", "NLOADS", "NCNODS", "NLCOMB", "NEQ",
    "NTK",    "NBW",    "NSHSIZ", "MXELNP", "MXLDCS", "MX2DEL", "MXNPEL", "MXELIE", "MXMAPR",
    "MXGEPR", "MXELRE", "MXELRX", "MXSTEP", "MXLSPC", "MXGLPR", "MXLDPR", "MXHIPR", "MXFARR",
    "MXLDS",  "MXCNDS", "MXLCMB", "MXLDCX", "LSTSTO", "NTRAN1", "NLDCS1", "NTEMP1", "MXHAPR",
    "NLC1",   "MXWLPR", "NEWFRA", "NFRACT", "NEWSTR", "NJOINT", "NJNTNP", "MXELHI", "NWMNPC",
    "NQUAD",  "NSHIP",  "MXRSCP", "NSHPCH", "MXARPR", "MXNAMS", "MXZYB",  "MXEIG",  "MXTPEL",
    "NEIG",   "MXTHPR", "MXDPPR", "MXSTA1", "MXSTA2", "MXSTA3", "IHJHAN", "ISOLVR", "NWSOL",
    "NSTDIM", "LCSTAT", "LCDYNA", "NWEVEC", "NWESEL", "INCRST", "INCRES", "INCPRI", "MXUTIL",
    "ITMAX",  "ITER",   "IEPSIT", "NSHL3",  "NSHL4",  "MXTHST", "NEWLTY", "NLOHST", "NTHIST",
    "NMOVNP", "NPOLY",  "NPART",  "MXVXPR", "IUNFC",  "IWINDW"};
constexpr std::string_view kSecond[] = {"MXSTRU", "NELRES", "NNPRES"};
constexpr std::string_view kThird[] = {"INPUFO", "NELZON", "NNPZON", "IADDEX", "NSOLI8", "NSCHAR",
                                       "NQUAD8", "NTRI6",  "NDAMP",  "NNPMAS", "NTHERM", "NELLOA",
                                       "NNPLOA", "NEL70",  "NNOD70", "LENS70", "NAMD"};

static_assert(std::size(kFirst) == 105 && std::size(kThird) == 17);

std::array<std::string_view, 200> make_table() {
  std::array<std::string_view, 200> t{};
  t.fill("");
  for (std::size_t i = 0; i < std::size(kFirst); ++i) t[i] = kFirst[i];
  for (std::size_t i = 0; i < std::size(kSecond); ++i) t[109 + i] = kSecond[i];
  for (std::size_t i = 0; i < std::size(kThird); ++i) t[115 + i] = kThird[i];
  return t;
}

}  // namespace

std::int32_t STRIDX(std::string_view name6) {
  static const std::array<std::string_view, 200> table = make_table();
  const std::string_view name = trimmed(name6.substr(0, 6));
  for (std::size_t i = 0; i < table.size(); ++i) {
    // Names compare on six blank-padded characters: trailing blanks do not count.
    if (table[i] == name) return static_cast<std::int32_t>(i + 1);
  }
  return 0;
}

}  // namespace velkan
