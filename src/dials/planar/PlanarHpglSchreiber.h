#pragma once
// The working values of one planar plot and the steps that share them: the point step (the
// shadow point in plotter units with its inside and lit flags and its list entry), the
// joining step (pen moves with clipping at the page border) and the line families. Used
// only by the planar plot writer.
#include "core/HPGLDatei.h"
#include "core/HPGLListe.h"
#include "core/State.h"
#include "dials/Datumslinien.h"
#include "dials/planar/EbeneGeometrie.h"
#include "dials/planar/EbeneSonnenstaende.h"
#include "dials/planar/Konstruktionsdaten.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace umbrin {

class PlanarHpglSchreiber {
public:
    PlanarHpglSchreiber(AppState& s, HPGLDatei& plot, HPGLListe* liste, const EbenenParameter& ebene,
                        double gnomon);

    // --- values shared by every step ---------------------------------------------------
    AppState& s;
    HPGLDatei& plot;
    HPGLListe* liste; // null: no coordinate list
    EbenenParameter ebene;
    Sonnenrechner sonne;        // the sun positions at the latitude ebene.X1
    int k = 1;                  // 1 plot file, 25 DXF intermediate
    std::int64_t B = 0, H = 0;  // page width and height
    std::string Fenster;        // clip size "w h"
    double G = 0;               // gnomon in plotter units
    bool vertikal = false;
    bool schirm = false;
    Schattengeometrie geometrie;
    double Laenge = 0;          // longitude of the hour angle of the current family
    std::int64_t X0 = 0, Y0 = 0; // gnomon foot on the page
    double yGrenze = 0;          // highest y that still counts as inside
    double yHorizont = 0;        // the inclining dial's horizon (its date lines' y limit)

    // current and previous point
    double azimut = 0, hoehe = 0;
    double x = 0, y = 0, xAlt = 0, yAlt = 0;
    bool innen = false, innenAlt = false;
    bool aufSeite = false; // inside the page, lit or not
    bool beleuchtet = false;
    bool EbeneBeleuchtet = false, EbeneBeleuchtetAlt = false;

    // coordinate list
    char Linienart = 'd';
    bool KopfOffen = false;
    double Wert = 0;
    int Zaehler = 0;

    // The boxes of the legend and of the hour numbers written so far (left, bottom, right,
    // top), which the numbers of the Italian and Babylonian hours keep clear of; zahlen holds
    // the numbers' alone.
    std::vector<std::array<double, 4>> zahlKaesten, zahlen;
    // Whether a box stands clear of every box so far; a number's box (zahl) also keeps a blank
    // from every number on its line, as two numbers closer than that read as one.
    bool stehtFrei(const std::array<double, 4>& b, bool zahl) const;
    // Takes the box of a number written.
    void merkeZahl(const std::array<double, 4>& b);
    // A number's box moved along its line past each number it would read as one with, a blank
    // right (rechts) or left of it.
    std::array<double, 4> nebenZahlen(std::array<double, 4> b, bool rechts) const;
    // The box of a number label of n characters written at (px, py) in the numbers' size.
    std::array<double, 4> zahlKasten(double px, double py, std::size_t n) const;
    // Whether a box lies whole on the sheet and below the clip window's top.
    bool aufBlatt(const std::array<double, 4>& b) const;
    // Whether the box lies whole on the plotter's page (a wall's horizon does not count).
    bool aufPapier(const std::array<double, 4>& b) const;

    bool TierkreisModus = false;
    DatumslinienTabelle datumslinien;
    DeklStundenTabelle deklStunden{};

    // --- output --------------------------------------------------------------------------
    void hpgl(std::string_view text) { HPGLZeile(plot, text); }
    // " x y" of a point, each rounded and clamped.
    static std::string P(double px, double py);
    bool listeAn() const { return liste != nullptr; }
    void lText(std::string_view text);
    void lZeile(std::string_view text = {}); // text, then the end of the line
    void lLeer();                            // ends an open line, then one blank line
    std::string_view text(int zeile) const;  // text-table row in the current language
    // The point's entry: millimetres right of and above the gnomon foot.
    std::string eintrag() const;

    // --- steps ---------------------------------------------------------------------------
    // The shadow point of the sun (az, h) with the foot at (x0, y0); with listing, its entry.
    void punkt(double az, double h, bool mitListe, double x0, double y0);
    void punkt(const Sonnenstand& st, bool mitListe) { punkt(st.azimut, st.hoehe, mitListe, X0, Y0); }
    // Continues the current polyline from the previous point to the current one.
    void linieZu(bool innenJetzt, bool innenVorher, bool fortsetzen, bool& stiftUnten, bool zeichnen);

    // --- line families -------------------------------------------------------------------
    void tageslaengenLinien();
    void datumslinienZeichnen();
    void temporalstunden(int von, int bis, int unterteilung);
    void italBabylStunden(bool babylonisch, int von, int bis, int unterteilung);
    void hoehenlinien(int von, int bis, int unterteilung);
    void stundenlinien(int von, int bis, bool mitZeitgl, bool analemma);

private:
    void datumsverbindung(bool& stiftUnten);
    void datumsListe(double t, bool& ersterPunkt, const std::string& kopf);
    void analemmaMarken(double stunde);

    bool zeileOffen = false; // the list's current line holds text
};

} // namespace umbrin
