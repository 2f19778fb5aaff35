#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace torvanel::testing {

// UTF-8 to Windows-1252 for the characters up to U+00FF and the ellipsis;
// nullopt when a character has no Windows-1252 byte here.
inline std::optional<std::string> to_windows_1252(std::string_view utf8)
{
    std::string bytes;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            bytes.push_back(static_cast<char>(c));
        } else if ((c == 0xC2 || c == 0xC3) && i + 1 < utf8.size()) {
            // From U+00A0 on, Windows-1252 matches Latin-1.
            const unsigned code = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3Fu);
            if (code < 0xA0) {
                return std::nullopt;
            }
            bytes.push_back(static_cast<char>(code));
        } else if (utf8.substr(i, 3) == "\xE2\x80\xA6") {
            bytes.push_back('\x85');
            i += 2;
        } else {
            return std::nullopt;
        }
    }
    return bytes;
}

} // namespace torvanel::testing
