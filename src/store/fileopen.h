// Opening files on units: the general routine with its small integer codes for
// status, access, form and blank handling, and the wrapper for the converter's
// text files.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/units.h"

namespace velkan {

// Status codes: 2 OLD, 3 NEW, 4 SCRATCH, other UNKNOWN. Access codes: 20 direct
// with the given record length, 30 direct with 128, other sequential. Form
// codes: 1 formatted, 2 unformatted, other as the access code sets it. Blank
// code 1: ZERO, other NULL. `iostat` returns 0 on success, negative on failure.
void OPNFIL(Units& io, std::string_view name, std::int32_t unit, std::int32_t status_code,
            std::int32_t access_code, std::int32_t form_code, std::int32_t blank_code,
            std::int32_t record_length, std::int32_t report, std::int32_t lpu,
            std::int32_t& iostat);

// Opens a formatted sequential text file: `existing` > 0 the file must exist,
// 0 it is created when missing, < 0 as in the previous call. `status` becomes
// -1 on failure.
void OPNTXT(Units& io, std::string_view name, std::int32_t unit, std::int32_t existing,
            std::int32_t& status);

}  // namespace velkan
