#pragma once
// The help hook: every help request of the program (F1 on a control, the help menu with
// context 100) shows the topic of its context id in the help file of the current language,
// "umbrin_d.chm" or "umbrin_e.chm" beside the program, through a compiled-help viewer found
// on the machine.
#include "shell/DebugLog.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace umbrin {

// Result codes of showing a context: 0 shown, 1 no viewer installed, 2 and 3 the viewer
// programs of modes 1 and 2 missing.
enum class HilfeErgebnis : int { Gezeigt = 0, NichtInstalliert = 1, KeyHHFehlt = 2, HHFehlt = 3 };

// Starts a program with arguments; returns false when it could not be started.
using ProgrammStarter = std::function<bool(const std::string& programm, const std::vector<std::string>& argumente)>;

// Name of a help command for the log: "HELP_CONTEXT (1)", "?? (77)".
std::string hilfeKommandoName(std::uint32_t kommando);

// The path handed to the viewer: "%20" becomes a blank, blanks trimmed, "::/topic" and
// ">window" appended when given; mode 2 puts "mk:@MSITStore:" in front.
std::string hilfePfad(const std::string& datei, const std::string& thema, const std::string& fenster, int modus);

// The message of a result code; empty for 0.
std::string hilfeFehlertext(HilfeErgebnis code);

// "Help file <name> not found!"
std::string hilfeDateiFehlt(const std::string& datei);

class HilfeSystem {
public:
    // viewer: the viewer program found on the machine (empty: none); starter starts it.
    HilfeSystem(std::string hilfeDatei, std::string fensterName, int modus, std::string viewer,
                ProgrammStarter starter, TDLogFile* log = nullptr);
    ~HilfeSystem();

    void setHilfeDatei(const std::string& datei) { hilfeDatei_ = datei; }
    const std::string& hilfeDatei() const { return hilfeDatei_; }

    // The application's help handler. Returns the handler's result; rufeHilfe tells whether
    // the platform's own help handling should go on. fehler receives the message to show
    // (empty when none).
    bool hilfeAnfrage(std::uint32_t kommando, std::intptr_t daten, bool& rufeHilfe, std::string& fehler);

    // Shows a context of a file; the code says what happened.
    HilfeErgebnis zeigeKontext(const std::string& datei, int kontext);

    std::intptr_t popupPosition() const { return popupPosition_; }

private:
    void log(const std::string& zeile) const;
    std::string hilfeDatei_;
    std::string fenster_;
    int modus_;
    std::string viewer_;
    ProgrammStarter starter_;
    TDLogFile* log_;
    std::intptr_t popupPosition_ = 0;
};

// Looks for a compiled-help viewer on the PATH ("xchm", "kchmviewer"); empty when none.
std::string findeHilfeBetrachter();

} // namespace umbrin
