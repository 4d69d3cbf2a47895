// The engine runs inside the program, whose Qt application takes the process's locale from the
// environment (LC_ALL, LANG) before anything is computed. The engine tests take it from their
// start in the same way, so that a number read or written through the locale (std::stod,
// printf's "%f") shows where the tests run in a German locale, as their registration has them.
#include <clocale>

namespace {
[[maybe_unused]] const bool gebietsschemaGesetzt = std::setlocale(LC_ALL, "") != nullptr;
}
