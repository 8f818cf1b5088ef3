// Local clock access on Windows, where the thread-safe conversion to local
// time is localtime_s.
#include <ctime>

#include "platform/clock.h"

namespace velkan {

LocalTime local_time_now() {
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_s(&tm, &now);
  return LocalTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

}  // namespace velkan
