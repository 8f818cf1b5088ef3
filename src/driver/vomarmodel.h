// The arrays of a Vomar conversion: the model the readers stored and the
// element, cross-section and material tables booked for the conversion.
#pragma once

#include <cstdint>

#include "driver/conversion.h"
#include "store/realspan.h"

namespace velkan {

struct VomarModel {
  std::int32_t nel = 0, nnp = 0, mxgepr = 0, mxmapr = 0;
  std::int32_t nh = 0;   // hinge elements
  std::int32_t nge = 0;  // cross-sections
  std::int32_t nma = 0;  // materials
  IntSpan mstru, mnpex, nboun, melex, mnpc, mpmnpc, mhinge, msort;
  RealSpan tcoord, elprop;
  IntSpan meltyp, melmat, melgeo, melecc, melloc, mexgeo, mexbck, mgetyp, msutyp, mexmat, matyp,
      mexecc, mexloc, mextra, mscra, mskpnp;
  RealSpan tcrgeo, tsugeo, tmapa;
};

// Finds the model arrays and books MSORT; false when that failed.
bool find_model(Conversion& c, VomarModel& m);

// Books the conversion tables (one test after the last booking) and clears the
// real tables; false when a booking failed.
bool book_tables(Conversion& c, VomarModel& m);

}  // namespace velkan
