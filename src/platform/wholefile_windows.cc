// Whole outputs on Windows: MoveFileExW with write-through moves a finished
// file over its name in one step, and a lock on one byte far beyond the end
// of a partial output tells one of a running conversion from one whose run
// has ended. The system's device names (CON, AUX, COM1, ...) are refused as
// outputs in every folder and with any extension, but the null device.
#include <windows.h>

#include <array>
#include <cwctype>
#include <string>

#include "platform/wholefile.h"
#include "platform/winfileid.h"
#include "platform/winstring.h"

namespace velkan {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr DWORD kLockOffsetHigh = 0x7FFFFFFF;  // as the files' own lock

OsError error_of(DWORD code) {
  const int c = code != 0 && code <= 0x7FFFFFFF ? static_cast<int>(code) : ERROR_GEN_FAILURE;
  return OsError{c, os_error_text(c)};
}

// The last part of a name, up to its first dot or colon, without trailing
// blanks, in upper case: what the system compares with its device names.
std::wstring device_part(const std::wstring& name) {
  const std::size_t slash = name.find_last_of(L"\\/:");
  std::wstring base = name.substr(slash == std::wstring::npos ? 0 : slash + 1);
  if (slash != std::wstring::npos && name[slash] == L':' && base.empty()) {
    base = name.substr(0, slash);  // "COM1:"
  }
  base = base.substr(0, base.find_first_of(L".:"));
  while (!base.empty() && base.back() == L' ') base.pop_back();
  for (wchar_t& c : base) c = static_cast<wchar_t>(std::towupper(c));
  return base;
}

bool is_device_name(const std::wstring& base) {
  constexpr std::array<const wchar_t*, 6> kNames = {L"CON", L"PRN",    L"AUX",
                                                    L"NUL", L"CONIN$", L"CONOUT$"};
  for (const wchar_t* n : kNames) {
    if (base == n) return true;
  }
  const bool numbered = base.size() == 4 && base[3] >= L'1' && base[3] <= L'9';
  return numbered && (base.compare(0, 3, L"COM") == 0 || base.compare(0, 3, L"LPT") == 0);
}

HANDLE open_existing(const std::wstring& name, DWORD access) {
  return CreateFileW(name.c_str(), access, kShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                     nullptr);
}

// Removes the partial output `name` when no running conversion holds its lock.
void remove_if_abandoned(const std::wstring& name) {
  const HANDLE h = open_existing(name, GENERIC_READ | GENERIC_WRITE);
  if (h == INVALID_HANDLE_VALUE) return;
  OVERLAPPED at{};
  at.OffsetHigh = kLockOffsetHigh;
  const bool abandoned =
      LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at) != 0;
  if (abandoned) UnlockFileEx(h, 0, 1, 0, &at);
  CloseHandle(h);
  if (abandoned) DeleteFileW(name.c_str());
}

}  // namespace

std::optional<OutputTarget> inspect_output(std::string_view name, OsError& err) {
  const std::wstring wide = wide_name(name);
  OutputTarget target;
  target.path = std::string(name);
  const std::wstring device = device_part(wide);
  if (is_device_name(device)) {
    if (device != L"NUL") {
      err = OsError{ERROR_INVALID_FUNCTION, "Not a regular file"};
      return std::nullopt;
    }
    target.kind = OutputTarget::Kind::kDevice;
    target.null_device = true;
    return target;
  }
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD code = GetLastError();
    if (code == ERROR_FILE_NOT_FOUND) return target;
    err = error_of(code);
    return std::nullopt;
  }
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
    err = OsError{ERROR_ACCESS_DENIED, "Is a directory"};
    return std::nullopt;
  }
  const HANDLE h = open_existing(wide, GENERIC_WRITE);
  if (h == INVALID_HANDLE_VALUE) {
    err = error_of(GetLastError());
    return std::nullopt;
  }
  BY_HANDLE_FILE_INFORMATION info{};
  const bool disk = GetFileType(h) == FILE_TYPE_DISK && GetFileInformationByHandle(h, &info);
  CloseHandle(h);
  if (!disk) {
    err = OsError{ERROR_INVALID_FUNCTION, "Not a regular file"};
    return std::nullopt;
  }
  target.kind = OutputTarget::Kind::kRegular;
  target.id = file_id_from(info);
  return target;
}

bool move_over(std::string_view from, std::string_view to, OsError& err) {
  const DWORD how = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
  if (MoveFileExW(wide_name(from).c_str(), wide_name(to).c_str(), how)) return true;
  err = error_of(GetLastError());
  return false;
}

bool remove_file(std::string_view name, OsError& err) {
  if (DeleteFileW(wide_name(name).c_str())) return true;
  err = error_of(GetLastError());
  return false;
}

void remove_leftover_partials(std::string_view name) {
  const std::wstring folder = wide_name(folder_prefix(name));
  const std::wstring pattern = folder + L"*" + wide_name(kPartialEnding);
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileW(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      remove_if_abandoned(folder + found.cFileName);
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

std::string_view folder_prefix(std::string_view name) {
  const std::size_t sep = name.find_last_of("\\/:");
  return sep == std::string_view::npos ? std::string_view() : name.substr(0, sep + 1);
}

unsigned long current_process_id() {
  return GetCurrentProcessId();
}

}  // namespace velkan
