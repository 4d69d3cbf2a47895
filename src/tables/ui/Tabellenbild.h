#pragma once
// The table side of the tables-and-graphs window on a surface: the month and year tables
// drawn as an image in the fixed-pitch face, and printed on a page in units of 0.1 mm with
// their frames and column rules.
#include "core/State.h"

#include <QImage>
#include <QSize>

#include <string>
#include <vector>

class QPainter;

namespace umbrin {

// The smallest screen font: the fit stops shrinking here, and a table that still does not
// fit is clipped by the window or scrolled.
inline constexpr int KleinsteTabellenschrift = 6;

// Fills the whole image with white.
void LoescheBild(QImage& bild);

// The month table (zeilen as shown: five heading lines, the days, the footer) at the
// largest size from 11 points (half year) or 12 points (one month) down that fits the
// width and height available; framed in rahmen.
QImage zeichneMonatstabelle(const std::vector<std::string>& zeilen, bool halbjahr, QSize verfuegbar, Farbe rahmen);

// The year table, its width measured on messzeile and "mm", from 11 points down.
QImage zeichneJahrestabelle(const std::vector<std::string>& zeilen, const std::string& messzeile, QSize verfuegbar,
                            Farbe rahmen);

// The point size a table image was drawn at (kept as the image's text "punkt").
int tabellenSchrift(const QImage& bild);

// Prints the month table on a page of seitenBreiteMm millimetres, the painter in 0.1 mm;
// versatz is the printable corner's distance from the sheet's edge in 0.1 mm.
void DruckeTabelleSeite(QPainter& maler, const std::vector<std::string>& zeilen, bool halbjahr, int seitenBreiteMm,
                        int versatz, const AppState& s);

// Prints the year table (a copy: a blank first line is put in front when missing).
void DruckeTabelleZeilen(QPainter& maler, std::vector<std::string> zeilen, bool durchgang, int seitenBreiteMm,
                         int versatz);

} // namespace umbrin
