// The file-size limit on POSIX systems: the signal SIGXFSZ, which would end the
// process, is ignored, so that write() fails with EFBIG instead.
#include <csignal>

#include "platform/filesizelimit.h"

namespace velkan {

void treat_file_size_limit_as_write_error() {
  std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace velkan
