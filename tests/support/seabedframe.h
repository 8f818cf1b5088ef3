// The fixed lines of a sea-bed model as a model file holds them: the opening
// block up to the first sea-bed node, the closing block up to the node list,
// and the two lines after it. Shared by the writer's and the conversion's tests.
#pragma once

#include <array>
#include <string_view>

namespace velkan::test {

inline constexpr std::array<std::string_view, 14> kSeabedOpening = {
    "'",
    "' =============================================",
    "'    S e a B e d   M o d e l                   ",
    "' ---------------------------------------------",
    "'",
    "'           ID   Typ    data   ",
    " TimeHist 99999 Point 0 1 100 1 ",
    "'",
    "'        MaID    P      Delta ",
    " HypElast 880000 -1E6     -1     ",
    "                  0        0     ",
    "                  1E1      1E-5  ",
    "                  1E1      1     ",
    "'",
};

inline constexpr std::array<std::string_view, 10> kSeabedClosing = {
    "'",
    "' =============================================",
    "'    E n d   S e a B e d   M o d e l           ",
    "' ---------------------------------------------",
    "'",
    "' =============================================",
    "'    Fix Seabed nodes if necessary             ",
    "' ---------------------------------------------",
    "'",
    "#Chg_Boun   1 1 1 1 1 1 Node ",
};

inline constexpr std::array<std::string_view, 2> kSeabedEnd = {"'", "'"};

}  // namespace velkan::test
