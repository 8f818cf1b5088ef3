// The unit numbers of a run's files: the FlexCom listing, the message file
// (written as "fort.17" without being opened) and the two model files. The
// console's units are LTI and LTO.
#pragma once

#include "platform/consoleunits.h"

namespace velkan {

inline constexpr int LRUSTD = 16;
inline constexpr int LPU = 17;
inline constexpr int LPUUFO = 23;
inline constexpr int LPUS7 = 24;

}  // namespace velkan
