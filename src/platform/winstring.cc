// Conversions between byte strings and the UTF-16 strings of the Windows API.
#include "platform/winstring.h"

#include <windows.h>

#include <climits>

namespace velkan {
namespace {

// The UTF-16 form of `text` in `code_page`; empty with `ok` false when the
// bytes are not valid there.
std::wstring widened(std::string_view text, UINT code_page, DWORD flags, bool& ok) {
  ok = true;
  if (text.empty()) return {};
  if (text.size() > INT_MAX) {
    ok = false;
    return {};
  }
  const int n = static_cast<int>(text.size());
  const int wn = MultiByteToWideChar(code_page, flags, text.data(), n, nullptr, 0);
  if (wn <= 0) {
    ok = false;
    return {};
  }
  std::wstring wide(static_cast<std::size_t>(wn), L'\0');
  MultiByteToWideChar(code_page, flags, text.data(), n, wide.data(), wn);
  return wide;
}

// `name` in the form that takes no account of the classic path limit: its
// full path with the prefix that says so. A name already in a form of its
// own ("\\?\", "\\.\") and a name without a full path stay as they are.
std::wstring long_form(const std::wstring& name) {
  if (name.starts_with(L"\\\\?\\") || name.starts_with(L"\\\\.\\")) return name;
  const DWORD size = GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
  if (size == 0) return name;
  std::wstring full(size, L'\0');
  const DWORD length = GetFullPathNameW(name.c_str(), size, full.data(), nullptr);
  if (length == 0 || length >= size) return name;
  full.resize(length);
  if (full.size() < MAX_PATH) return name;
  if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

}  // namespace

std::wstring wide_text(std::string_view text) {
  bool ok = false;
  std::wstring wide = widened(text, CP_UTF8, MB_ERR_INVALID_CHARS, ok);
  if (ok) return wide;
  return widened(text, CP_ACP, 0, ok);
}

std::wstring wide_name(std::string_view name) {
  return long_form(wide_text(name));
}

std::wstring utf16_of(std::string_view text) {
  bool ok = false;
  return widened(text, CP_UTF8, 0, ok);
}

std::string utf8_of(std::wstring_view text) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const int wn = static_cast<int>(text.size());
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), wn, nullptr, 0, nullptr, nullptr);
  if (n <= 0) return {};
  std::string bytes(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), wn, bytes.data(), n, nullptr, nullptr);
  return bytes;
}

std::size_t complete_utf8_length(std::string_view text) {
  // The last sequence starts at most three bytes before the end.
  for (std::size_t back = 1; back <= 3 && back <= text.size(); ++back) {
    const auto c = static_cast<unsigned char>(text[text.size() - back]);
    if ((c & 0xC0) == 0x80) continue;  // a continuation byte
    const std::size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    return length > back ? text.size() - back : text.size();
  }
  return text.size();
}

}  // namespace velkan
