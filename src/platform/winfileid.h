// The identity of a Windows file as the unit table compares them, from what
// GetFileInformationByHandle tells of it. Windows builds only.
#pragma once

#include <windows.h>

#include "platform/osfile.h"

namespace velkan {

inline FileId file_id_from(const BY_HANDLE_FILE_INFORMATION& info) {
  return FileId{info.dwVolumeSerialNumber,
                (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
}

}  // namespace velkan
