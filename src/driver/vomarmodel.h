// The arrays of a Vomar conversion: the model the readers stored and the
// element, cross-section and material tables booked for the conversion.
#pragma once

#include <cstdint>

#include "driver/conversion.h"
#include "process/propertybuilder.h"
#include "store/realspan.h"

namespace velkan {

struct VomarModel {
  std::int32_t NEL = 0, NNP = 0, MXGEPR = 0, MXMAPR = 0;
  std::int32_t nh = 0;                            // hinge elements
  std::int32_t NGE = 0;                           // cross-sections
  std::int32_t NMA = 0;                           // materials
  std::int32_t material_row = kMaterialRowReals;  // the reals of a TMAPA row as it is kept
  IntSpan MSTRU, MNPEX, NBOUN, MELEX, MNPC, MPMNPC, MHINGE, MSORT;
  RealSpan TCOORD, ELPROP;
  IntSpan MELTYP, MELMAT, MELGEO, MELECC, MELLOC, MEXGEO, MEXBCK, MGETYP, MSUTYP, MEXMAT, MATYP,
      MEXECC, MEXLOC, MEXTRA, MSCRA, MSKPNP;
  RealSpan TCRGEO, TSUGEO, TMAPA;
};

// Finds the model arrays and books MSORT; false when that failed.
bool find_model(Conversion& c, VomarModel& m);

// Books the conversion tables (one test after the last booking) and clears the
// real tables; false when a booking failed.
bool book_tables(Conversion& c, VomarModel& m);

}  // namespace velkan
