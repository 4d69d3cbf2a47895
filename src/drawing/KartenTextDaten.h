#pragma once
// The built-in world map text, kept as a run of string literals (a compiler need not accept
// one literal of its full size). Each piece holds whole lines with their line feeds; the
// pieces in order are the text.
#include <span>
#include <string_view>

namespace umbrin {

std::span<const std::string_view> kartenTextTeile();

} // namespace umbrin
