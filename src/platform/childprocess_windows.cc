// Running another program on Windows: CreateProcessW with inherited handles
// for the standard streams, and a command line quoted so that the child's
// runtime splits it back into the same arguments. Piped input is written into
// the pipe on a thread of its own, which a child that stops reading ends.
#include <windows.h>

#include <filesystem>
#include <thread>
#include <utility>

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

// The file `name` written into `pipe`, which is closed then.
void feed_pipe(const std::filesystem::path& name, HANDLE pipe) {
  const HANDLE in = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
  char buf[4096];
  DWORD got = 0;
  while (in != INVALID_HANDLE_VALUE && ReadFile(in, buf, sizeof buf, &got, nullptr) && got > 0) {
    DWORD put = 0;
    if (!WriteFile(pipe, buf, got, &put, nullptr) || put != got) break;
  }
  if (in != INVALID_HANDLE_VALUE) CloseHandle(in);
  CloseHandle(pipe);
}

// A pipe whose reading end the child inherits; false when none can be made.
bool make_pipe(HANDLE& read_end, HANDLE& write_end) {
  SECURITY_ATTRIBUTES sa{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  if (!CreatePipe(&read_end, &write_end, &sa, 0)) return false;
  SetHandleInformation(write_end, HANDLE_FLAG_INHERIT, 0);
  return true;
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
  const std::filesystem::path dir(wide_text(run.dir));
  const std::wstring program = wide_text(run.program);
  std::wstring line = quoted(program);
  for (const std::string& a : run.args) line += L" " + quoted(wide_text(a));
  HANDLE in = INVALID_HANDLE_VALUE, feed = INVALID_HANDLE_VALUE;
  if (!run.piped_input) {
    in = inheritable(dir / wide_text(run.input), GENERIC_READ, OPEN_EXISTING);
  } else if (!make_pipe(in, feed)) {
    in = feed = INVALID_HANDLE_VALUE;
  }
  const HANDLE out = inheritable(dir / wide_text(run.output), GENERIC_WRITE, CREATE_ALWAYS);
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
      CloseHandle(std::exchange(in, INVALID_HANDLE_VALUE));  // the child's copy reads
      std::thread feeder;
      if (feed != INVALID_HANDLE_VALUE) {
        feeder = std::thread(feed_pipe, dir / wide_text(run.input),
                             std::exchange(feed, INVALID_HANDLE_VALUE));
      }
      status = wait_for(pi);
      if (feeder.joinable()) feeder.join();
    }
  }
  if (in != INVALID_HANDLE_VALUE) CloseHandle(in);
  if (feed != INVALID_HANDLE_VALUE) CloseHandle(feed);
  if (out != INVALID_HANDLE_VALUE) CloseHandle(out);
  return status;
}

}  // namespace velkan
