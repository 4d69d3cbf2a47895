#include "tables/HorizontTexte.h"

#include "core/Zahlenformat.h"

#include <algorithm>

namespace umbrin {

namespace {

const char* sprache(int spalte, const char* de, const char* en) { return spalte == 2 ? en : de; }

std::string seite(int code, int sp)
{
    switch (code) {
    case 1: return sprache(sp, "Nord", "North");
    case 2: return sprache(sp, "Ost", "East");
    case 3: return sprache(sp, "Süd", "South");
    default: return sprache(sp, "West", "West");
    }
}

std::vector<int> geordnet(const std::vector<int>& fehlende)
{
    std::vector<int> r;
    for (int c : kNachbarReihenfolge)
        if (std::find(fehlende.begin(), fehlende.end(), c) != fehlende.end())
            r.push_back(c);
    return r;
}

} // namespace

std::string nachbarName(int code, int sprachspalte)
{
    if (code < 10)
        return seite(code, sprachspalte);
    return seite(code / 10, sprachspalte) + "-" + seite(code % 10, sprachspalte);
}

std::string ankuendigungText(long double phi, long double lambda, const Kachelkopf& kopf,
                             const std::vector<int>& fehlende, int sp)
{
    std::string t = std::string(sprache(sp, "Horizontprofil im Punkt: ", "Horizon profile in point ")) +
                    RealStr(phi, 13, 8) + "/" + RealStr(lambda, 13, 8) + "\r\r\n";
    t += std::string(sprache(sp, "Höhendaten aus Tabelle (Breite/Länge): ",
                             "Table contains data in between (latitude/longitude): ")) +
         "(" + RealStr(kopf.Nordrand - kopf.Kachelgrad, 7, 2) + "/" + RealStr(kopf.Westrand, 7, 2) + ") - (" +
         RealStr(kopf.Nordrand, 7, 2) + "/" + RealStr(kopf.Westrand + kopf.Kachelgrad, 7, 2) + ")\r\n";
    t += std::string(sprache(sp, "       TabellenIntervall = ", "       Table intervall = ")) +
         (kopf.einBogensekunde() ? "1 arcsec" : "3 arcsec") + "\r\n";
    t += "     " + RealStr(720, 4, 0) +
         sprache(sp, " Horizontpunkte mit 0.5 Grad Azimutaldistanz.", " horizon points with 0.5 deg azimuthal distance.") +
         "\r\n";
    if (!fehlende.empty()) {
        t += std::string("\r\n") + sprache(sp, "Tab.Daten fehlen teilweise im ", "Lack of table data in the   ") + "\r\n";
        for (int c : geordnet(fehlende))
            t += std::string(14, ' ') + nachbarName(c, sp) + "\r\n";
    }
    t += std::string("\r\n") + sprache(sp, "Berechnung wird gestartet. ", "Calculation will be started now.  ") + " " +
         sprache(sp, "(Fehlende Daten können anschließend nachgeladen werden)", "(Missing data can be loaded afterwards.)");
    return t;
}

std::string fertigText(std::int32_t bodenhoehe, const std::vector<int>& fehlende, int sp)
{
    std::string t = std::string(sprache(sp, "Horizontprofil erstellt! ", "Calculation done! ")) + "\r\n" +
                    sprache(sp, "Standorthöhe=", "Central point (elevation)=") + IntStr(bodenhoehe);
    if (fehlende.empty())
        return t;
    t += std::string("\r\n") + sprache(sp, "Sollen fehlende Höhendaten im ", "Missing altitude data in the ");
    std::string liste;
    for (int c : geordnet(fehlende))
        liste += (c < 10 ? "" : sprache(sp, "und ", "and ")) + nachbarName(c, sp) + ", ";
    liste.resize(liste.size() - 2);
    return t + liste + sprache(sp, " jetzt nachgeladen werden?", ".  Add missing data now?");
}

} // namespace umbrin
