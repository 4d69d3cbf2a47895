#pragma once
// The horizon profile of a place computed from elevation grids: the user's first tile holds
// the centre; the far field is taken cell by cell on the sphere, shared out over threads
// row block by row block, the window around the centre as a surface on a plane; tiles
// beyond the first are asked for afterwards while the maximum distance reaches past the
// tile's edges. Nothing here touches the shared state: the caller takes the result.
#include "core/Horizontprofil.h"
#include "core/UserPrompt.h"
#include "tables/Arbeitsmatrix.h"
#include "tables/Hoehengitter.h"
#include "tables/Horizontfeld.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace umbrin {

struct HorizontEingabe {
    double Breite = 0;              // latitude of the centre, south negative (Par.Breite)
    double Laenge = 0;              // longitude, EAST NEGATIVE as Par.Laenge holds it
    std::int32_t Podesthoehe = 0;
    std::int32_t Mindestabstand = 200;
    std::int32_t MaxAbstandKm = 60;
    int sprachspalte = 1;
    unsigned threads = 0;           // far-field threads; 0: as many as the machine has
};

// What the computation asks of its window. Questions and messages go through prompt; every
// other member may be left empty.
struct HorizontDienste {
    UserPrompt* prompt = nullptr;
    // The next tile the user chooses; empty when the choice was cancelled.
    std::function<std::string()> waehleKachel;
    // Progress 1..9000 while rows are read.
    std::function<void(int)> fortschritt;
    // The ground height at the centre, as soon as it is known.
    std::function<void(std::int32_t)> bodenhoehe;
    // Set by the window to stop the run; checked before every row.
    const std::atomic<bool>* abbruch = nullptr;
};

struct HorizontErgebnis {
    bool AbbruchHorizont = true;    // true: nothing to save (refused, failed or stopped)
    bool abgebrochen = false;       // stopped by the user
    Horizontprofil profil = leeresHorizontprofil();
    std::int32_t Bodenhoehe = 0;
    double Breite = 0;              // the centre as computed (a latitude near 0 becomes 1e-6)
    double LaengeOst = 0;
};

// Runs the whole computation from the first tile `datei`.
HorizontErgebnis BerechneHorizont(const HorizontEingabe& eingabe, const std::string& datei, HorizontDienste& dienste);

// How the rows of one tile went: all read, stopped by the user, or the file ended before
// rows the profile needs (a profile from it would show flat ground where data is missing).
enum class Kachellauf { fertig, abgebrochen, unvollstaendig };

// The parts of a run, for the window tests and the benchmark.
class Horizontrechnung {
public:
    Horizontrechnung(const HorizontEingabe& eingabe, HorizontDienste& dienste);

    // Header, centre, neighbour state, ground height and the announcement. False (after a
    // message) when the tile cannot be used.
    bool beginne(const std::string& datei);
    // Far field and window of the first tile, then the near field (only when every row
    // needed was read).
    Kachellauf rechneErsteKachel();
    // Asks for one neighbour tile and processes it. False when stopped by the user. A tile
    // that ends early is reported and leaves the profile and the window as they were.
    bool LadeHoehenTabelle();
    void nahfeld();

    const std::vector<int>& fehlende() const { return fehlende_; }
    const Kachelkopf& ersteKachel() const { return erste_; }
    const Horizontzentrum& zentrum() const { return z_; }
    std::int32_t Bodenhoehe() const { return boden_; }
    Horizontprofil& profil() { return profil_; }
    bool abgebrochen() const;

private:
    Kachellauf verarbeiteKachel(const Kachelkopf& kopf, const std::string& datei, const char* folgeDe,
                                const char* folgeEn);
    void meldung(PromptTitle titel, PromptIcon icon, const std::string& text);
    std::string sp(const char* de, const char* en) const { return e_.sprachspalte == 2 ? en : de; }

    HorizontEingabe e_;
    HorizontDienste& d_;
    std::string datei_;
    Kachelkopf erste_;
    Horizontzentrum z_;
    Arbeitsmatrix fenster_;
    std::vector<int> fehlende_;
    std::int32_t boden_ = 0;
    Horizontprofil profil_ = leeresHorizontprofil();
};

// Reads the six header lines of a tile file. False with a message naming the file.
bool leseKachelkopfDatei(const std::string& datei, int sprachspalte, Kachelkopf& kopf, std::string& fehler);

// The neighbour code of a tile relative to the first tile (1, 2, 3, 4, 12, 14, 23, 34), 0 when
// it is none of them.
int nachbarCode(const Kachelkopf& erste, const Kachelkopf& kachel);

} // namespace umbrin
