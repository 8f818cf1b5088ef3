// Whether the listing is whole and stays the file that its first pass read.
// Its state is taken as the first pass begins and compared after every pass:
// a listing that another program writes meanwhile (an analysis still running)
// would give a model of neither the old nor the new listing, and one whose
// last line has no line end was cut short (a copy that stopped).
#pragma once

#include <optional>
#include <string>

#include "platform/filestate.h"
#include "platform/units.h"

namespace velkan {

class ListingState {
 public:
  // Takes the state of the listing open on `lunin`. False, with one line
  // naming the listing and why on `lunout` and `lpu`, when its state cannot
  // be read.
  bool take(Units& io, int lunin, int lunout, int lpu);
  // False, with one line naming the listing on `lunout` and `lpu`, when its
  // last line has no line end, as take() found it.
  bool last_line_ended(Units& io, int lunin, int lunout, int lpu) const;
  // False, with one line naming the listing and what changed on `lunout` and
  // `lpu`, when it is no longer the file that take() saw, as it was then.
  bool unchanged(Units& io, int lunin, int lunout, int lpu) const;

 private:
  FileState first_;
};

// What changed between two states of the listing, in words ("it grew from 702
// to 1400 bytes"); "" when nothing did. `named` is the file that the
// listing's name refers to now (none: no file).
std::string listing_change(const FileState& first, const FileState& now,
                           const std::optional<FileId>& named);

}  // namespace velkan
