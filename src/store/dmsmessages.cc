// The DMS message writers: numbered errors and warnings under a header line,
// each message line indented by five blanks.
// Routines: DMSER1, DMSER2.
#include "store/dmsmessages.h"

#include <string>

#include "platform/int32arith.h"
#include "platform/numfmt.h"
#include "store/dmssetup.h"

namespace velkan {
namespace {

constexpr std::string_view kErrorHeader = " *** ERROR return from a  K O R  library routine";
constexpr std::string_view kWarningHeader = " *** WARNING from a  K O R  library routine";
constexpr std::string_view kNotDefined = "  cannot be defined/redefined";

void header(Units& io, int unit, std::string_view text) {
  io.newline(unit);
  io.newline(unit);
  io.newline(unit);
  io.write(unit, text);
}

void line(Units& io, int unit, const Line& l) {
  io.write(unit, "     " + l.str());
}

void array_line(Units& io, int unit, std::string_view name) {
  line(io, unit, Line().a("Array  ").a(name).a(kNotDefined));
}

void label_line(Units& io, int unit, std::int32_t label) {
  line(io, unit, Line().a("Detected by a DMS-routine called with label").i(label, 6));
}

}  // namespace

void DMSER1(Units& io, int code, std::string_view name, std::int32_t v1, std::int32_t v2,
            std::int32_t label, std::int32_t lpu, std::int32_t& status) {
  (void)v2;
  if (code < 50) decrement(status);
  if (lpu <= 0) return;
  if (code >= 11 && code <= 49) header(io, lpu, kErrorHeader);
  switch (code) {
    case 11:
      line(io, lpu, Line().a("Array name  ").a(name).a("  is too long"));
      break;
    case 12:
      line(io, lpu, Line().a("Illegal character encountered in array name  ").a(name));
      break;
    case 14:
      line(io, lpu, Line().a("Subroutine DMSANN is called out of order"));
      line(io, lpu, Line().a("(or the DMS \"book-keeping-system\" is corrupt)"));
      break;
    case 15:
      line(io, lpu, Line().a("The DMS \"book-keeping-system\" exceeds available"));
      line(io, lpu, Line().a("storage space in work array by ").i(v1, 6).a(" words"));
      break;
    case 16:
      array_line(io, lpu, name);
      line(io, lpu, Line().a("Implicit numbering is requested, but not specified"));
      break;
    case 17:
      array_line(io, lpu, name);
      line(io, lpu, Line().a("The array name already exists (for array no.").i(v1, 5).a(")"));
      break;
    case 18:
      array_line(io, lpu, name);
      line(io, lpu,
           Line().a("Maximum number of data arrays ( =").i(v1, 4).a(" ) has alreadybeen defined"));
      break;
    case 19:
      array_line(io, lpu, name);
      line(io, lpu, Line().a("Explicit numbering is requested, but not specified"));
      break;
    case 20:
      array_line(io, lpu, name);
      line(io, lpu, Line().a("The DMS \"book-keeping-system\" is corrupt"));
      break;
    case 21:
      array_line(io, lpu, name);
      line(io, lpu, Line().a("Illegal array number ( =").i(v1, 5).a(" ) requested"));
      break;
    case 24:
      line(io, lpu, Line().a("Pointer requested for an undefined array (").a(name).a(")"));
      break;
    case 25:
      line(io, lpu, Line().a("Inconsistent (corrupt) DMS-info for array ").a(name));
      break;
    case 51:
      line(io, lpu, Line().a("Occured for array  ").a(name));
      break;
    default:
      break;
  }
  if (code != 14 && code != 51) label_line(io, lpu, label);
}

void DMSER2(Units& io, int code, std::int32_t v1, std::int32_t v2, std::int32_t v3,
            std::int32_t label, std::int32_t lpu) {
  if (lpu <= 0) return;
  header(io, lpu, code <= 10 ? kWarningHeader : kErrorHeader);
  switch (code) {
    case 1:
      line(io, lpu, Line().a("Primary storage requested for an array (no.").i(v1, 5).a(" )"));
      line(io, lpu, Line().a("already occupying storage  -  old storage used"));
      break;
    case 11:
      line(io, lpu, Line().a("Illegal data array number ( =").i(v1, 6).a(" ) specified"));
      break;
    case 12:
      line(io, lpu, Line().a("Illegal number of words per element ( =").i(v1, 4).a(" )"));
      line(io, lpu, Line().a("specified for array number").i(v2, 5));
      break;
    case 13:
      line(io, lpu, Line().a("The DMS \"book-keeping-system\" (MCM) is corrupt"));
      break;
    case 14:
      line(io, lpu, Line().a("Available primary (\"core\") storage (of").i(v1, 8).a(" words)"));
      line(io, lpu, Line().a("exceeded (by").i(v2, 7).a(" words) for array number").i(v3, 5));
      break;
    case 24:
      line(io, lpu, Line().a("Primary storage allocation attempted for"));
      line(io, lpu, Line().a("an undefined array  (no.").i(v1, 5).a(" )"));
      break;
    case 26:
      line(io, lpu, Line().a("Negative dimension specified for array number").i(v1, 5));
      break;
    case 30:
      line(io, lpu, Line().a("Attempt to redefine an array ( no.").i(v1, 5).a(" ) for which"));
      line(io, lpu, Line().a("primary storage is already reserved"));
      break;
    default:
      break;
  }
  if (label != 0) label_line(io, lpu, label);
}

}  // namespace velkan
