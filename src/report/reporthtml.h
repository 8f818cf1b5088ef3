// The HTML page of a report: self-contained XHTML (no script, nothing from
// elsewhere) with its drawings as SVG, printable on A4.
#pragma once

#include <string>

#include "report/reportpage.h"

namespace velkan {

// The page, ending in a line end.
std::string report_html(const ReportInput& in);

}  // namespace velkan
