#pragma once
// What the working dialogs are given by the main window: the shared state, the message
// boxes, the walk, the values the dialogs keep between their openings, and a few hooks into
// the main window's menus and panels. Every hook may be left empty.
#include "core/State.h"
#include "core/UserPrompt.h"
#include "dialogs/DialogOrtWerte.h"
#include "dialogs/DialogWalk.h"

#include <QImage>

#include <cstdint>
#include <functional>
#include <string>

namespace umbrin {

struct Hauptfensterhaken {
    // Enables the menu items dial type, location and year, parameters.
    std::function<void(bool typwahl, bool ortUndZeit, bool parameter)> menue;
    // Shows or hides the menu items that save and load the own date lines.
    std::function<void(bool sichtbar)> datumsMenue;
    // Shows the gallery picture of that number.
    std::function<void(std::int32_t bildNummer)> zeigeBild;
    // The gallery picture of that number, a null image when there is none.
    std::function<QImage(std::int32_t bildNummer)> bild;
    // Hides the picture panel; true when it was showing.
    std::function<bool()> verbergeBild;
    // Hides the colour palette.
    std::function<void()> verbergeFarbpanel;
    // Asks for a file to open (title, filter "text|pattern|...", default extension); empty when
    // cancelled. Left empty, the platform's file dialog asks.
    std::function<std::string(const std::string& titel, const std::string& filter, const std::string& endung)>
        dateiOeffnen;
    // Reads the horizon-profile file into the state given and, when its place differs, moves
    // the state's place there (saying so); false when nothing was taken. Left empty, no
    // profile can be loaded.
    std::function<bool(AppState& s, UserPrompt& prompt, const std::string& datei, bool& ortNeu)> horizontprofilLesen;
};

struct DialogUmgebung {
    DialogUmgebung(AppState& s, UserPrompt& p, DialogWalk* w = nullptr) : zustand(s), prompt(p), walk(w) {}

    AppState& zustand;
    UserPrompt& prompt;
    DialogWalk* walk; // null: the dialogs run on their own
    OrtEingabeGedaechtnis ort;
    Hauptfensterhaken haken;
};

} // namespace umbrin
