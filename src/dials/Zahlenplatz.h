#pragma once
// Where the hour numbers of a dial go when curves stand close together (near noon, or where a
// low sun crowds them): each number stands where its curve puts it, unless it would cover a
// number written before; then it moves the least distance, across or along, that clears every
// number written so far. The order in which a number seeks its place along its line (suche) is
// the one every family takes that walks its lines for a clean place: the Sawyer dial's and the
// cone's.
#include "core/Canvas.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace umbrin {

class Zahlenplatz {
public:
    // abstand: the free room kept between two numbers, in canvas units.
    explicit Zahlenplatz(int abstand) : abstand_(abstand) {}
    void setzeAbstand(int abstand) { abstand_ = abstand; }
    // Two numbers on one line less than a blank apart read as one number: a box keeps at least
    // teil of the lower box's height (a blank of its font) across from every box that shares
    // half that height with it. 0 keeps only the free room.
    void setzeLeerraum(double teil) { leerraum_ = teil; }
    // The sheet a moved number must stay on (a wanted place off it is kept as it is).
    void begrenze(int links, int oben, int rechts, int unten) { blatt_ = {links, oben, rechts - links, unten - oben}; }

    // Whether a box there would stand clear of every box so far, on the sheet.
    bool istFrei(int x, int y, int breite, int hoehe) const
    {
        const Kasten k{x, y, breite, hoehe};
        return frei(k) && aufDemBlatt(k);
    }
    // The place along a line for a number of breite x hoehe: of its n places, those taugt
    // admits may carry it, ort gives the box's top-left corner there. The first admitted place
    // that stands clear wins, else the first admitted one; n when none is admitted.
    std::size_t stelleAmStrich(std::size_t n, const std::function<bool(std::size_t)>& taugt,
                               const std::function<CanvasPoint(std::size_t)>& ort, int breite, int hoehe) const;
    // The top-left corner nearest (x, y) for a box of breite x hoehe wholly on the sheet
    // (unchanged without a sheet, or for a box larger than it).
    CanvasPoint aufsBlatt(int x, int y, int breite, int hoehe) const;
    // A box numbers keep clear of, taken by another text.
    void belege(int x, int y, int breite, int hoehe) { belegt_.push_back({x, y, breite, hoehe}); }
    // The top-left corner for a text box of breite x hoehe wanted at (x, y); the box is
    // remembered. When no single move clears all, the wanted place is kept.
    CanvasPoint platziere(int x, int y, int breite, int hoehe);
    // The same for a text in the canvas's current font.
    CanvasPoint platziere(const Canvas& c, int x, int y, std::string_view text);
    // As platziere, but where no single move clears all, nothing is remembered and the number
    // is left out (nullopt).
    std::optional<CanvasPoint> platziereFrei(int x, int y, int breite, int hoehe);

    // The order in which a number seeks its place along its line, strictest first. Each rule
    // walks every place of the line, from its anchor on, before the next is tried; under each, a
    // number that a taken box covers tries again just beside that box (daneben) once the plain
    // walk has found nothing. A number and its twin (a second number that stands by it) are
    // judged together; the first place that serves wins. A family whose places are not all
    // points of the line (the cone's ends beyond the line) walks them as further places.
    enum class Stufe {
        Sauber,   // the number and its twin on the sheet, clear of the taken boxes, nearest
                  // their own line, and off the lines that cross it
        Nah,      // the same, where they may touch the lines that cross it (the cone: the one
                  // place of its line those lines come least near)
        Allein,   // the number so, its twin where it stands so or else left out
        AmStrich, // the same, pushed onto the sheet from the first point of its line on it (the
                  // cone: on its stroke where it runs across the sheet)
    };
    struct Fund {
        bool gefunden = false;
        Stufe stufe = Stufe::Sauber;
        bool daneben = false;
        std::size_t stelle = 0;
    };
    // The search over n places in that order, up to the rule bis: dient(stufe, daneben, i) says
    // whether place i serves under that rule. Without mitDaneben no place beside a taken box is
    // tried.
    template <class Dient>
    static Fund suche(std::size_t n, Dient dient, Stufe bis = Stufe::AmStrich, bool mitDaneben = true)
    {
        for (int s = 0; s <= static_cast<int>(bis); ++s)
            for (const bool daneben : {false, true})
                if (!daneben || mitDaneben)
                    for (std::size_t i = 0; i < n; ++i)
                        if (dient(static_cast<Stufe>(s), daneben, i))
                            return {true, static_cast<Stufe>(s), daneben, i};
        return {};
    }
    // Whether a box there meets a taken box, and where it stands moved just right of each taken
    // box it meets, luft clear of it.
    bool verdeckt(int x, int y, int breite, int hoehe) const { return !frei({x, y, breite, hoehe}); }
    CanvasPoint daneben(int x, int y, int breite, int hoehe, int luft) const;
    bool aufDemBlatt(int x, int y, int breite, int hoehe) const { return aufDemBlatt({x, y, breite, hoehe}); }

private:
    struct Kasten {
        int x, y, breite, hoehe;
    };
    bool frei(const Kasten& k) const;
    // The nearest clear place for k just beside a box in its way; false when none is clear.
    bool raeume(Kasten& k) const;
    bool aufDemBlatt(const Kasten& k) const;
    // The room kept across between k and b.
    int quer(const Kasten& k, const Kasten& b) const;

    int abstand_;
    double leerraum_ = 0;
    Kasten blatt_{0, 0, -1, -1}; // none while its width is negative
    std::vector<Kasten> belegt_;
};

} // namespace umbrin
