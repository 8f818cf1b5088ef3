// Running another program on Windows: CreateProcessW with inherited handles
// for the standard streams, and a command line quoted so that the child's
// runtime splits it back into the same arguments.
#include <windows.h>

#include <filesystem>

#include "platform/childprocess.h"
#include "platform/winstring.h"

namespace velkan {
namespace {

// One argument as the C runtime's command-line splitting reads it back:
// quoted when it holds blanks or quotes or is empty; backslashes are doubled
// only where a quote follows them.
std::wstring quoted(const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos) return arg;
  std::wstring q = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    q.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    q.push_back(c);
  }
  q.append(2 * backslashes, L'\\');
  q.push_back(L'"');
  return q;
}

HANDLE inheritable(const std::filesystem::path& name, DWORD access, DWORD disposition) {
  SECURITY_ATTRIBUTES sa{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  return CreateFileW(name.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa, disposition,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

int wait_for(const PROCESS_INFORMATION& pi) {
  DWORD code = 0;
  const bool waited = WaitForSingleObject(pi.hProcess, INFINITE) == WAIT_OBJECT_0 &&
                      GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return waited ? static_cast<int>(code) : -1;
}

}  // namespace

int run_child(const ChildRun& run) {
  const std::filesystem::path dir(wide_name(run.dir));
  const std::wstring program = wide_name(run.program);
  std::wstring line = quoted(program);
  for (const std::string& a : run.args) line += L" " + quoted(wide_name(a));
  const HANDLE in = inheritable(dir / wide_name(run.input), GENERIC_READ, OPEN_EXISTING);
  const HANDLE out = inheritable(dir / wide_name(run.output), GENERIC_WRITE, CREATE_ALWAYS);
  int status = -1;
  if (in != INVALID_HANDLE_VALUE && out != INVALID_HANDLE_VALUE) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = in;
    si.hStdOutput = out;
    si.hStdError = out;
    PROCESS_INFORMATION pi{};
    if (CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                       dir.c_str(), &si, &pi)) {
      status = wait_for(pi);
    }
  }
  if (in != INVALID_HANDLE_VALUE) CloseHandle(in);
  if (out != INVALID_HANDLE_VALUE) CloseHandle(out);
  return status;
}

}  // namespace velkan
