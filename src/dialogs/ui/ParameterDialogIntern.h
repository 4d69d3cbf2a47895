// A helper shared by the parameter dialog's source files.
#pragma once

#include <cstdint>

namespace umbrin {
namespace {

inline std::int32_t ganz(double grenze) { return static_cast<std::int32_t>(grenze); }

} // namespace
} // namespace umbrin
