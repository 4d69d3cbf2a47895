#include "shell/DebugLog.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sys/utsname.h>

namespace umbrin {
namespace {

std::string jetztAlsText(const char* format)
{
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    char buf[64];
    std::strftime(buf, sizeof buf, format, &tm);
    return buf;
}

std::string klein(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

} // namespace

TDLogFile::TDLogFile(std::filesystem::path datei, bool aktiv, const LogUmgebung& umgebung, bool zeitstempel,
                     bool kopf)
    : datei_(std::move(datei))
    , aktiv_(aktiv)
    , zeitstempel_(zeitstempel)
{
    uhr = [] { return jetztAlsText("%H:%M:%S"); };
    // The old log goes only when a new one is written: without the switch an old log stays.
    if (!aktiv_)
        return;
    std::error_code ignored;
    std::filesystem::remove(datei_, ignored);
    if (kopf)
        schreibeKopf(umgebung);
}

std::string TDLogFile::zeile(const std::string& text, const std::string& zeitPrefix)
{
    std::string t = text;
    if (t == "-")
        t.assign(80, '-');
    else if (t == "=")
        t.assign(80, '=');
    if (!t.empty() && (t[0] == '!' || t[0] == '-' || t[0] == '='))
        return t.substr(1);
    return zeitPrefix + t;
}

void TDLogFile::schreibe(const std::string& text)
{
    if (!aktiv_)
        return;
    const std::string prefix = zeitstempel_ ? uhr() + "   " : std::string();
    std::ofstream out(datei_, std::ios::binary | std::ios::app);
    if (!out)
        return;
    out << zeile(text, prefix) << "\r\n";
}

void TDLogFile::schreibeKopf(const LogUmgebung& u)
{
    utsname un{};
    std::string system = "Linux";
    if (uname(&un) == 0)
        system = std::string(un.sysname) + " " + un.release + " (" + un.version + ") " + un.machine;
    const char* locale = std::setlocale(LC_ALL, nullptr);
    std::string argumente;
    for (std::size_t i = 0; i < u.argumente.size(); ++i)
        argumente += (i ? " | " : "") + u.argumente[i];

    schreibe("=");
    schreibe("!Log File:             \t" + datei_.string());
    schreibe("!Date:                 \t" + jetztAlsText("%Y-%m-%d %H:%M:%S"));
    schreibe("!Operating System:      \t" + system);
    schreibe(std::string("!Locale:                \t") + (locale ? locale : "C"));
    schreibe("!DecimalSeparator:      \t.");
    schreibe("-");
    schreibe("!EXE Path =          \t" + u.modulPfad.string());
    schreibe("!EXE Version =       \t" + u.version);
    schreibe("!Cmdline Param(s) =  \t" + argumente);
    schreibe("!Actual CmdLine =  \t" + u.aufrufzeile);
    schreibe("!_RunDir =           \t" + u.laufOrdner);
    schreibe("!_ModuleName =       \t" + u.modulPfad.filename().string());
    schreibe("!_ModuleDir =        \t" + u.modulPfad.parent_path().string());
    schreibe("!_ModulePath =        \t" + u.modulPfad.string());
    schreibe("!Module Version =       \t" + u.version);
    schreibe("-");
    schreibe(std::string("!Help viewer installed = \t") + (u.hilfeBetrachter.empty() ? "NO" : "YES"));
    schreibe("!Help viewer =         \t" + u.hilfeBetrachter);
    schreibe("=");
}

bool debugGewuenscht(const std::vector<std::string>& argumente, const std::filesystem::path& programmOrdner)
{
    std::error_code ec;
    if (std::filesystem::exists(programmOrdner / "debug.debug", ec))
        return true;
    return std::any_of(argumente.begin(), argumente.end(), [](const std::string& a) {
        const std::string k = klein(a);
        return k == "/debug" || k == "-debug";
    });
}

std::filesystem::path logOrdner(const std::filesystem::path& programmOrdner)
{
    const std::filesystem::path probe = programmOrdner / "$_Temp_$.$$$";
    std::error_code ec;
    if (!std::filesystem::exists(probe, ec)) {
        std::FILE* f = std::fopen(probe.c_str(), "wb");
        if (f) {
            std::fclose(f);
            std::filesystem::remove(probe, ec);
            return programmOrdner;
        }
    }
    const auto tmp = std::filesystem::temp_directory_path(ec);
    return ec ? std::filesystem::path("/tmp") : tmp;
}

} // namespace umbrin
