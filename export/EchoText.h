#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text from the command line or a library made safe for one line of a terminal: control
// characters (C0, DEL, C1) and bytes that are no part of valid UTF-8 become \xNN, and text of more
// than maxCharacters characters is cut there and ends in "...". Printable text is kept as it is.
std::string EchoText(std::string_view text, std::size_t maxCharacters = 200);

// EchoText(text) in single quotes, as error messages show a value.
std::string Quoted(std::string_view text);
