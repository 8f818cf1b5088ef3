// The partial output beside its target, named so that it says what it is.
#include "platform/wholefile.h"

#include <string>

namespace velkan {
namespace {

// Names tried for a partial output: after the target while that gives a name
// of reasonable length, otherwise a short one; a number keeps apart the
// partial outputs of one process for one target.
constexpr int kNamesTried = 100;
constexpr std::size_t kLongestBase = 200;

std::string partial_name(std::string_view target, int n) {
  const std::string_view folder = folder_prefix(target);
  const std::string_view base = target.substr(folder.size());
  std::string number = std::to_string(current_process_id());
  if (n > 0) number.append(1, '-').append(std::to_string(n));
  std::string name(folder);
  if (base.size() <= kLongestBase) {
    name.append(base).append(".").append(number);
  } else {
    name.append("velkan-").append(number);
  }
  return name.append(kPartialEnding);
}

}  // namespace

OsFile create_partial(const OutputTarget& target, std::string& name, OsError& err) {
  for (int n = 0; n < kNamesTried; ++n) {
    name = partial_name(target.path, n);
    err = {};
    OsFile f = OsFile::create_locked(name, err);
    if (f.is_open()) {
      if (target.kind == OutputTarget::Kind::kRegular) f.take_permissions_of(target.path);
      return f;
    }
    if (err.code != exists_error().code) break;
  }
  name.clear();
  return {};
}

}  // namespace velkan
