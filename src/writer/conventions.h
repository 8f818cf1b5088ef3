// Lines that all model-file writers share: the group header, the start of a
// record, the error report a writer leaves in the model file, and runs of
// fixed-width integer fields.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

#include "platform/numfmt.h"
#include "platform/units.h"

namespace velkan {

// A line holding a single apostrophe: the first line of every group header.
inline constexpr std::string_view kQuoteLine = "'";

// Writes the header lines of a record group, each as it stands.
void write_header(Units& io, int unit, std::initializer_list<std::string_view> lines);

// The start of a record: the keyword field and the external number as I9.
Line record_start(std::string_view keyword, std::int32_t number);

// A writer's failure: an empty line and "  *** ERROR IN <routine> ***" in the
// model file; the status becomes -1.
void write_failure(Units& io, int unit, std::string_view routine, std::int32_t& status);

// Appends values[i] as an integer field of widths[i] characters, for the
// first `count` values.
void put_ints(Line& line, std::span<const std::int64_t> values, std::span<const int> widths,
              std::size_t count);

// Appends the first `count` values, each in a field of `width` characters.
void put_ints(Line& line, std::span<const std::int64_t> values, int width, std::size_t count);

}  // namespace velkan
