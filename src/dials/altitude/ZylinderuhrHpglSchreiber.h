#pragma once
// The inner writers of the cylinder plot and the values they share (the plot's context).
#include "core/HPGLDatei.h"
#include "core/State.h"
#include "core/UserPrompt.h"
#include "dials/Zahlenplatz.h"
#include "dials/altitude/ZylinderuhrHpgl.h"
#include "dials/altitude/Zylinderuhrgeometrie.h"

#include <cstddef>
#include <limits>
#include <string>

namespace umbrin {

// The top of the polar rod's lines, below the place line of the title block (10380 k).
constexpr double kLinienOben = 10300;

class ZylinderuhrHpglSchreiber {
public:
    ZylinderuhrHpglSchreiber(const AppState& s, HPGLDatei& datei, UserPrompt& frage, const ZylinderPlotAuftrag& a);
    void schreibe();

private:
    // Header and furniture (ZylinderuhrHpgl.cpp).
    void zeile(const std::string& text) { HPGLZeile(datei_, text); }
    std::string r7(double x) const;
    void hpglSenkrechteZylinder(double x, double y1, double y2);
    void hpglHoehenskalaFilterhut();
    void hpglAzimutskalaFilterhut();
    void hpglTitelZylinder();
    void ursprungUndLegende();

    // The lines (ZylinderuhrHpglLinien.cpp).
    Zylinderpunkt projiziereZylinderHPGL(double azimut, double hoehe) const;
    bool sichtbar(const Zylinderpunkt& p) const { return p.gueltig && p.y > yP_ && p.y <= grenze_; }
    bool aufDemBlatt(double x, double y, std::size_t n, double w, double hh) const;
    // Moves such a label the least way onto that part of the sheet.
    void aufsBlatt(double& x, double& y, std::size_t n, double w, double hh) const;
    // Whether such a label stands clear of the hour numbers written so far; schreibeZahl
    // writes one there and keeps its place, where it is clear.
    bool zahlFrei(double x, double y, std::size_t n, double w, double hh) const;
    void schreibeZahl(double x, double y, std::size_t n, double w, double hh, const std::string& befehl);
    // A label whose place another number takes moves just beside it, where that is clear
    // and on the sheet; else it stays.
    void nebenDemWeg(double& x, double& y, std::size_t n, double w, double hh) const;
    // Whether the sun's shadow at p, of the sun at altitude hoehe, falls on the sheet.
    bool beleuchtetAufDemBlatt(const Zylinderpunkt& p, double hoehe) const;
    void neueLinie();
    void unterbreche();
    void linienPunkt(const Zylinderpunkt& p, bool xAlsReal = false);
    void hpglMittlereZeitZylinder(int h, double t, bool ganz);
    void hpglStundenZylinder(int von, int bis, int art, int n);
    void hpglItalBabylZylinder(int von, int bis, int n, int art);
    void datumslinien();
    void stundenlinien();

    const AppState& s_;
    HPGLDatei& datei_;
    UserPrompt& frage_;
    ZylinderPlotAuftrag a_;
    bool filterhut_ = true;
    int k_ = 1;
    int sigma_ = 1;
    double X0_ = 0, Y0_ = 0;
    double u_ = 0;   // filter-hat: units per degree of azimuth
    double kp_ = 0;  // pointer length
    double Rs_ = 0;  // radius (polar rod) or circumference (filter-hat) in plotter units
    Polstabzylinder z_;
    double lambda_ = 0;
    double xP_ = 0, yP_ = 0;
    double L_ = 120;
    double hm_ = 0;   // filter-hat: the highest noon sun with 23.5 degrees
    double ybot_ = 0; // filter-hat: the face's lower edge
    bool flaeche_ = false; // the filter-hat face is drawn
    // Lines end at the filter-hat face's lower edge (the page's without a face).
    double grenze_ = std::numeric_limits<double>::infinity();
    std::string stiftbreite_;
    // How far the marks of the pole and the origin reach past the sheet, plotter units.
    double markeUeberRand_ = 0;
    // The boxes of the hour numbers written, which later numbers keep clear of.
    Zahlenplatz zahlen_{0};

    // The run of the line being written.
    bool lauf_ = false;
    bool fortsetzen_ = false; // the next visible point continues from the last one written
    Zylinderpunkt letzter_;   // the last point seen
    std::string letzterOrt_;  // the last point written, as "x y"
};

} // namespace umbrin
