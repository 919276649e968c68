#include "EchoText.h"

#include <cstdio>

namespace {

// Length of the valid UTF-8 sequence at text[at] and its code point; length 0 when there is none.
std::size_t Decode(std::string_view text, std::size_t at, char32_t& code)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
        smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
        smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
        smallest = 0x10000;
    } else {
        return 0;
    }
    if (at + length > text.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (byte(i) & 0x3F);
    }
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return 0;
    }
    return length;
}

void AppendEscaped(std::string& out, std::string_view bytes)
{
    for (const char c : bytes) {
        char escaped[5];
        std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned char>(c));
        out += escaped;
    }
}

} // namespace

std::string EchoText(std::string_view text, std::size_t maxCharacters)
{
    std::string out;
    std::size_t characters = 0;
    for (std::size_t at = 0; at < text.size(); ++characters) {
        if (characters == maxCharacters) {
            out += "...";
            break;
        }
        char32_t code = 0;
        std::size_t length = Decode(text, at, code);
        const bool control = length > 0 && (code < 0x20 || (code >= 0x7F && code <= 0x9F));
        if (length == 0 || control) {
            length = length == 0 ? 1 : length;
            AppendEscaped(out, text.substr(at, length));
        } else {
            out.append(text.substr(at, length));
        }
        at += length;
    }
    return out;
}

std::string Quoted(std::string_view text)
{
    return "'" + EchoText(text) + "'";
}
