// Element section of the Vomar model file.
#pragma once

#include <cstdint>

#include "platform/units.h"
#include "store/realspan.h"

namespace velkan {

// Writes one record group per element kind (BEAM, #BEAM, SPRNG2GR, MEMBRANE,
// QUADSHEL, TRISHELL, SOLID8, SUPERELM, BUOYELEM, BUOYELM4), each under its
// header and in ascending external element number (superelements in store
// order). Node, material, geometry, coordinate-system and eccentricity fields
// carry external numbers. MSCRA and MSORT are scratch of at least NEL entries.
// On failure the status is -1.
void UWRELM(Units& io, std::int32_t NEL, ConstIntSpan MELTYP, ConstIntSpan MELMAT,
            ConstIntSpan MELGEO, ConstIntSpan MELECC, ConstIntSpan MELLOC, ConstIntSpan MNPC,
            ConstIntSpan MPMNPC, ConstIntSpan MELEX, ConstIntSpan MNPEX, ConstIntSpan MEXGEO,
            ConstIntSpan MEXMAT, ConstIntSpan MEXECC, ConstIntSpan MEXLOC, IntSpan MSCRA,
            IntSpan MSORT, ConstIntSpan MEXTRA, int unit, std::int32_t& status);

}  // namespace velkan
