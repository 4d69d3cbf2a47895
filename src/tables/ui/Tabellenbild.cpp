#include "tables/ui/Tabellenbild.h"

#include "core/Sprachdienst.h"
#include "core/ui/PainterCanvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace umbrin {
namespace {

QString q(const std::string& t)
{
    return QString::fromStdString(t);
}

QColor farbe(Farbe f)
{
    return QColor(static_cast<int>(f & 0xFF), static_cast<int>((f >> 8) & 0xFF), static_cast<int>((f >> 16) & 0xFF));
}

QFont bildschrift(int punkt, const QImage& geraet)
{
    QFont f(PainterCanvas::familyFor("Courier new"));
    f.setFixedPitch(true);
    f.setStyleHint(QFont::TypeWriter);
    // Points on the screen image: 96 pixels per inch.
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(punkt * geraet.logicalDpiY() / 72.0))));
    return f;
}

// A printer font of the given height in 0.1 mm: the height of its character cell (ascent and
// descent), as the page's line spacing is measured on it. The face has a fixed pitch: the
// tables' columns are lined up with blanks.
QFont druckschrift(int hoehe)
{
    QFont f(PainterCanvas::familyFor("Courier New"));
    f.setFixedPitch(true);
    f.setStyleHint(QFont::TypeWriter);
    hoehe = std::max(1, hoehe);
    f.setPixelSize(hoehe);
    const double zelle = QFontMetricsF(f).height();
    if (zelle > 0)
        f.setPixelSize(std::max(1, static_cast<int>(std::lround(hoehe * hoehe / zelle))));
    return f;
}

double breite(const QFont& f, const std::string& text)
{
    return QFontMetricsF(f).horizontalAdvance(q(text));
}

double hoehe(const QFont& f)
{
    return QFontMetricsF(f).height();
}

// The advance of one character of a fixed-pitch face: the column rules of a printed table
// stand at whole numbers of it (between two characters) or half way (through a blank).
double zeichenbreite(const QFont& f)
{
    return QFontMetricsF(f).horizontalAdvance(QLatin1Char('0'));
}

void zeichneZeilen(QPainter& maler, const std::vector<std::string>& zeilen, QFont f, int x, int y0, double zeile,
                   bool letzteKursiv)
{
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        f.setBold(i == 0);
        f.setItalic(letzteKursiv && i + 1 == zeilen.size() && i > 0);
        maler.setFont(f);
        const double y = y0 + static_cast<double>(i) * zeile;
        maler.drawText(QPointF(x, y + QFontMetricsF(f).ascent()), q(zeilen[i]));
    }
}

QImage neuesBild(int breite, int hoehe, int punkt)
{
    QImage bild(std::max(1, breite), std::max(1, hoehe), QImage::Format_RGB32);
    bild.setText(QStringLiteral("punkt"), QString::number(punkt));
    LoescheBild(bild);
    return bild;
}

std::string zeile(const std::vector<std::string>& z, std::size_t i)
{
    return i < z.size() ? z[i] : std::string();
}

} // namespace

void LoescheBild(QImage& bild)
{
    bild.fill(Qt::white);
}

int tabellenSchrift(const QImage& bild)
{
    return bild.text(QStringLiteral("punkt")).toInt();
}

