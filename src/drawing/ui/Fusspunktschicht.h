#pragma once
// The part of a planar dial's picture that moves with the gnomon foot as it is: the date,
// hour and altitude lines and the world map. It is drawn once into an image twice the window's
// width and height, the foot at its centre, so that any foot inside the window finds its part
// there. While the dial stays the same, a new foot only takes the window's part of the layer;
// what keeps to the frame or is placed against it (frame, horizon, foot mark, legend, hour
// numbers, scale, pole marks) is drawn over it afresh. The window's image is then that part of
// a working copy of the layer itself, not a copy of it: before the next move, the pixels the
// last drawing over it touched are taken back from the layer.
#include "core/Canvas.h"
#include "core/State.h"
#include "dials/Konstruktionsmeldung.h"
#include "dials/Zeichenumgebung.h"
#include "drawing/Zeichenfensterzustand.h"

#include <QImage>
#include <QRect>

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace umbrin {

class Fusspunktschicht {
public:
    // Draws the given parts of the dial on the canvas with the environment (a construction
    // of the window's routine for the current type).
    using Zeichner = std::function<Konstruktionsmeldungen(Canvas&, const Zeichenumgebung&)>;

    // Whether the picture of this dial moves with its foot: a planar dial whose lines are cut
    // only at the frame. Not the grid (it keeps to the frame), hour lines drawn on to the pole
    // point (from their farthest point inside the frame), nor the inclining umbrella dial (its
    // disc's shadow is bounded by the frame).
    static bool verschiebbar(const AppState& s, const Zeichenfensterzustand& f);

    // Draws the window's picture for the foot in s, always through the layer, so that every
    // picture of the dial is the same whatever way it came: after a move of the foot
    // (bewegung) from the whole layer, drawn anew only when the dial or window changed;
    // otherwise only the window's part of the layer is drawn (what a picture drawn as a whole
    // costs). bild becomes the window's part (of groesse) of the working copy: it must not be
    // drawn on by others, and is void once this layer draws again or goes.
    // m gets the messages of the lines. False, with nothing drawn, when the foot lies outside
    // the window or the window is larger than 2560 x 1600: the caller draws the picture as a
    // whole.
    bool zeichne(QImage& bild, QSize groesse, const AppState& s, const Zeichenumgebung& u, bool bewegung,
                 const Zeichner& zeichner, Konstruktionsmeldungen& m);

    // How often the whole layer was drawn (for checks that it holds).
    int zeichnungen() const { return zeichnungen_; }

private:
    // Everything the layer's content depends on, beside the foot.
    struct Schluessel {
        TPar par;
        TSchalter schalter;
        TZeiten zeiten;
        char uhrTyp = 0;
        std::uint8_t schirmuhr = 0;
        double zoom = 0;
        double epsRund = 0;
        std::array<Farbe, 12> farben{};
        std::uint8_t karte = 0, grenzen = 0, kuesten = 0, formatA4 = 0, deutsch = 0;
        const std::string* kartenText = nullptr;
        std::size_t kartenZeilen = 0;
        std::vector<std::string> datumslinien; // the user's own date lines
        int breite = 0, hoehe = 0;
        bool grosserBildschirm = false, grosseFonts = false;
        friend bool operator==(const Schluessel&, const Schluessel&) = default;
    };
    static Schluessel schluessel(const AppState& s, const Zeichenumgebung& u, int breite, int hoehe);
    // Draws the layer for the foot in s, within nur (layer pixels) when not empty.
    void zeichneSchicht(const AppState& s, const Zeichenumgebung& u, int breite, int hoehe, const Zeichner& zeichner,
                        const QRect& nur);
    // Takes the pixels of r back from the layer into the working copy.
    void kopiere(const QRect& r);

    QImage schicht_;  // the layer as drawn
    QImage arbeit_;   // its working copy, with the drawing at the frame over the window's part
    std::vector<QRect> beruehrt_; // pixels of arbeit_ that differ from schicht_
    Schluessel schluessel_;
    bool ganz_ = false; // the whole layer is drawn for schluessel_
    Konstruktionsmeldungen meldungen_;
    int zeichnungen_ = 0;
    // What the dial's drawings at the frame keep from one move of the foot to the next.
    std::shared_ptr<Ebenenvorrat> vorrat_;
};

} // namespace umbrin
