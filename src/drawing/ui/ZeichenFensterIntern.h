// A helper shared by the drawing window's source files.
#pragma once

#include <QString>

#include <string_view>

namespace umbrin {
namespace {

inline QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

} // namespace
} // namespace umbrin
