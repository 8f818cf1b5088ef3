// The record layouts of the cross-section and surface-geometry sections: one
// per type code, with the numbers taken from the geometry's row of reals.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/units.h"
#include "writer/modelread.h"

namespace velkan {

// Which of the two sections is being written; they differ in two keywords,
// the pipe caption, the pipe's Diam2 value and the wing profiles.
enum class GeometrySection { kCrossSections, kSurfaces };

// Type codes in the order their groups are written.
inline constexpr std::int32_t kGeometryCodes[] = {1, 2, 3, 4, 10, 5, 11, 6};

// Whether the section writes geometries of `code`.
bool is_geometry_code(GeometrySection section, std::int32_t code);

// The group header of `code`; empty for the wing profiles, which carry one per record.
void write_geometry_header(Units& io, int unit, GeometrySection section, std::int32_t code);

// Writes the record of the geometry in row `row`, external number `number`.
void write_geometry(Units& io, int unit, GeometrySection section, std::int32_t code,
                    std::int32_t number, const RealRows& rows, std::int32_t row);

// The two shear values are significant: one is above the threshold and they
// are not both exactly 1.0.
bool shear_is_significant(double shear_y, double shear_z);

}  // namespace velkan
