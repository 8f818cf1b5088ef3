// Finding and booking the arrays of a Vomar conversion.
#include "driver/vomarmodel.h"

#include <algorithm>

#include "store/arraylookup.h"
#include "store/arrayviews.h"
#include "store/structurerecords.h"

namespace velkan {

bool find_model(Conversion& c, VomarModel& m) {
  std::int32_t status = 0;
  m.mstru = find_ints(c.io, c.wa, "MSTRU", LPU, status);
  m.mnpex = find_ints(c.io, c.wa, "MNPEX", LPU, status);
  m.nboun = find_ints(c.io, c.wa, "NBOUN", LPU, status);
  m.tcoord = find_reals(c.io, c.wa, "TCOORD", LPU, status);
  m.nnp = GTSTRU(c.io, m.mstru, "NNP", LPU, status);
  m.nel = GTSTRU(c.io, m.mstru, "NEL", LPU, status);
  m.mxgepr = c.mxgepr;
  m.mxmapr = c.mxmapr;
  m.msort = book_ints(c.io, c.wa, "MSORT", std::max(m.nnp, m.nel), "SCRA", LPU, status);
  if (status != 0) return false;
  m.melex = find_ints(c.io, c.wa, "MELEX", LPU, status);
  m.mnpc = find_ints(c.io, c.wa, "MNPC", LPU, status);
  m.mpmnpc = find_ints(c.io, c.wa, "MPMNPC", LPU, status);
  m.mhinge = find_ints(c.io, c.wa, "MHINGE", LPU, status);
  m.elprop = find_reals(c.io, c.wa, "ELPROP", LPU, status);
  return status == 0;
}

bool book_tables(Conversion& c, VomarModel& m) {
  std::int32_t status = 0;
  const std::int64_t nel = m.nel;
  const std::int64_t materials = nel + 2 * static_cast<std::int64_t>(m.nh);
  const std::int64_t scratch = 4 * nel + 2 * static_cast<std::int64_t>(m.nh);
  const auto ints = [&](std::string_view name, std::int64_t n, std::string_view type = "STRU") {
    return book_ints(c.io, c.wa, name, n, type, LPU, status);
  };
  const auto reals = [&](std::string_view name, std::int64_t n) {
    return book_reals(c.io, c.wa, name, n, "STRU", LPU, status);
  };
  m.meltyp = ints("MELTYP", nel);
  m.melmat = ints("MELMAT", nel);
  m.melgeo = ints("MELGEO", nel);
  m.melecc = ints("MELECC", 2 * nel);
  m.melloc = ints("MELLOC", nel);
  m.mexgeo = ints("MEXGEO", nel);
  m.mexbck = ints("MEXBCK", nel);
  m.mgetyp = ints("MGETYP", nel);
  m.msutyp = ints("MSUTYP", nel);
  m.mexmat = ints("MEXMAT", materials);
  m.matyp = ints("MATYP", materials);
  m.mexecc = ints("MEXECC", 0);
  m.mexloc = ints("MEXLOC", 0);
  m.mextra = ints("MEXTRA", 0);
  m.mscra = ints("MSCRA", scratch);
  m.mskpnp = ints("MSKPNP", scratch, "SKIP");
  m.tcrgeo = reals("TCRGEO", nel * m.mxgepr);
  m.tsugeo = reals("TSUGEO", nel * m.mxgepr);
  m.tmapa = reals("TMAPA", materials * m.mxmapr);
  if (status != 0) return false;
  for (const char* name : {"TCRGEO", "TSUGEO", "TMAPA"}) ARZERO(c.io, c.wa, name, LPU, status);
  return status == 0;
}

}  // namespace velkan