QImage zeichneMonatstabelle(const std::vector<std::string>& zeilen, bool halbjahr, QSize verfuegbar, Farbe rahmen)
{
    const QImage geraet(1, 1, QImage::Format_RGB32);
    int punkt = halbjahr ? 11 : 12;
    // The width is that of the last column head, or of the title or place line where one of
    // them is longer, so that no heading is cut off.
    std::string mess = zeile(zeilen, 4);
    for (std::size_t i : {0u, 1u})
        if (breite(bildschrift(punkt, geraet), zeile(zeilen, i)) > breite(bildschrift(punkt, geraet), mess))
            mess = zeile(zeilen, i);
    while (punkt > KleinsteTabellenschrift && breite(bildschrift(punkt, geraet), mess) + 12 > verfuegbar.width() - 4)
        --punkt;
    while (punkt > KleinsteTabellenschrift && 44 * hoehe(bildschrift(punkt, geraet)) > verfuegbar.height())
        --punkt;
    const QFont f = bildschrift(punkt, geraet);
    const double reihe = std::ceil(hoehe(f));
    const int b = static_cast<int>(std::ceil(breite(f, mess))) + 22;
    QImage bild = neuesBild(b, static_cast<int>(44 * reihe) + 5, punkt);
    QPainter maler(&bild);
    maler.setPen(farbe(rahmen));
    maler.drawRect(0, 0, bild.width() - 1, bild.height() - 1);
    maler.setPen(Qt::black);
    zeichneZeilen(maler, zeilen, f, 4, 3, reihe, true);
    const int regel = static_cast<int>(std::lround(2.5 * reihe));
    maler.drawLine(2, regel, bild.width() - 1, regel);
    return bild;
}

QImage zeichneJahrestabelle(const std::vector<std::string>& zeilen, const std::string& messzeile, QSize verfuegbar,
                            Farbe rahmen)
{
    const QImage geraet(1, 1, QImage::Format_RGB32);
    int punkt = 11;
    const std::string mess = messzeile + "mm";
    while (punkt > KleinsteTabellenschrift && breite(bildschrift(punkt, geraet), mess) > verfuegbar.width() - 10)
        --punkt;
    while (punkt > KleinsteTabellenschrift && 42 * hoehe(bildschrift(punkt, geraet)) >= verfuegbar.height())
        --punkt;
    const QFont f = bildschrift(punkt, geraet);
    const double reihe = std::ceil(hoehe(f));
    const int textbreite = static_cast<int>(std::ceil(breite(f, mess)));
    QImage bild = neuesBild(textbreite + 6, static_cast<int>(42 * reihe) + 2, punkt);
    QPainter maler(&bild);
    maler.setPen(farbe(rahmen));
    maler.drawRect(0, 0, bild.width() - 1, bild.height() - 1);
    maler.setPen(Qt::black);
    zeichneZeilen(maler, zeilen, f, 6, 3, reihe, false);
    const int regel = static_cast<int>(std::lround(3.5 * reihe));
    maler.drawLine(2, regel, textbreite + 10, regel);
    return bild;
}

void DruckeTabelleSeite(QPainter& maler, const std::vector<std::string>& zeilen, bool halbjahr, int seitenBreiteMm,
                        int versatz, const AppState& s)
{
    QFont f = druckschrift(halbjahr ? 39 : 40);
    int links = 300;
    int oben = 200;
    double b = 0;
    if (halbjahr) {
        b = breite(f, zeile(zeilen, 4));
        links = std::max(4, static_cast<int>((seitenBreiteMm * 10 - b - versatz) / 2 + versatz / 2.0 + 25));
        oben = 70;
    } else {
        b = breite(f, std::string(texteText(s, 72))) + breite(f, "Dat");
    }
    const int reihe = static_cast<int>(std::lround(std::fabs(QFontMetricsF(f).height() * 1.15)));
    maler.setPen(Qt::black);
    maler.setBrush(Qt::NoBrush);
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        QFont z = f;
        if (i == 0)
            z = druckschrift(44);
        z.setBold(i == 0);
        z.setItalic(i > 0 && i + 1 == zeilen.size());
        maler.setFont(z);
        const int y = oben + static_cast<int>(i) * reihe;
        maler.drawText(QPointF(links, y + QFontMetricsF(z).ascent()), q(zeilen[i]));
    }
    const int n = static_cast<int>(zeilen.size());
    const int rechts = links + static_cast<int>(b);
    QPen stift(Qt::black);
    stift.setWidth(2);
    maler.setPen(stift);
    const int kopf = oben + 170 - reihe;
    const int fuss = oben - 30 + (n - 1) * reihe;
    maler.drawRect(QRect(QPoint(links - 25, kopf), QPoint(rechts, fuss)));
    stift.setWidth(1);
    maler.setPen(stift);
    // The boxes frame the sun and the moon (one month) or the first, third and fifth month (half
    // year). Their sides stand between the characters where one field of the rows ends and the
    // next begins: a day row starts with its day in 5 characters, then 14 for each of sun,
    // twilight and moon (one month), or 21 for each month (half year); the heads keep blanks
    // there.
    const double zeichen = zeichenbreite(f);
    auto spalte = [&](int zeichenZahl) { return links + static_cast<int>(std::lround(zeichenZahl * zeichen)); };
    if (halbjahr) {
        for (int m : {0, 2, 4})
            maler.drawRect(QRect(QPoint(spalte(5 + 21 * m), kopf), QPoint(spalte(26 + 21 * m), fuss)));
        maler.drawLine(links - 25, oben + 180 + reihe, rechts, oben + 180 + reihe);
    } else {
        for (int feld : {0, 2})
            maler.drawRect(QRect(QPoint(spalte(5 + 14 * feld), kopf), QPoint(spalte(19 + 14 * feld), fuss)));
        for (int y : {oben + 170 - reihe, oben + 180 + reihe, oben + n * reihe})
            maler.drawLine(links - 25, y, rechts, y);
    }
}

