#pragma once
// Texts live in memory as UTF-8; every file the program writes is Windows-1252, as the
// files of existing users are. Readers accept either.
#include <string>
#include <string_view>

namespace umbrin {

// UTF-8 to Windows-1252. Characters with no Windows-1252 form become '?'.
std::string utf8ToCp1252(std::string_view utf8);

// Windows-1252 to UTF-8. The five unassigned bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to
// the C1 control characters of the same value, so nothing is lost.
std::string cp1252ToUtf8(std::string_view cp1252);

// True when the bytes are well-formed UTF-8.
bool isValidUtf8(std::string_view bytes);

// Bytes of a user's file to UTF-8: taken as UTF-8 when well-formed (a leading byte-order
// mark is dropped), else as Windows-1252.
std::string decodeFileText(std::string_view bytes);

} // namespace umbrin
