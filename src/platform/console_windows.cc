// Standard input and output on Windows. Both are put in binary mode: every
// line end is written as a single line feed, as on other systems, lines are
// read with or without a carriage return (the unit table drops it), and a
// Ctrl+Z inside a redirected file is data, not an end. When standard input is
// a console window, typed lines are read as UTF-16 and handed on as UTF-8, so
// a typed name reaches the file API whole whatever its characters (see
// wide_name()); when standard output is a console window, UTF-8 text is shown
// as such.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <iostream>
#include <streambuf>
#include <string>
#include <utility>

#include "platform/console.h"
#include "platform/winfileid.h"
#include "platform/winstring.h"

namespace velkan {
namespace {

constexpr std::size_t kChunk = 4096;

bool is_console(HANDLE h) {
  DWORD mode = 0;
  return h != nullptr && h != INVALID_HANDLE_VALUE && GetConsoleMode(h, &mode) != 0;
}

// Typed console lines as UTF-8 bytes.
class ConsoleReader : public std::streambuf {
 public:
  explicit ConsoleReader(HANDLE h) : h_(h) {}

 protected:
  int_type underflow() override;

 private:
  HANDLE h_;
  std::string bytes_;
  wchar_t pending_ = 0;  // a high surrogate whose partner has not been read yet
  bool line_start_ = true;
  bool ended_ = false;
};

ConsoleReader::int_type ConsoleReader::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  while (!ended_) {
    wchar_t typed[kChunk + 1];
    DWORD n = 0;
    if (pending_ != 0) typed[n++] = std::exchange(pending_, wchar_t{0});
    DWORD got = 0;
    if (!ReadConsoleW(h_, typed + n, kChunk, &got, nullptr) || got == 0) break;
    n += got;
    // Ctrl+Z at the start of a line ends the input, as for other console programs.
    if (line_start_ && typed[0] == 0x1A) break;
    if (IS_HIGH_SURROGATE(typed[n - 1])) pending_ = typed[--n];
    if (n == 0) continue;
    bytes_ = utf8_of(std::wstring_view(typed, n));
    line_start_ = bytes_.back() == '\n';
    setg(bytes_.data(), bytes_.data(), bytes_.data() + bytes_.size());
    return traits_type::to_int_type(*gptr());
  }
  ended_ = true;
  return traits_type::eof();
}

// UTF-8 text shown in a console window. A sequence cut by the buffer's end
// waits for its remaining bytes.
class ConsoleWriter : public std::streambuf {
 public:
  explicit ConsoleWriter(HANDLE h) : h_(h) {}
  ~ConsoleWriter() override { show(); }

 protected:
  int_type overflow(int_type c) override {
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      text_.push_back(traits_type::to_char_type(c));
      if (text_.size() >= kChunk) show();
    }
    return traits_type::not_eof(c);
  }
  std::streamsize xsputn(const char* s, std::streamsize n) override {
    text_.append(s, static_cast<std::size_t>(n));
    if (text_.size() >= kChunk) show();
    return n;
  }
  int sync() override {
    show();
    return 0;
  }

 private:
  void show();

  HANDLE h_;
  std::string text_;
};

void ConsoleWriter::show() {
  const std::size_t complete = complete_utf8_length(text_);
  const std::wstring wide = utf16_of(std::string_view(text_).substr(0, complete));
  text_.erase(0, complete);
  const wchar_t* p = wide.data();
  auto left = static_cast<DWORD>(wide.size());
  while (left > 0) {
    DWORD put = 0;
    if (!WriteConsoleW(h_, p, left, &put, nullptr) || put == 0) return;
    p += put;
    left -= put;
  }
}

}  // namespace

struct StdConsole::Streams {
  std::unique_ptr<ConsoleReader> reader;
  std::unique_ptr<ConsoleWriter> writer;
  std::istream in{nullptr};
  std::ostream out{nullptr};
};

StdConsole::StdConsole() : streams_(std::make_unique<Streams>()) {
  std::ios::sync_with_stdio(false);
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  const HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
  const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  if (is_console(in)) {
    streams_->reader = std::make_unique<ConsoleReader>(in);
    streams_->in.rdbuf(streams_->reader.get());
  } else {
    streams_->in.rdbuf(std::cin.rdbuf());
  }
  if (is_console(out)) {
    streams_->writer = std::make_unique<ConsoleWriter>(out);
    streams_->out.rdbuf(streams_->writer.get());
  } else {
    streams_->out.rdbuf(std::cout.rdbuf());
  }
}

StdConsole::~StdConsole() {
  streams_->out.flush();
}

std::istream& StdConsole::in() {
  return streams_->in;
}

std::ostream& StdConsole::out() {
  return streams_->out;
}

std::ostream& StdConsole::err() {
  return std::cerr;
}

std::optional<FileId> StdConsole::input_file() const {
  const HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
  BY_HANDLE_FILE_INFORMATION info{};
  if (in == nullptr || in == INVALID_HANDLE_VALUE || GetFileType(in) != FILE_TYPE_DISK ||
      !GetFileInformationByHandle(in, &info)) {
    return std::nullopt;
  }
  return file_id_from(info);
}

}  // namespace velkan
