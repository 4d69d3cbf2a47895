#include "dials/altitude/Hoehenuhrbasis.h"

#include "core/Rounding.h"
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "dials/UngleicheStunden.h"

#include <climits>
#include <cmath>
#include <utility>

namespace umbrin {

Datumsbereich datumsbereich(std::int32_t jahr, bool nebeneinander)
{
    Datumsbereich b;
    if (nebeneinander) {
        b.dStart = 1;
        b.dEnd = TagImJahr(jahr, 12, 31);
        b.ersterMonat = 1;
        b.N = b.dEnd;
    } else {
        b.dStart = TagImJahr(jahr, 6, 21);
        b.dEnd = TagImJahr(jahr, 12, 21);
        b.ersterMonat = 6;
        b.N = b.dEnd - b.dStart;
    }
    return b;
}

namespace {

Tagesgrenzen tagesgrenzen(const AppState& s, std::int32_t d, const GradMitSinus& phi)
{
    double dekl = 0, zeitgl = 0;
    SonnenPosition(s.Par.Jahr, dekl, zeitgl, d);
    const double h = HalberTagbogen(phi, GradMitSinus(dekl)) / 15;
    return {12 - h, 12 + h};
}

Stundensonne italBabylSonne(const AppState& s, std::int32_t d, double t, bool babylonisch, const Tagesgrenzen& g,
                            const GradMitSinus& phi)
{
    Stundensonne p;
    double dekl = 0, zeitgl = 0;
    const double T = babylonisch ? g.aufgang + t : g.untergang - (24 - t);
    const double M = s.Par.Zonenmeridian;
    SonnenstandZonenzeit(s.Par.Jahr, d, p.hoehe, T, phi, M, M, p.azimut, dekl, zeitgl, false);
    return p;
}

} // namespace

Tagesgrenzen wahreTagesgrenzen(const AppState& s, std::int32_t d)
{
    return tagesgrenzen(s, d, GradMitSinus(s.Par.Breite));
}

Stundensonne sonneZurStunde(const AppState& s, std::int32_t d, double t, const Stundenrechnung& r)
{
    Stundensonne p;
    double dekl = 0, zeitgl = 0;
    switch (r.art) {
    case Stundenart::Uhrzeit:
        SonnenstandZonenzeit(s.Par.Jahr, d, p.hoehe, t, s.Par.Breite, s.Par.Laenge, r.meridian, p.azimut, dekl,
                             zeitgl, r.mitZeitgl);
        break;
    case Stundenart::Temporal:
        sonneTemporalStunde(s.Par.Jahr, d, t, s.Par.Laenge, s.Par.Breite, p.hoehe, p.azimut);
        break;
    case Stundenart::Babylonisch:
    case Stundenart::Italienisch:
        return sonneItalBabylZurStunde(s, d, t, r.art == Stundenart::Babylonisch, wahreTagesgrenzen(s, d));
    }
    return p;
}

Stundensonne sonneItalBabylZurStunde(const AppState& s, std::int32_t d, double t, bool babylonisch,
                                     const Tagesgrenzen& g)
{
    return italBabylSonne(s, d, t, babylonisch, g, GradMitSinus(s.Par.Breite));
}

bool italBabylUnterDemHorizont(const Tagesgrenzen& g, double t, bool babylonisch)
{
    const double T = babylonisch ? g.aufgang + t : g.untergang - (24 - t);
    // The hour angle in hours, folded into -12..12 as the position routine folds it.
    double stundenwinkel = std::fmod(T - 12, 24.0);
    if (stundenwinkel > 12)
        stundenwinkel -= 24;
    else if (stundenwinkel < -12)
        stundenwinkel += 24;
    return std::fabs(stundenwinkel) >= (g.untergang - 12) + 1;
}

Stundensonne Stundenwalk::sonne(std::size_t k, std::int32_t d, double t, const Stundenrechnung& r)
{
    Stundensonne p;
    switch (r.art) {
    case Stundenart::Uhrzeit: {
        double dekl = 0, zeitgl = 0;
        SonnenstandZonenzeit(s_.Par.Jahr, d, p.hoehe, t, phi_, s_.Par.Laenge, r.meridian, p.azimut, dekl, zeitgl,
                             r.mitZeitgl);
        return p;
    }
    case Stundenart::Temporal: {
        if (k >= temporal_.size() || temporal_[k].d != d) {
            const Temporaltag neu{d, ungleicherTag(s_.Par.Jahr, d, s_.Par.Laenge, phi_)};
            if (k == temporal_.size())
                temporal_.push_back(neu);
            else if (k < temporal_.size())
                temporal_[k] = neu;
            else {
                sonneTemporalStunde(neu.tag, t, phi_, p.hoehe, p.azimut);
                return p;
            }
        }
        sonneTemporalStunde(temporal_[k].tag, t, phi_, p.hoehe, p.azimut);
        return p;
    }
    case Stundenart::Babylonisch:
    case Stundenart::Italienisch:
        return italBabyl(k, d, t, r.art == Stundenart::Babylonisch);
    }
    return p;
}

const Tagesgrenzen& Stundenwalk::grenzen(std::size_t k, std::int32_t d)
{
    if (k < grenzen_.size() && grenzen_[k].d == d)
        return grenzen_[k].g;
    const Grenztag neu{d, tagesgrenzen(s_, d, phi_)};
    if (k < grenzen_.size()) {
        grenzen_[k] = neu;
        return grenzen_[k].g;
    }
    if (k == grenzen_.size()) {
        grenzen_.push_back(neu);
        return grenzen_.back().g;
    }
    einzeln_ = neu.g;
    return einzeln_;
}

Stundensonne Stundenwalk::italBabyl(std::size_t k, std::int32_t d, double t, bool babylonisch)
{
    return italBabylSonne(s_, d, t, babylonisch, grenzen(k, d), phi_);
}

double interpoliereAuf(double a, double va, double b, double vb, double c)
{
    if (std::fabs(b - a) <= 1e-5)
        return va;
    return va + (vb - va) * (c - a) / (b - a);
}

std::string temporalBereichText(const AppState& s)
{
    return std::string(meldungsText(s, 41));
}

Stundenbereich temporalBereich(const AppState& s, int von, int bis, Konstruktionsmeldungen& m)
{
    const auto ausserhalb = [](int h) { return h < 0 || h > 12; };
    if (!ausserhalb(von) && !ausserhalb(bis))
        return {von, bis};
    m.push_back({PromptTitle::Fehler, PromptIcon::Error, temporalBereichText(s)});
    return {6, 12};
}

Stundenbereich mittagsregel(Stundenbereich b, bool ortszeit, bool mitZeitgl)
{
    if (!ortszeit || mitZeitgl || !(b.von < 12 && 12 < b.bis))
        return b;
    if (12 - b.von > b.bis - 12)
        b.bis = 12;
    else
        b.von = 12;
    return b;
}

bool temporalZuHoch(double breite, bool temporal)
{
    return temporal && std::fabs(breite) > kTemporalGrenzbreite;
}

ZweiZeilen temporalVerweigerung(const AppState& s)
{
    const std::string text(meldungsText(s, 64));
    const std::size_t umbruch = text.find('\n');
    if (umbruch == std::string::npos)
        return {text, {}};
    std::size_t weiter = umbruch + 1;
    if (weiter < text.size() && text[weiter] == '\r')
        ++weiter;
    return {text.substr(0, umbruch), text.substr(weiter)};
}

void zeichneVerweigerung(const AppState& s, Canvas& c, const Verweigerungsbild& b)
{
    c.setFontName(b.schrift);
    c.setFontHeight(30);
    c.setFontColor(0x800000);
    const ZweiZeilen z = temporalVerweigerung(s);
    c.textOut(b.x1, b.y1, z.erste);
    c.textOut(b.x2, b.y2, ersteZeichen(z.zweite, 65));
    c.textOut(b.xt, b.yt, b.titel);
}

void zeichneZylinderVerweigerung(const AppState& s, Canvas& c, int W, int H, std::string titel)
{
    Verweigerungsbild v;
    v.schrift = "Times New Roman";
    v.x1 = W / 10;
    v.y1 = H / 2 - (3 * 30) / 2;
    v.x2 = W / 6;
    v.y2 = H / 2;
    v.xt = W / 3;
    v.yt = H / 8;
    v.titel = std::move(titel);
    zeichneVerweigerung(s, c, v);
}

std::string temporalVerweigerungText(const AppState& s)
{
    return std::string(meldungsText(s, 64));
}

std::string italBabylVerweigerungText(const AppState& s)
{
    return std::string(texteText(s, 42)) + "\r" + std::string(texteText(s, 43));
}

std::string zylinderOrtszeile(const AppState& s)
{
    const std::string grad = sprachText(s, " Grad", " deg ");
    return sprachText(s, "Geogr. Breite = ", "Latitude = ") + RealStr(s.Par.Breite, 6, 2) + grad
           + sprachText(s, ", Geogr. Länge = ", ", Longitude = ") + RealStr(s.Par.Laenge, 5, 2) + grad;
}

std::string zylinderZeitzeile(const AppState& s)
{
    std::string zeile;
    if (s.Schalter.OhneZeitgl) {
        zeile = s.Schalter.Ortszeit ? holeText(s, 308)
                                    : sprachText(s, " WOZ am Zonenmeridian", " Apparent Time of zone meridian");
        zeile += " "
                 + (s.Schalter.MitZeitglZylinder ? sprachText(s, "mit Zeitgl.", "with EoT")
                                                 : sprachText(s, "ohne Zeitgl.", "without EoT"))
                 + ", ";
    }
    if (s.Schalter.Temporalstunden)
        zeile += sprachText(s, " Temporalstunden", " Temporal hours");
    return ersteZeichen(zeile, 60);
}

void zeigerInWahrerGroesse(const AppState& s, Canvas& c, int x, int y, int k, int haken, int rechts,
                           Konstruktionsmeldungen& meldungen)
{
    std::vector<CanvasPoint> zeiger = {{x + haken, y - k}, {x, y - k}, {x, y}, {std::min(x + k, rechts), y}};
    if (x + k <= rechts)
        zeiger.push_back({x + k, y - haken});
    c.polyline(zeiger);
    if (y - k < 0)
        meldungen.push_back(zeigerHoeherAlsBlatt(s));
    if (x + k > rechts)
        meldungen.push_back({PromptTitle::Information, PromptIcon::Information,
                             sprachText(s, "Der Zeiger in wahrer Größe ist breiter als das Blatt: sein Ende fehlt.",
                                        "The pointer at true size is wider than the sheet: its end is missing.")});
}

int imRahmen(const Canvas& c, int x, int rechts, std::string_view text)
{
    return std::min(x, rechts - 2 - c.textExtent(text).width);
}

std::string ersteZeichen(const std::string& text, std::size_t n)
{
    std::size_t i = 0;
    for (std::size_t zeichen = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            continue;
        if (zeichen++ == n)
            break;
    }
    return text.substr(0, i);
}

int canvasZahl(double x)
{
    const std::int64_t n = roundHalfEven(x);
    if (n > INT_MAX)
        return INT_MAX;
    if (n < INT_MIN)
        return INT_MIN;
    return static_cast<int>(n);
}

} // namespace umbrin
