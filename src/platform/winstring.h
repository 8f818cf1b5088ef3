// Text between the program and the Windows API: the program keeps names and
// messages as byte strings (UTF-8 where they are not plain ASCII); the API
// takes and gives UTF-16. Windows builds only.
#pragma once

#include <string>
#include <string_view>

namespace velkan {

// Text as the API takes it: the bytes are read as UTF-8 when they are valid
// UTF-8, and otherwise in the system's ANSI code page, so that names typed in
// an editor that saves either way reach the same file.
std::wstring wide_text(std::string_view text);

// A file name as the file API takes it: wide_text() of the name, as it is
// when its full path keeps within the classic limit of MAX_PATH - 1
// characters; a longer one is passed as its full path with the prefix
// "\\?\" ("\\?\UNC\" for a share "\\server\share"), so that it reaches
// its file whether or not the system has long paths enabled.
std::wstring wide_name(std::string_view name);

// UTF-16 text as UTF-8 bytes; unpaired surrogates become U+FFFD.
std::string utf8_of(std::wstring_view text);

// UTF-8 bytes as UTF-16 text; invalid bytes become U+FFFD.
std::wstring utf16_of(std::string_view text);

// The length of the longest start of `text` that does not end inside a
// multi-byte UTF-8 sequence: what can be converted now when more bytes of the
// same text are still to come.
std::size_t complete_utf8_length(std::string_view text);

}  // namespace velkan