void DruckeTabelleZeilen(QPainter& maler, std::vector<std::string> zeilen, bool durchgang, int seitenBreiteMm,
                         int versatz)
{
    if (zeilen.empty() || zeilen.front() != " ")
        zeilen.insert(zeilen.begin(), " ");
    const QFont f = druckschrift(40);
    const double textbreite = breite(f, zeile(zeilen, 11));
    const int links = std::max(1, static_cast<int>((seitenBreiteMm * 10 - textbreite - versatz) / 2 + versatz / 2.0));
    const int oben = durchgang ? 50 : 200;
    const int reihe = static_cast<int>(std::lround(std::fabs(QFontMetricsF(f).height() * 1.15)));
    maler.setPen(Qt::black);
    maler.setBrush(Qt::NoBrush);
    int i = 0;
    for (std::size_t k = 0; k < zeilen.size(); ++k) {
        if (durchgang && (k == 0 || k == 2 || k == 3 || k == 4 || k == 9))
            continue;
        const QFont z = k == 1 ? druckschrift(50) : f;
        maler.setFont(z);
        maler.drawText(QPointF(links, oben + i * reihe + QFontMetricsF(z).ascent()), q(zeilen[k]));
        ++i;
    }
    // The boxes keep the same room right of the text as left of it.
    const int rechts = links + static_cast<int>(textbreite) + 10;
    QPen stift(Qt::black);
    stift.setWidth(2);
    maler.setPen(stift);
    const double kopfVon = durchgang ? 3.5 : 7.5;
    const double kopfBis = durchgang ? 5.0 : 9.5;
    auto y = [&](double reihen) { return oben + static_cast<int>(std::lround(reihen * reihe)); };
    maler.drawRect(QRect(QPoint(links - 10, y(kopfVon)), QPoint(rechts, y(kopfBis))));
    maler.drawRect(QRect(QPoint(links - 10, y(kopfBis)), QPoint(rechts, y(i + 0.2))));
    stift.setWidth(1);
    maler.setPen(stift);
    // The rules run through the blanks before the first, fourth, seventh and tenth month: a day
    // row is the day in 3 characters, a blank, and the months 6 characters wide (8 in the
    // transit table) with a blank between them.
    const int zelle = durchgang ? 9 : 7;
    const double zeichen = zeichenbreite(f);
    for (int monat : {1, 4, 7, 10}) {
        const int x = links + static_cast<int>(std::lround((zelle * (monat - 1) + 3.5) * zeichen));
        maler.drawLine(x, y(kopfVon), x, y(i + 0.2));
    }
}

} // namespace umbrin
