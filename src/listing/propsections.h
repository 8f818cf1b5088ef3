// The five property tables of the listing and where their values go in an
// element's property row (ELPROP), with the fixed values a hinge element gets.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace velkan {

struct PropSection {
  std::string_view title;  // compared on its first 25 characters
  std::int32_t width;      // items a row is expected to have
  int first_word;          // first ELPROP word filled (1-based)
  int words;               // number of words filled, from row item 2 on
};

inline constexpr std::array<PropSection, 5> kPropSections = {{
    {"*** ELEMENT PROPERTIES ***", 8, 1, 7},
    {"*** DRAG AND BUOYANCY DATA ***", 8, 8, 7},
    {"*** ELEMENT DRAG AND INERTIA", 8, 15, 6},
    {"*** ELEMENT PROPERTIES FOR STRESS CALC", 6, 21, 5},
    {"*** INTERNAL FLUID DATA ***", 5, 0, 0},
}};
inline constexpr int kFluidSection = 5;
inline constexpr int kStressSection = 4;

// Words 1..25 of a hinge element; 0.01 and 0.005 as single-precision values.
inline constexpr double kF01 = static_cast<double>(0.01f);
inline constexpr double kF005 = static_cast<double>(0.005f);
inline constexpr std::array<double, 25> kHingeWords = {
    1e10,  1e10,  1e10, 1e10, 10.0, 1e10, kF01,  // 1..7
    kF005, kF01,  kF01, kF01, kF01, kF01, 0.0,   // 8..14
    1.0,   1.0,   0.0,  2.0,  1.0,  0.0,         // 15..20
    kF01,  kF005, kF01, 1e10, 1e10,              // 21..25
};

}  // namespace velkan
