#include "drawing/Exportnamen.h"


namespace umbrin {
namespace {

constexpr std::size_t FeldLaenge = 60;

// Where the file name begins: after the last "/" or "\".
std::size_t dateinamenAnfang(std::string_view name)
{
    const std::size_t p = name.find_last_of("/\\");
    return p == std::string_view::npos ? 0 : p + 1;
}

// The first dot of the file name itself.
std::size_t ersterPunkt(std::string_view name) { return name.find('.', dateinamenAnfang(name)); }

std::string feld(std::string s)
{
    if (s.size() > FeldLaenge)
        s.resize(FeldLaenge);
    return s;
}

} // namespace

std::string exportName(std::string_view name, std::string_view endung)
{
    if (name.empty())
        return "umb." + std::string(endung);
    const std::string text = feld(std::string(name));
    const std::size_t punkt = ersterPunkt(text);
    if (punkt == std::string::npos)
        return feld(text + "." + std::string(endung));
    return feld(text.substr(0, punkt + 1) + std::string(endung));
}

std::string koordinatenName(std::string_view name)
{
    if (name.empty())
        return {};
    const std::size_t punkt = ersterPunkt(name);
    if (punkt == std::string_view::npos)
        return std::string(name) + ".txt";
    return std::string(name.substr(0, punkt + 1)) + "txt";
}

std::string kegelBlattName(std::string_view name)
{
    const std::size_t anfang = dateinamenAnfang(name);
    const std::size_t punkt = name.rfind('.');
    if (punkt == std::string_view::npos || punkt < anfang)
        return std::string(name) + "Cone";
    return std::string(name.substr(0, punkt)) + "Cone" + std::string(name.substr(punkt));
}

std::string ohneOrdner(std::string_view name) { return std::string(name.substr(dateinamenAnfang(name))); }

std::string plotGespeichert(bool deutsch, std::string_view ziel)
{
    return std::string(deutsch ? "\r\n       Datei " : "\r\n       File ") + ohneOrdner(ziel)
         + (deutsch ? " gespeichert!     " : " saved!     ");
}

} // namespace umbrin
