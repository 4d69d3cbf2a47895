#pragma once
// Geometry of the mean-time dial with a cone as shadow caster.
//
// An oblique circular cone stands on the dial plane: its axis of length L meets the plane at
// A and rises at the angle psi to the apex; its footprint is an ellipse. On a given day the
// cone's shadow is bounded by the two tangents from the apex shadow to that ellipse. Two days
// of (nearly) equal declination but different equations of time are served by different
// edges: the hour point of mean time t is where one edge of the first day crosses the other
// edge of the second day.
//
// Dial frame: the plane of the equivalent horizontal dial, origin at the centre of the
// footprint, x to the east, y towards the pole, lengths in drawing units. A lies at (0, c), the
// foot S of the apex at (0, c + L cos psi), the apex L sin psi above S.
#include "core/State.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace umbrin {

// Declination and equation of time (degrees, four minutes per degree) of one day.
struct SonnenTag {
    double dekl = 0;
    double zgl = 0;
};

// The days 1..366 of a year; day 366 of a common year holds 99/99 (a day that does not exist).
struct SonnenTage {
    std::array<SonnenTag, 367> tag{};
    int tageImJahr = 365;
    int sommer = 0; // S: the June solstice (first day after which the declination falls)
    int winter = 0; // W: the December solstice
};

// A day between the solstices (Tag1) and its partner of nearly equal declination on the
// rising branch of the year (Tag2).
struct TTagPaar {
    double Dekl1 = 0;
    double Dekl2 = 0;
    double DeklMittel = 0;
    double Zgl1 = 0;
    double Zgl2 = 0;
    std::int32_t Tag1 = 0;
    std::int32_t Tag2 = 0;
};

// Room for 186 pairs, numbered from 1; the first record past the last has Tag1 = 0. Walks
// stop there or past record kLetztesPaar.
inline constexpr int kTagPaarPlatz = 186;
inline constexpr int kLetztesPaar = 185;
struct TagPaare {
    std::array<TTagPaar, kTagPaarPlatz + 1> paar{};
    int anzahl = 0;
};

// Fills the day table of the year, finds the two solstices and pairs the days.
void Sonnentabelle(std::int32_t jahr, SonnenTage& tage, TagPaare& paare);

// Pairs every day S..W with its partner before S (or after W). Record 1 is (S, S), the last
// (W, W). A half year longer than the table's room is cut at the room.
void bildeTagPaare(int S, int W, const SonnenTage& tage, TagPaare& paare);

// The equivalent horizontal dial of the chosen plane (ebene mod 3: 0 horizontal, 1 vertical,
// 2 inclining): its latitude phi (degrees), the longitude difference dl (degrees; clock times
// shift by -dl/15 hours, so an hour angle H on it is H + dl at the place) and the turn w of its
// drawing on the plane (radians); breite is the place's own latitude, whose horizon the sun
// must clear as well as the plane's.
struct KegelEbene {
    double phi = 0;
    double dl = 0;
    double w = 0;
    double breite = 0;
};
KegelEbene kegelEbene(const AppState& s, std::uint8_t ebene);

// The cone in the dial frame: axis length L, inclination psi (degrees), and the footprint
// half axes a (across the axis), b (along it) and the offset c of A from the centre.
struct KegelMasse {
    double L = 0;
    double psi = 0;
    double a = 0;
    double b = 0;
    double c = 0;
};

// The hour point of pair i at mean time t (hours, of the equivalent horizontal dial): where
// the two days' shadow edges that face each other cross. variante is ebene div 3, the order
// in which the days are taken; while both days' suns shine, the point does not depend on
// it. Returns false when the sun stands below the horizon of the equivalent dial, when
// neither day's sun stands above both the plane and the place's true horizon (on a wall or an
// inclining plane the plane's horizon may lie below the true one), or when an apex shadow
// falls inside the footprint; x and y are left unchanged in the last case.
// erreicht, when given, tells whether the crossing lies on the edges of the days whose sun
// shines, between each tangent point and its apex shadow; where it does not, the shadow never
// marks the point (the cone is too short for it).
bool Schattenkantenschnitt(int i, const TagPaare& paare, double& x, double& y, const KegelEbene& e,
                           const KegelMasse& m, double t, int variante, bool* erreicht = nullptr);

