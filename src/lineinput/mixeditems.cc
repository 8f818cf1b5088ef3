// The mixed-item line reader (RDMIX): fetch, then name, integer, real and text items in
// that order of trial until the line ends or an item is not recognised.
#include "lineinput/mixeditems.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "lineinput/expression.h"
#include "lineinput/itemscan.h"
#include "lineinput/linefetch.h"
#include "lineinput/linereader.h"
#include "lineinput/plainnumber.h"
#include "lineinput/recognise.h"
#include "platform/int32arith.h"

namespace velkan {
namespace {

constexpr std::size_t kItemText = 8;

struct Item {
  std::int32_t type = 0;
  double value = 0.0;
  std::string_view text;  // columns of the work line or the name buffer
};

// Tries the recognisers in order; false when none takes the next item. Plain
// numbers, the bulk of a listing, are read in one step.
bool next_item(LineReaderState& s, Item& item) {
  if (take_plain_number(s, item.type, item.value)) {
    item.text = {};
  } else if (FIINAM(s)) {
    item = {3, 0.0, std::string_view(s.name).substr(0, static_cast<std::size_t>(s.name_len))};
  } else if (FIIINT(s)) {
    item = {1, static_cast<double>(s.last_int), {}};
  } else if (FIIREA(s)) {
    item = {2, s.last_real, {}};
  } else if (FIITXT(s)) {
    const auto from = static_cast<std::size_t>(s.text_start - 1);
    const auto len = static_cast<std::size_t>(s.text_end - s.text_start + 1);
    item = {3, 0.0, std::string_view(s.work).substr(from, len)};
  } else {
    return false;
  }
  return true;
}

// The item's text in its first eight characters, blank-padded.
void store_text(std::string& out, std::string_view text) {
  // Built whole and stored in one step: for numbers, the bulk of a listing,
  // that is eight blanks in one store.
  char field[kItemText];
  std::memset(field, ' ', kItemText);
  if (!text.empty()) std::memcpy(field, text.data(), std::min(text.size(), kItemText));
  out.resize(kItemText);
  std::memcpy(out.data(), field, kItemText);
}

}  // namespace

void RDMIX(Units& io, std::int32_t& NPAR, std::span<std::int32_t> ITYPE, std::span<double> RVAL,
           std::span<std::string> CVAL, int LUNIN, int LPU, std::int32_t& IERR) {
  if (LUNIN <= 0) return;
  LineReaderState& s = line_reader();
  FIILIN(io, s);
  if (s.IERRFL != 0) {
    io.newline(LPU);
    io.write(LPU, "  *** ERROR IN RDMIX");
    io.newline(LPU);
    IERR = wrap_add(IERR, -1);
    return;
  }
  if (s.NEOF > 0) {
    NPAR = -1;
    return;
  }
  const std::size_t capacity = std::min({ITYPE.size(), RVAL.size(), CVAL.size()});
  std::size_t k = 0;
  Item item;
  skip_blanks(s);
  while (!past_last(s) && k < capacity && next_item(s, item)) {
    ITYPE[k] = item.type;
    RVAL[k] = item.value;
    store_text(CVAL[k], item.text);
    ++k;
    skip_blanks(s);
  }
  NPAR = static_cast<std::int32_t>(k);
}

}  // namespace velkan
