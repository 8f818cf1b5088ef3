// The record layouts of the material section: one per type code, with the
// numbers taken from the material's row of reals.
#pragma once

#include <cstdint>

#include "platform/units.h"
#include "store/realspan.h"
#include "writer/modelread.h"

namespace velkan {

// Type codes in the order their groups are written.
inline constexpr std::int32_t kMaterialCodes[] = {10, 1, 5, 2, 3, 12};

// The group header of `code` (one of kMaterialCodes).
void write_material_header(Units& io, int unit, std::int32_t code);

// Writes the record of the material in row `row`, external number `number`.
// `MEXMAT` holds the external numbers of the NMA materials, which spring
// references name.
void write_material(Units& io, int unit, std::int32_t code, std::int32_t number,
                    const RealRows& rows, std::int32_t row, ConstIntSpan MEXMAT);

// Whether a 6 x 6 spring matrix (36 words, column by column) has significant
// off-diagonal terms and so needs the full record.
bool spring_is_full(const RealRows& rows, std::int32_t row);

}  // namespace velkan