// What the shadows of one declination dekl share on a plane of latitude phi at a place of
// latitude breite, taken once for all its hours: the sines and cosines of phi and dekl, the
// tangent of dekl, the factors of the sun's altitude over the true horizon, sin(breite) sin(dekl)
// and cos(breite) cos(dekl), and the apex's height and the foot S of the apex.
struct KegelSchattenwinkel {
    double sp = 0, cp = 0, td = 0, sd = 0, cd = 0, hs = 0, hc = 0, hoehe = 0, fuss = 0;
};
KegelSchattenwinkel kegelSchattenwinkel(double phi, double dekl, double breite, const KegelMasse& m);
// The same hour point with the pair's shared values w (kegelSchattenwinkel of its mean
// declination) taken once.
bool Schattenkantenschnitt(int i, const TagPaare& paare, const KegelSchattenwinkel& w, double& x, double& y,
                           const KegelEbene& e, const KegelMasse& m, double t, int variante, bool* erreicht = nullptr);

// The apex shadow of a sun of declination dekl at hour angle H (degrees), in the dial frame.
void Spitzenschatten(double H, double dekl, double phi, const KegelMasse& m, double& x, double& y);

// Turns a point about the origin by the plane's turn w (radians): on the screen (y down) and
// in the plot (y up), so that both turn the drawing the same way on the page. Turns of
// 0.0001 rad or less leave the point as it is.
void drehe(double& x, double& y, double w);
void dreheHPGL(double& x, double& y, double w);

// The corner (least x and y) of a box breite by hoehe that stands beside the line through
// (x, y) in direction (dx, dy), on the side towards (cx, cy), its nearest point luft clear of
// the line: an hour number beside its own line. Without a direction the box stands centred on
// the point.
void kegelZahlBeiseite(double& x, double& y, double dx, double dy, double cx, double cy, double breite, double hoehe,
                       double luft);

// The corner of a box breite by hoehe that stands on the continuation of a line beyond its end
// (x, y), the line running out in direction (dx, dy), its nearest point luft from the end.
void kegelZahlAmEnde(double& x, double& y, double dx, double dy, double breite, double hoehe, double luft);

// A label's box on the sheet, for the strokes it keeps clear of: corner (x, y) and its extent
// along both axes.
struct KegelZahlkasten {
    double x = 0, y = 0, breite = 0, hoehe = 0;
};

// Where the strokes of a drawing's lines go, already cut at the sheet: a canvas draws them, the
// grid of KegelStriche files them for the labels to keep clear of, a KegelStrichfolge keeps
// them to give them again. stift sets the pen of the line that follows; absetzen ends the line
// the strokes so far continued.
class KegelStrichsenke {
public:
    virtual ~KegelStrichsenke() = default;
    virtual void stift(Farbe farbe, int breite) = 0;
    virtual void strecke(double x0, double y0, double x1, double y1) = 0;
    virtual void absetzen() = 0;
};

// The strokes of a drawing's lines computed once, kept in their order with their pens, to be
// given to each sink that takes them.
class KegelStrichfolge : public KegelStrichsenke {
public:
    void stift(Farbe farbe, int breite) override { folge_.push_back({Art::Stift, {double(farbe), double(breite)}}); }
    void strecke(double x0, double y0, double x1, double y1) override { folge_.push_back({Art::Strecke, {x0, y0, x1, y1}}); }
    void absetzen() override { folge_.push_back({Art::Absetzen, {}}); }
    void abspielen(KegelStrichsenke& senke) const;

private:
    enum class Art : std::uint8_t { Stift, Strecke, Absetzen };
    struct Schritt {
        Art art;
        std::array<double, 4> werte;
    };
    std::vector<Schritt> folge_;
};

