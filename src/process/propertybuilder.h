// The cross-section and material builder: one cross-section (GENBEAM), one
// surface geometry (SurfPIPE) and one material per element, taken from the
// element's property row, before equal ones are merged.
#pragma once

#include <cstdint>

#include "platform/units.h"
#include "store/realspan.h"

namespace velkan {

// Reference modulus of every material; cross-section values are stiffnesses
// divided by it.
inline constexpr double kRefModulus = 1e10;
inline constexpr double kSecondModulus = 1e9;
// Poisson's ratio and pi are single-precision constants widened to 8 bytes.
inline constexpr double kPoisson = static_cast<double>(0.3f);
inline constexpr double kPi = static_cast<double>(3.14159f);

// Type codes written here.
inline constexpr std::int32_t kGenBeamType = 4;
inline constexpr std::int32_t kSurfPipeType = 1;
inline constexpr std::int32_t kIsoMaterialType = 1;
inline constexpr std::int32_t kSpringRefType = 3;

// The reals of a TCRGEO, a TSUGEO and a TMAPA row as the tables are kept. The
// builder writes no word of a cross-section row past the 25th, no word of a
// surface row past the fifth and no word of a material row past the sixth;
// the hinge materials write no word of a material row past the twelfth. The
// words after them in a row of MXGEPR or MXMAPR reals would all stay zero. So
// the rows are kept packed at the start of their bookings, which still hold
// full rows, and the rest of each booking is never touched; material rows
// take twelve reals only in a model with hinge elements. The merge and the
// writers read the packed rows: exact zeros merge with each other, and a
// writer reads a word past a row's end as zero, so both see what the full
// rows would give.
inline constexpr std::int32_t kCrossSectionRowReals = 25;
inline constexpr std::int32_t kSurfaceRowReals = 5;
inline constexpr std::int32_t kBuiltMaterialRowReals = 6;
inline constexpr std::int32_t kMaterialRowReals = 12;

// Fills row e (1..NEL) of TCRGEO (kCrossSectionRowReals reals a row), TSUGEO
// (kSurfaceRowReals reals a row) and TMAPA (MXMAPR reals a row) from row e of
// ELPROP (MXGEPR reals a row), the type codes MGETYP, MSUTYP,
// MATYP and the indices MELGEO, MELMAT, MEXGEO, MEXMAT (all = e); a hinge
// element (MHINGE = 1) gets a spring-reference material with an all-zero row.
// NMA becomes NEL; NNP and NGE are not used. An element that is not a hinge and
// has a zero axial stiffness (its density would divide by zero) or a density
// that would not be finite (beyond 1E308, or NaN), or tables too
// short for NEL elements, fail the builder before anything is written: status
// -1 and an error block on LPU and on the console naming the FlexCom element
// number from MELEX.
void MKPROP(Units& io, std::int32_t NEL, std::int32_t NNP, RealSpan ELPROP, RealSpan TCRGEO,
            RealSpan TMAPA, IntSpan MGETYP, IntSpan MATYP, IntSpan MELGEO, IntSpan MELMAT,
            IntSpan MEXGEO, IntSpan MEXMAT, std::int32_t NGE, std::int32_t& NMA,
            std::int32_t MXGEPR, std::int32_t MXMAPR, RealSpan TSUGEO, IntSpan MSUTYP,
            ConstIntSpan MHINGE, ConstIntSpan MELEX, int LPU, std::int32_t& status);

}  // namespace velkan
