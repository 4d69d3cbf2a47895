#pragma once
// Where the tests find the source tree (golden files, seeds, scripts) and their build folder.
// Found when a test runs, not written into the programs, so that the same objects serve any
// clone of the tree: the test programs live in the build folder, whose CMakeCache.txt names the
// source tree. Included into every test source by the build.
#include <fstream>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace umbrin::test {

inline const std::string& binaerordner()
{
    static const std::string ordner = [] {
        std::string pfad(4096, '\0');
        const ssize_t n = ::readlink("/proc/self/exe", pfad.data(), pfad.size() - 1);
        if (n <= 0)
            throw std::runtime_error("the test program cannot find its own file");
        pfad.resize(static_cast<std::size_t>(n));
        return pfad.substr(0, pfad.rfind('/'));
    }();
    return ordner;
}

inline const std::string& quellordner()
{
    static const std::string ordner = [] {
        std::ifstream cache(binaerordner() + "/CMakeCache.txt");
        const std::string schluessel = "CMAKE_HOME_DIRECTORY:INTERNAL=";
        for (std::string zeile; std::getline(cache, zeile);)
            if (zeile.rfind(schluessel, 0) == 0)
                return zeile.substr(schluessel.size());
        throw std::runtime_error("no source tree named in " + binaerordner() + "/CMakeCache.txt");
    }();
    return ordner;
}

} // namespace umbrin::test

#define UMBRIN_SOURCE_DIR (::umbrin::test::quellordner().c_str())
#define UMBRIN_BINARY_DIR (::umbrin::test::binaerordner().c_str())
