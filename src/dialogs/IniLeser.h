// The reader of one settings or construction-data file's lines, line by line.
#pragma once

#include "core/State.h"
#include "core/UserPrompt.h"
#include "dialogs/Wertebereiche.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace umbrin {

// Reads the lines of one file into a copy of the state. Every handler returns false when its
// line stops the reading (a "raise"). A line is taken whole or not at all: a line that stops
// the reading or is reported leaves every value as it was, and it is reported once (the stop
// question is its report).
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
    void datumslinie(std::size_t i, const std::string& zeile);
    // One message for all date lines that failed, naming the first few; none when all passed.
    void meldeDatumslinien();

private:
    // The values a main line or an hour-range line may change, kept to undo a faulty line.
    struct Zeilenstand {
        TPar par;
        TSchalter schalter;
        TZeiten zeiten;
        char uhrTyp;
        std::uint8_t schirmuhr, schinkenModus;
        std::int32_t skalaZylinder, skalaHidokai, skalaHidokai2;
        double ringLochVersatz, deklOben, deklUnten;
    };
    Zeilenstand merke() const;
    void zuruecksetzen(const Zeilenstand& st);
    // Ends a line: undoes it when it stopped the reading or was reported, and shows its report.
    bool abschliessen(const Zeilenstand& vorher, bool weiter, bool gemeldetBehalten = false);

    bool liesHauptzeile(std::size_t i, const std::string& zeile);
    std::optional<std::string> formfehler(std::size_t i, const std::string& zeile) const;
    void melde(const std::string& text);
    bool imBereich(double wert, const Wertebereich& bereich, int zeile, std::string_view text);
    void jahr(const std::string& zeile);
    bool ort(const std::string& zeile, double& erster, double& zweiter, const Wertebereich& bereich, bool istBreite);
    bool zonenmeridian(const std::string& zeile);
    bool gnomonUndZylinder(const std::string& zeile);
    bool skalen(const std::string& zeile);
    bool wand(const std::string& zeile);
    bool neigungUndKegel(const std::string& zeile);
    bool analemmaUndSawyer(const std::string& zeile);
    bool sawyerZeit(const std::string& text);
    bool optionen(std::string_view zeile);
    void typ(std::string_view t);
    static bool bekannterTyp(char t);
    bool stunde(const std::string& zeile, std::int32_t& feld);
    void sprache(const std::string& zeile);
    void schirmUndRing(const std::string& zeile);
    void habermelUndPeaucellier(const std::string& zeile);
    bool ringband(const std::string& zeile);
    bool intervalle(std::string_view zeile);

    AppState& z_;
    UserPrompt& prompt_;
    std::string datei_;
    int spalte_;
    std::string meldung_; // the first report of the line being read
    std::vector<std::pair<std::size_t, std::string>> falscheDaten_; // date lines that failed, with their index
};

} // namespace umbrin
