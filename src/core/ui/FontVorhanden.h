#pragma once
#include <string>

namespace umbrin {

// True when a font of that name is installed (names compared in upper case).
bool FontVorhanden(const std::string& name);

} // namespace umbrin
