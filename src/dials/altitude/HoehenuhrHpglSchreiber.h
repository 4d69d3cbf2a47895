#pragma once
// The inner writers of the altitude-dial plot and the values they share: the scale factor,
// the lengths in plotter units, the base line and the layout of the date scale.
#include "core/HPGLDatei.h"
#include "core/State.h"
#include "core/UserPrompt.h"
#include "dials/altitude/HoehenuhrHpgl.h"
#include "dials/altitude/Hoehenuhrbasis.h"
#include "dials/Zahlenplatz.h"

#include <cstdint>
#include <string>
#include <vector>

namespace umbrin {

// One hour part: its date scale's origin and the hours of its curves.
struct Stundenteil {
    double x0 = 0;
    bool ortszeit = false; // clock hours at the place's meridian, else at the zone meridian
    bool temporal = false;
    Stundenbereich stunden;
};

class HoehenuhrHpglSchreiber {
public:
    HoehenuhrHpglSchreiber(const AppState& s, HPGLDatei& datei, UserPrompt& frage, const HoehenuhrPlotAuftrag& a);

    void schreibe();
    // The frame's lower edge: below 0 its foot runs off the plot sheet.
    double unterkante() const { return y0_ - D_ - V_; }

private:
    // Layout of the date scale of the current part.
    struct Skala {
        double x0 = 0;
        std::int32_t dStart = 1;
        std::int32_t dEnd = 365;
        int ersterMonat = 1;
        double N = 365;
        double tagSchritt = 1;
    };
    // The window a curve pass writes into, bottom and top edge (y up).
    struct Fenster {
        double unten = 0;
        double oben = 0;
        bool senkrecht = false; // the vertical plate of the altitude dial
    };

    void zeile(const std::string& text) { HPGLZeile(datei_, text); }
    std::string z(double x) const;
    void gnomonMarke(double a, double b);
    void legende();
    void datumsskala(double x0);
    Skala skala(double x0) const;
    Fenster hauptFenster() const { return {y0_ - D_, y0_, false}; }
    Fenster wandFenster() const { return {y0_ - S2_ - V_, y0_ - S2_, true}; }
    void fensterBefehl(const Fenster& f);
    void stundenteil(const Stundenteil& t);
    void gefalteterTeil(const Stundenteil& t);
    void italBabyl(const Skala& sk, const Fenster& f);
    double yVon(double hoehe, bool senkrecht) const;
    // One curve; its full hour's number only when beschriften. Whether it wrote the number.
    bool kurve(const Skala& sk, const Fenster& f, double t, int h, bool ganz, const Stundenrechnung& r,
               bool beschriften = true);
    void stift(const std::string& sp);
    void kurvenende();
    // The altitude dial: a number written at q keeps the next ones on its line a character cell
    // (120 units) from its ink, or they read as one number.
    void zeileFreihalten(CanvasPoint q, int breite, int hoehe);

    const AppState& s_;
    HPGLDatei& datei_;
    UserPrompt& frage_;
    HoehenuhrPlotAuftrag a_;
    bool zylinder_ = false;
    bool nebeneinander_ = false;
    bool gekuerzt_ = false; // the cylinder's month axis is held at 250 mm, as on the page
    // The plot sheet the numbers keep on, in plotter units (times k_).
    static constexpr int kBlattBreite = 16480, kBlattHoehe = 11480;
    Zahlenplatz zahlen_{20}; // the hour numbers written, kept clear of each other
    bool temporal_ = false;
    bool italBabylGemeldet_ = false;
    int k_ = 1;
    double P_ = 0, L_ = 0, S2_ = 0, V_ = 0, D_ = 0, y0_ = 0;
    Skala skala_;
    bool fensterGesetzt_ = false; // a clip window is in force
    std::vector<double> skalenBei_; // where the folded parts' date scales stand
    bool gestrichelt_ = true; // the next line-type toggle writes the dashed type
};

} // namespace umbrin
