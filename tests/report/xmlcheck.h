// A check that a text is well-formed XML, for the tests of the report's
// XHTML page: one root element, every tag closed in order, attributes quoted
// and given once, only the predefined and numeric character references.
#pragma once

#include <string>
#include <string_view>

namespace velkan::test {

// "" when the text is well-formed, otherwise what is wrong and where.
std::string xml_fault(std::string_view text);

}  // namespace velkan::test
