// The local date and time, read from the operating system.
#pragma once

namespace velkan {

struct LocalTime {
  int year = 0;  // four digits
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

LocalTime local_time_now();

}  // namespace velkan
