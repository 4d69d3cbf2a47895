#pragma once
// The layout check every drawing passes: of a recorded drawing (the image on the screen or a
// printed page) or of a plot (its page in plotter units), it lists
// - a text whose box overlaps another text's box,
// - a text wholly outside the page (the visible image, the sheet), a stroke reaching beyond
//   it (white strokes and fills are not seen and do not count),
// - a text cut by the page's edge,
// and with the full check (Pruefumfang::Voll) also
// - a stroke through a text: a line reaching into a text's box deeper than a quarter of the
//   box's height from its nearest edge (a line under or beside a text, or one ending at it,
//   passes),
// - a text whose wording is faulty (wortlautFehler).
// Whether a text on a canvas leaves the page is judged by its letters' real ink, the outlines
// of the font the page or image gets (Schriftmass.h), from their top to the baseline. Against
// strokes and other texts, unless the drawing laid them out as printed, its box follows an
// estimate (0.55 em a
// character, from the cap line to the baseline; a font height is the cell of 1.15 em); in a plot
// a label's box follows the character size (SI), the direction (DI) and the pen position
// where it starts (the lower left of its first character). Blanks at either end of a text
// take no room. A stroke clipped away by the plot's window (IW) is not drawn and not counted;
// a label the window cuts off is a lost label and counts where it stands.
//
// Exceptions a drawing needs by design are the caller's business: the check reports what it
// sees.
#include "core/RecordingCanvas.h"

#include <string>
#include <string_view>
#include <vector>

namespace umbrin::test {

// A rectangle of the drawing's units, left <= right and low <= high along y (a canvas counts
// y downward, a plot upward; the check does not care).
struct Seitenrechteck {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

enum class Befundart {
    Ueberdeckung,      // two text boxes overlap
    TextAusserhalb,    // a text wholly outside the page
    TextAngeschnitten, // a text cut by the page's edge
    StrichAusserhalb,  // a stroke reaching beyond the page
    StrichDurchText,   // a stroke through a text
    Wortlaut,          // a text with a wording fault
    Reihenfolge,       // hour numbers out of their order round a dial (Randfolge.h)
};

// The basic check (texts on texts, texts and strokes off the page) or the full one.
enum class Pruefumfang { Grund, Voll };

struct Befund {
    Befundart art = Befundart::Ueberdeckung;
    std::string text;   // the text concerned (the first of two overlapping), empty for strokes
    std::string zweiter; // the other text of an overlap, the pen of a stroke through a text
    std::string meldung; // one readable line
};

// The findings of a recorded drawing on its canvas (the page is the canvas's size).
std::vector<Befund> pruefeLayout(const RecordingCanvas& c, Pruefumfang umfang = Pruefumfang::Grund);
// The same on a page of one's own (a part of the canvas, say). wieGedruckt: the drawing laid out
// its texts by the printer's own measure, so texts against texts and strokes are judged by their
// ink too.
std::vector<Befund> pruefeLayout(const std::vector<RecordedPrimitive>& zeichnung, const Seitenrechteck& seite,
                                 Pruefumfang umfang = Pruefumfang::Grund, bool wieGedruckt = false);
// Texts on texts by their letters' real ink (Schriftmass.h): the pairs of texts of a recorded
// drawing whose ink boxes share more than the part anteil of the smaller box's area, and the
// pairs of numbers that a reader reads as one: on one line, their inks less than a blank apart.
std::vector<Befund> textAufText(const std::vector<RecordedPrimitive>& zeichnung, double anteil);
// A text as the placement check sees it: its wording, its colour on a canvas or its pen in a
// plot, the upright box round its ink (a plot label's box), and whether it stands clear: wholly
// on the page, sharing no more than the part anteil of the smaller box with another text, and
// not read as one number with another.
struct Textplatz {
    std::string text;
    unsigned farbe = 0;
    Seitenrechteck kasten;
    bool frei = true;
};
// The texts of a sheet with their places, and the pairs of texts on texts (as textAufText).
struct Textlage {
    std::vector<Textplatz> plaetze;
    std::vector<Befund> aufeinander;
};
Textlage textlage(const std::vector<RecordedPrimitive>& zeichnung, const Seitenrechteck& seite, double anteil);
// The same of a plot on its page, its labels' boxes from their character size and direction.
Textlage plotTextlage(const std::string& hpgl, double anteil);
// The findings of a plot on its page.
std::vector<Befund> pruefePlotLayout(const std::string& hpgl, const Seitenrechteck& seite,
                                     Pruefumfang umfang = Pruefumfang::Grund);
// The page of a plot: the sheet frame it draws (EA from the origin), else the first clip
// window it sets from the origin, else the sheet of 16480 x 11480 plotter units that the
// largest framed plots use.
Seitenrechteck plotSeite(const std::string& hpgl);

// What is wrong with the wording of a text a user reads, empty when nothing: two blanks between
// two words (texts with runs of three or more blanks are laid out in columns and pass, and a
// number may stand padded to its width), an
// acute accent standing for an apostrophe, a bracket left open or closed twice. Blanks at the
// ends and line breaks are not wording.
std::string wortlautFehler(std::string_view text);

// The findings one per line, for a test's failure message.
std::string befundText(const std::vector<Befund>& befunde);
// Those of the findings that say something leaves the page (strokes or texts off it, texts cut
// by its edge), and with mitUeberdeckung texts on texts, one per line; empty when none.
inline std::string abseits(const std::vector<Befund>& befunde, bool mitUeberdeckung = false)
{
    std::string was;
    for (const Befund& b : befunde)
        if (b.art == Befundart::StrichAusserhalb || b.art == Befundart::TextAusserhalb
            || b.art == Befundart::TextAngeschnitten || (mitUeberdeckung && b.art == Befundart::Ueberdeckung))
            was += b.meldung + "\n";
    return was;
}
const char* befundartName(Befundart a);

} // namespace umbrin::test
