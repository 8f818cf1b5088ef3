// The JSON page of a report: the figures and flags of the HTML page under
// stable keys (the README's table names them).
#pragma once

#include <string>

#include "report/reportpage.h"

namespace velkan {

// The page, ending in a line end.
std::string report_json(const ReportInput& in);

}  // namespace velkan
