#include "shell/HilfeSystem.h"

#include <cstdlib>
#include <sstream>

namespace umbrin {
namespace {

std::string ersetzeAlle(std::string s, const std::string& von, const std::string& nach)
{
    for (std::size_t p = s.find(von); p != std::string::npos; p = s.find(von, p + nach.size()))
        s.replace(p, von.size(), nach);
    return s;
}

std::string trimme(const std::string& s)
{
    const auto a = s.find_first_not_of(' ');
    if (a == std::string::npos)
        return {};
    const auto b = s.find_last_not_of(' ');
    return s.substr(a, b - a + 1);
}

} // namespace

std::string hilfeKommandoName(std::uint32_t kommando)
{
    const char* name = "??";
    switch (kommando) {
    case 1: name = "HELP_CONTEXT"; break;
    case 2: name = "HELP_QUIT"; break;
    case 3: name = "HELP_INDEX or HELP_CONTENTS"; break;
    case 4: name = "HELP_HELPONHELP"; break;
    case 5: name = "HELP_SETINDEX or HELP_SETCONTENTS"; break;
    case 8: name = "HELP_CONTEXTPOPUP"; break;
    case 9: name = "HELP_FORCEFILE"; break;
    case 10: name = "HELP_CONTEXTMENU"; break;
    case 11: name = "HELP_FINDER"; break;
    case 12: name = "HELP_WM_HELP"; break;
    case 13: name = "HELP_SETPOPUP_POS"; break;
    case 257: name = "HELP_KEY"; break;
    case 258: name = "HELP_COMMAND"; break;
    case 261: name = "HELP_PARTIALKEY"; break;
    case 513: name = "HELP_MULTIKEY"; break;
    case 515: name = "HELP_SETWINPOS"; break;
    default: break;
    }
    return std::string(name) + " (" + std::to_string(kommando) + ")";
}

std::string hilfePfad(const std::string& datei, const std::string& thema, const std::string& fenster, int modus)
{
    const std::string d = trimme(ersetzeAlle(datei, "%20", " "));
    std::string t = trimme(ersetzeAlle(thema, "%20", " "));
    const std::string f = trimme(ersetzeAlle(fenster, "%20", " "));
    std::string pfad = d;
    if (!t.empty()) {
        t = ersetzeAlle(t, "\\", "/");
        if (t[0] != '/')
            t.insert(0, "/");
        pfad += "::" + t;
    }
    if (!f.empty())
        pfad += ">" + f;
    if (modus == 2)
        pfad.insert(0, "mk:@MSITStore:");
    return pfad;
}

std::string hilfeFehlertext(HilfeErgebnis code)
{
    switch (code) {
    case HilfeErgebnis::Gezeigt: return {};
    case HilfeErgebnis::NichtInstalliert: return "MS Html Help is not installed on this PC.";
    case HilfeErgebnis::KeyHHFehlt: return "System file KeyHH.EXE was not found in the Windows folder.";
    case HilfeErgebnis::HHFehlt: return "System file HH.EXE was not found in the Windows folder.";
    }
    return "Unknown error returned by HHHelpContext";
}

std::string hilfeDateiFehlt(const std::string& datei)
{
    return "Help file " + datei + " not found!";
}

HilfeSystem::HilfeSystem(std::string hilfeDatei, std::string fensterName, int modus, std::string viewer,
                         ProgrammStarter starter, TDLogFile* log)
    : hilfeDatei_(std::move(hilfeDatei))
    , fenster_(std::move(fensterName))
    , modus_(modus)
    , viewer_(std::move(viewer))
    , starter_(std::move(starter))
    , log_(log)
{
    this->log("THookHelpSystem.Create(\"" + hilfeDatei_ + "\",\"" + fenster_ + "\", " + std::to_string(modus_) + ")");
}

HilfeSystem::~HilfeSystem()
{
    log("THookHelpSystem.Destroy");
}

void HilfeSystem::log(const std::string& zeile) const
{
    if (log_)
        log_->schreibe(zeile);
}

bool HilfeSystem::hilfeAnfrage(std::uint32_t kommando, std::intptr_t daten, bool& rufeHilfe, std::string& fehler)
{
    log("THookHelpSystem.HelpHook(" + hilfeKommandoName(kommando) + ", " + std::to_string(daten) + ")");
    fehler.clear();
    rufeHilfe = false;
    switch (kommando & 0xFFFF) {
    case 1:
    case 8:
        fehler = hilfeFehlertext(zeigeKontext(hilfeDatei_, static_cast<int>(daten)));
        break;
    case 13:
        popupPosition_ = daten;
        break;
    default:
        rufeHilfe = true;
        break;
    }
    return true;
}

HilfeErgebnis HilfeSystem::zeigeKontext(const std::string& datei, int kontext)
{
    const std::string pfad = hilfePfad(datei, "", fenster_, modus_);
    log("HHHelpContext(\"" + datei + "\", " + std::to_string(kontext) + ", \"" + fenster_ + "\", "
        + std::to_string(modus_) + ")");
    log("ShowContext(\"" + pfad + "\", " + std::to_string(kontext) + ")");
    HilfeErgebnis ergebnis = HilfeErgebnis::Gezeigt;
    if (viewer_.empty() || !starter_) {
        ergebnis = modus_ == 1 ? HilfeErgebnis::KeyHHFehlt
                 : modus_ == 2 ? HilfeErgebnis::HHFehlt
                               : HilfeErgebnis::NichtInstalliert;
    } else {
        std::vector<std::string> argumente;
        // xchm opens a topic by its context id; other viewers open the file.
        if (viewer_.find("xchm") != std::string::npos)
            argumente = {"-c", std::to_string(kontext), pfad};
        else
            argumente = {pfad};
        if (!starter_(viewer_, argumente))
            ergebnis = HilfeErgebnis::NichtInstalliert;
    }
    log("  returned - " + std::to_string(static_cast<int>(ergebnis)));
    if (ergebnis != HilfeErgebnis::Gezeigt)
        log("HHShowError(" + std::to_string(static_cast<int>(ergebnis)) + "), \"" + hilfeFehlertext(ergebnis) + "\"");
    return ergebnis;
}

std::string findeHilfeBetrachter()
{
    const char* path = std::getenv("PATH");
    if (!path)
        return {};
    for (const char* name : {"xchm", "kchmviewer"}) {
        std::stringstream ss(path);
        std::string ordner;
        while (std::getline(ss, ordner, ':')) {
            if (ordner.empty())
                continue;
            const std::filesystem::path p = std::filesystem::path(ordner) / name;
            std::error_code ec;
            if (std::filesystem::is_regular_file(p, ec))
                return p.string();
        }
    }
    return {};
}

} // namespace umbrin
