// The file-size limit on systems without a signal for it: a write beyond a
// limit fails by itself, so there is nothing to arrange.
#include "platform/filesizelimit.h"

namespace velkan {

void treat_file_size_limit_as_write_error() {}

}  // namespace velkan