// What a drawing puts on its sheet, in the sheet's units, for the hour numbers to keep clear
// of: its strokes and the boxes of its texts. The strokes are filed in a grid of cells over the
// sheet (breite x hoehe; what lies beyond it in the border cells), so a box looks only at the
// strokes that pass near it.
class KegelStriche : public KegelStrichsenke {
public:
    KegelStriche(double breite, double hoehe);
    void stift(Farbe, int) override {}
    void strecke(double x0, double y0, double x1, double y1) override;
    void absetzen() override {}
    void kasten(const KegelZahlkasten& k) { kaesten_.push_back(k); }
    // Whether the box keeps the gap luft from every stroke and every text box.
    bool frei(const KegelZahlkasten& k, double luft) const;
    // The least distance from the box to a stroke or a text box, at most bis.
    double abstand(const KegelZahlkasten& k, double bis) const;
    // How many strokes run into the box.
    int treffer(const KegelZahlkasten& k) const;
    // Whether the box keeps the gap luft from every text box (strokes aside).
    bool ohneText(const KegelZahlkasten& k, double luft) const
    {
        return std::none_of(kaesten_.begin(), kaesten_.end(), [&](const KegelZahlkasten& t) {
            return k.x < t.x + t.breite + luft && t.x < k.x + k.breite + luft && k.y < t.y + t.hoehe + luft
                   && t.y < k.y + k.hoehe + luft;
        });
    }

private:
    static constexpr int kZellen = 64; // cells along each side of the sheet
    int zelle(double v, double groesse) const;

    double zelleX_, zelleY_;
    std::vector<std::array<double, 4>> strecken_;
    std::vector<std::vector<std::uint32_t>> gitter_; // the strokes through each cell
    mutable std::vector<std::uint32_t> gesehen_;     // the query that last looked at each stroke
    mutable std::uint32_t anfrage_ = 0;
    std::vector<KegelZahlkasten> kaesten_;
};

// The box of a mark's name beside its cross: in the first of the cross's corners (under the
// right arm, over it, over the left arm, under it) where it stands on the sheet (aufSeite) and
// keeps luft from every stroke and text, else in the first such place twice or three times as
// far out; where strokes leave no such place, the first clear of every text (a line may run
// through the name, a text may not) up to eight times as far out; where texts take every corner
// (a legend beside a mark at the sheet's top), the first such place beside the end of its right,
// then its left arm, up to eight times as far out; ersatz where none is. ecke(f, rechts, unten)
// gives the box in the corner to the right (rechts 1) or left (-1) and below (unten 1) or above
// (-1) the cross, f times out, and with unten 0 the box beside the arm, level with it.
template <class Ecke, class AufSeite>
KegelZahlkasten kegelMarkenname(Ecke ecke, AufSeite aufSeite, const KegelStriche& striche, double luft,
                                const KegelZahlkasten& ersatz)
{
    for (const bool mitStrichen : {true, false})
        for (int f = 1; f <= (mitStrichen ? 3 : 8); ++f)
            for (const auto& [rechts, unten] : {std::pair{1, 1}, std::pair{1, -1}, std::pair{-1, -1}, std::pair{-1, 1}}) {
                const KegelZahlkasten k = ecke(f, rechts, unten);
                if (aufSeite(k) && (mitStrichen ? striche.frei(k, luft) : striche.ohneText(k, luft)))
                    return k;
            }
    for (int f = 1; f <= 8; ++f)
        for (const int rechts : {1, -1})
            if (const KegelZahlkasten k = ecke(f, rechts, 0); aufSeite(k) && striche.ohneText(k, luft))
                return k;
    return ersatz;
}

} // namespace umbrin
