// The conversion driver. For now it shows the banner only; reading the listing
// and the conversions follow.
#include "driver/velkan.h"

#include <string>

namespace velkan {
namespace {

constexpr const char* kBanner[] = {
    "---------------------------------------------",
    "---------------------------------------------",
    "---------------------------------------------",
    "-------        V E L K A N            --------",
    "-------  Version 1.3 / 27.Nov 2006   --------",
    "-------       Supported By           --------",
    "-------                              --------",
    "-------   Riser Model Conversion      --------",
    "---------------------------------------------",
    "---------------------------------------------",
    "---------------------------------------------",
};

}  // namespace

std::int32_t VELKAN(Units& io, WorkArray& wa, std::int32_t nwiwa, std::int32_t mode) {
  (void)wa;
  (void)nwiwa;
  (void)mode;
  io.newline(Units::kConsoleOut);
  io.newline(Units::kConsoleOut);
  for (const char* line : kBanner) io.write(Units::kConsoleOut, line);
  return 0;
}

}  // namespace velkan
