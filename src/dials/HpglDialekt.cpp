#include "dials/HpglDialekt.h"

#include "core/Rounding.h"
#include "core/Zahlenformat.h"

#include <charconv>
#include <cmath>

namespace umbrin {

void hpglZahlAnhaengen(std::string& text, double x)
{
    long double v = x;
    if (std::fabs(v) > hpglKoordinatenGrenze)
        v = v > 0 ? hpglKoordinatenGrenze : -hpglKoordinatenGrenze;
    char puffer[24];
    const auto ende = std::to_chars(puffer, puffer + sizeof puffer, roundHalfEven(v)).ptr;
    text.append(puffer, ende);
}

std::string hpglZahl(double x)
{
    std::string text;
    hpglZahlAnhaengen(text, x);
    return text;
}

std::string hpglPrologMitRahmen(std::int64_t breite, std::int64_t hoehe)
{
    const std::string fenster = std::to_string(breite) + " " + std::to_string(hoehe);
    return "IN;VS 1;PA;IW 0 0 " + fenster + ";PU 0 0;EA " + fenster + ";";
}

std::string stiftbreiteText(int stiftbreite)
{
    return std::to_string(stiftbreite - 1) + ";";
}

std::string hpglLabel(std::string_view text)
{
    std::string label = "LB";
    label.append(text);
    label.push_back(hpglLabelEnde);
    return label;
}

std::string hpglZeichengroesse(double breite, double hoehe)
{
    return "SI " + RealStr(breite, 5, 2) + "," + RealStr(hoehe, 5, 2);
}

std::string strichLinie(int n)
{
    if (n <= 0)
        return {};
    return std::string(static_cast<std::size_t>(n > 255 ? 255 : n), '-');
}

void hpglRaster(HPGLDatei& datei, std::int64_t cx, std::int64_t cy, std::int64_t breite, std::int64_t schritt,
                std::int64_t hoehe)
{
    const std::string p = [&] {
        std::string t = ";IW 0 0 " + std::to_string(breite) + " " + std::to_string(hoehe) + ";SP 9;PU ";
        t += std::to_string(cx) + " " + std::to_string(cy) + ";CI 80;";
        return t;
    }();
    HPGLZeile(datei, p);
    if (schritt > 0) {
        // The grid is aligned on the centre (the gnomon foot): walk back to the first line
        // inside the sheet, then forward to the last.
        std::int64_t x0 = cx;
        if (x0 > schritt + 2)
            x0 -= (x0 - schritt - 2 + schritt - 1) / schritt * schritt;
        std::int64_t y0 = cy;
        if (y0 > schritt + 2)
            y0 -= (y0 - schritt - 2 + schritt - 1) / schritt * schritt;
        std::int64_t x1 = x0;
        if (x1 < breite - schritt - 2)
            x1 += (breite - schritt - 2 - x1 + schritt - 1) / schritt * schritt;
        std::int64_t y1 = y0;
        if (y1 < hoehe - schritt - 2)
            y1 += (hoehe - schritt - 2 - y1 + schritt - 1) / schritt * schritt;

        std::string t;
        for (std::int64_t x = x0; x <= x1; x += schritt) {
            t += "PU " + std::to_string(x) + " " + std::to_string(y0) + ";PD " + std::to_string(x) + " "
                + std::to_string(y1) + ";";
        }
        for (std::int64_t y = y0; y <= y1; y += schritt) {
            t += "PU " + std::to_string(x0) + " " + std::to_string(y) + ";PD " + std::to_string(x1) + " "
                + std::to_string(y) + ";";
        }
        HPGLZeile(datei, t);
    }
    HPGLZeile(datei, "PU ;");
}

std::string gnomonMarkenText(double h, int k, bool deutsch)
{
    return (deutsch ? "doppelte Gnomonhoehe (= 2 * " : "twice the gnomon height (= 2 * ")
           + RealStr(roundHalfEven(2.5L * h) / 100.0L / k, 6, 3) + " mm)";
}

void schreibeGnomonMarke(HPGLDatei& datei, double h, std::int64_t x, std::int64_t y, int k, bool deutsch)
{
    const double zweiH = 2 * h + 40.0 * k;
    std::string t = ";SP 4;PU ";
    hpglZahlAnhaengen(t, static_cast<double>(x - 200 * k));
    t += ' ';
    hpglZahlAnhaengen(t, static_cast<double>(y));
    t += ";PD ";
    hpglZahlAnhaengen(t, static_cast<double>(x + 200 * k));
    t += ' ';
    hpglZahlAnhaengen(t, static_cast<double>(y));
    t += ' ';
    hpglZahlAnhaengen(t, static_cast<double>(x));
    t += ' ';
    hpglZahlAnhaengen(t, static_cast<double>(y));
    t += ' ';
    hpglZahlAnhaengen(t, static_cast<double>(x));
    t += ' ';
    hpglZahlAnhaengen(t, static_cast<double>(y + 200 * k));
    t += ' ';
    hpglZahlAnhaengen(t, static_cast<double>(x));
    t += ' ';
    hpglZahlAnhaengen(t, static_cast<double>(y - 200 * k));

    // Twice the gnomon height, horizontally along the bottom and vertically up the left edge,
    // each with an end tick: a scale to check the printed size against.
    const std::string k40 = std::to_string(40 * k);
    const std::string k160 = std::to_string(160 * k);
    t += ";PU " + k40 + " " + k40 + ";PD ";
    hpglZahlAnhaengen(t, zweiH);
    t += " " + k40 + " ";
    hpglZahlAnhaengen(t, zweiH);
    t += " " + k160;
    t += ";PU " + k40 + " " + std::to_string(400 * k) + ";PD " + k40 + " ";
    hpglZahlAnhaengen(t, zweiH);
    t += " " + k160 + " ";
    hpglZahlAnhaengen(t, zweiH);

    t += ";PU " + k160 + " " + k160 + ";" + hpglZeichengroesse(0.16 * k, 0.24 * k) + ";";
    t += hpglLabel(gnomonMarkenText(h, k, deutsch));
    t += ";";
    HPGLZeile(datei, t);
}

} // namespace umbrin
