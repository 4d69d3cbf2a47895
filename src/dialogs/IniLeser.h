// The reader of one settings or construction-data file's lines, line by line.
#pragma once

#include "core/State.h"
#include "core/UserPrompt.h"
#include "dialogs/Wertebereiche.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace umbrin {

// Reads the lines of one file into a copy of the state. Every handler returns false when its
// line stops the reading (a "raise"); the value that failed then holds its fallback.
class IniLeser {
public:
    IniLeser(AppState& z, UserPrompt& prompt, std::string dateiMitOrdner, int meldungsSpalte)
        : z_(z), prompt_(prompt), datei_(std::move(dateiMitOrdner)), spalte_(meldungsSpalte)
    {
    }

    int meldungsSpalte() const { return spalte_; }

    bool hauptzeile(std::size_t i, const std::string& zeile);
    bool farbe(std::size_t k, const std::string& zeile);
    bool zeiten(std::size_t k, const std::string& zeile);
    void datumslinie(const std::string& zeile);

private:
    void melde(const std::string& text);
    bool imBereich(double wert, const Wertebereich& bereich, int zeile, std::string_view text);
    void jahr(const std::string& zeile);
    bool ort(const std::string& zeile, double& erster, double& zweiter, const Wertebereich& bereich, double ersatz,
             bool istBreite);
    bool zonenmeridian(const std::string& zeile);
    bool gnomonUndZylinder(const std::string& zeile);
    bool skalen(const std::string& zeile);
    bool wand(const std::string& zeile);
    bool neigungUndKegel(const std::string& zeile);
    bool analemmaUndSawyer(const std::string& zeile);
    bool sawyerZeit(const std::string& text);
    bool optionen(std::string_view zeile);
    void typ(std::string_view t);
    bool stunde(const std::string& zeile, std::int32_t& feld, std::int32_t ersatz);
    void sprache(const std::string& zeile);
    void schirmUndRing(const std::string& zeile);
    void habermelUndPeaucellier(const std::string& zeile);
    bool ringband(const std::string& zeile);
    bool intervalle(std::string_view zeile);

    AppState& z_;
    UserPrompt& prompt_;
    std::string datei_;
    int spalte_;
};

} // namespace umbrin
