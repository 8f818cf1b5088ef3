// The element property reader (TRX_Prop), one pass over the listing after
// TRX_OPEN. It writes its count lines on `lunout` and sets `ierr` to -1 when it
// fails.
#pragma once

#include <array>
#include <cstdint>

#include "listing/listing.h"
#include "platform/units.h"
#include "store/workarray.h"

namespace velkan {

// The reals of an ELPROP row as the table is kept. The reader fills no word
// of a row past the 27th (the internal fluid's), and the words after it in a
// row of MXGEPR reals would all stay zero, so the rows are kept packed at the
// start of the booking, which still holds NEL rows of MXGEPR reals, and the
// rest of it is never touched. Whatever reads ELPROP takes this row length.
inline constexpr std::int32_t kPropertyRowReals = 27;

// ELPROP, MHINGE and the empty cross-section arrays from the property tables.
void TRX_Prop(Units& io, WorkArray& wa, int lunin, int lunout, int lpu, std::int32_t& ierr);
// The four element tables and the internal fluid table.
inline constexpr std::size_t kPropertyTables = 5;
// TRX_Prop, giving also what it found of each table, in the order of
// kPropSections (for the internal fluid: the elements that name a set
// without a row).
void read_properties(Units& io, WorkArray& wa, int lunin, int lunout, int lpu, std::int32_t& ierr,
                     std::array<TableRows, kPropertyTables>& tables);

// The words TRX_Prop books for NEL elements of MXGEPR property words,
// alignment included: three integer arrays of NEL, then TCRGEO and ELPROP of
// property_row_table_words each.
std::int64_t property_table_words(std::int32_t NEL, std::int32_t MXGEPR);
std::int64_t property_row_table_words(std::int32_t NEL, std::int32_t MXGEPR);

}  // namespace velkan
