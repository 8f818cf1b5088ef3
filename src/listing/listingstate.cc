// The listing's state between passes: taken before the first, compared after each.
#include "listing/listingstate.h"

namespace velkan {
namespace {

void write_both(Units& io, int lunout, int lpu, const std::string& line) {
  for (const int unit : {lunout, lpu}) {
    if (unit <= 0) continue;
    io.newline(unit);
    io.write(unit, line);
  }
}

std::string bytes(std::int64_t n) {
  return std::to_string(n) + (n == 1 ? " byte" : " bytes");
}

}  // namespace

std::string listing_change(const FileState& first, const FileState& now,
                           const std::optional<FileId>& named) {
  if (now.id != first.id) return "it is another file now";
  if (now.size > first.size)
    return "it grew from " + std::to_string(first.size) + " to " + bytes(now.size);
  if (now.size < first.size)
    return "it shrank from " + std::to_string(first.size) + " to " + bytes(now.size);
  if (now != first) return "it was written again, keeping its size of " + bytes(now.size);
  if (!named) return "its name leads to no file now: it was removed or renamed";
  if (*named != first.id) return "another file took its name";
  return {};
}

bool ListingState::take(Units& io, int lunin, int lunout, int lpu) {
  const std::string name = io.file_name(lunin);
  if (const OsError err = io.file_state(lunin, first_)) {
    write_both(io, lunout, lpu,
               " *** The listing " + name + " cannot be checked for changes: " + err.text);
    return false;
  }
  return true;
}

bool ListingState::last_line_ended(Units& io, int lunin, int lunout, int lpu) const {
  if (first_.last_line_ended) return true;
  const std::string name = io.file_name(lunin);
  write_both(io, lunout, lpu,
             " *** The last line of the listing " + name +
                 " has no line end, so it is cut short (a copy that stopped): copy the whole "
                 "listing again.");
  return false;
}

bool ListingState::unchanged(Units& io, int lunin, int lunout, int lpu) const {
  const std::string name = io.file_name(lunin);
  FileState now;
  std::string change;
  if (const OsError err = io.file_state(lunin, now)) {
    change = "its state cannot be read: " + err.text;
  } else {
    change = listing_change(first_, now, file_id_of(name));
  }
  if (change.empty()) return true;
  write_both(io, lunout, lpu,
             " *** The listing " + name + " changed while it was read (" + change +
                 "): convert it when the analysis has finished.");
  return false;
}

}  // namespace velkan
