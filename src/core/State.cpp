#include "core/State.h"

#include "core/Sonne.h"

#include <cmath>

namespace umbrin {

void StandardWerte(AppState& s)
{
    // Fields that only program start clears keep their values across a reset.
    const TPar oldPar = s.Par;
    const TSchalter old = s.Schalter;

    s.Par = TPar{};
    s.Par.HabermelGnomon = oldPar.HabermelGnomon;
    s.Par.SawyerZeit = oldPar.SawyerZeit;
    s.Par.KegelNeigung = s.Par.Breite;

    TSchalter& n = s.Schalter;
    n = TSchalter{};
    n.HalbeAnalemma = old.HalbeAnalemma;
    n.Temporalstunden = old.Temporalstunden;
    n.MitZeitgl = old.MitZeitgl;
    n.Babylonisch = old.Babylonisch;
    n.Italienisch = old.Italienisch;
    n.Sonnenhoehe = old.Sonnenhoehe;
    n.QuadrantGespiegelt = old.QuadrantGespiegelt;
    n.MitZeitglAzimut = old.MitZeitglAzimut;
    n.Zeitablesung = old.Zeitablesung;
    n.OrtszeitAnzeige = old.OrtszeitAnzeige;
    n.MitZeitglZylinder = old.MitZeitglZylinder;
    n.TemporalIntervall = old.TemporalIntervall;
    n.Sonnenstand = old.Sonnenstand;
    n.RingExakt = old.RingExakt;
    n.ZylinderArt = old.ZylinderArt;
    n.Schattenlaenge = old.Schattenlaenge;
    n.QuadrantSkala = old.QuadrantSkala;
    n.Daemmerung = old.Daemmerung;
    n.Option57 = old.Option57;
    n.Diagrammart = old.Diagrammart;
    n.Linienstaerke = old.Linienstaerke; // set by the start-up only

    s.Zeiten = TZeiten{};
    s.BiaziZonenzeit = 1;
    s.Streckungsfaktor = 2.0;
    s.RingLochVersatz = 0;
    s.DeklOben = s.EpsRund / 2;
    s.DeklUnten = -s.EpsRund / 2;
}

void StandardFarben(AppState& s)
{
    s.Farben = {0x000000, 0xFF0000, 0x0000FF, 0x800000, 0x008080, 0x008000,
                0xFFFF00, 0x808080, 0x00FF00, 0xFF00FF, 0x808080, 0xA0E0DF};
}

void initialisiereZustand(AppState& s)
{
    StandardWerte(s);
    s.AzAbstand = 300.0;
    s.AzGrundplatte = 180.0;
    StandardFarben(s);
    s.Schalter.Linienstaerke = 1;
    SchiefeUndTierkreis(s, s.Par.Jahr);
    s.DeklOben = s.EpsRund / 2;
    s.RingLochVersatz = 0;
    s.DeklUnten = -s.EpsRund / 2;

    s.Hilfsliste.clear();
    s.Stunden24.clear();
    s.Stunden12.clear();
    for (int i = 0; i <= 24; ++i)
        s.Stunden24.push_back("  " + std::to_string(i));
    for (int i = 0; i <= 12; ++i)
        s.Stunden12.push_back("  " + std::to_string(i));

    s.ZoomSchritt = std::sqrt(std::sqrt(std::sqrt(2.0)));
    s.UhrTyp = 'v';
    s.HinweiseAn = 0;
    s.Schirmuhr = 0;
    s.Deutsch = 1;
    s.Sprachspalte = 1;
    s.StringIdBasis = 0;
    s.FensterNormal = 1;
    s.FusspunktGesetzt = 0;
    s.BiaziStart = 1;
    s.ErstesZeigen = 1;

    // The map text is loaded by the map module when the program starts (it is large and
    // tests that do not draw maps do without it).

    EoTTabelleBahn(s, 288, 2022);
    s.EoTTabelle2 = s.EoTTabelle;
}

void BildNummerUhrTyp(const AppState& s, std::int32_t& nr)
{
    const char t = s.UhrTyp;
    if (t == 'a') {
        if (s.Schalter.AzimutKreise == 0)
            nr = 3003;
        else if (s.Schalter.Hoehenkreise == 1)
            nr = 3009;
        else if (s.Schalter.Hoehenkreise == 2)
            nr = 3015;
        return;
    }
    if (s.Schirmuhr) {
        nr = (t == 'i') ? 3002 : 3001;
        return;
    }
    switch (t) {
    case 'q':
        if (s.Schalter.Hoehenuhrart <= 2)
            nr = std::array<std::int32_t, 3>{3004, 3010, 3011}[s.Schalter.Hoehenuhrart];
        return;
    case 'h': nr = 2998; return;
    case 'v': nr = 3000; return;
    case 'z':
        if (s.Schalter.ZylinderArt <= 2)
            nr = std::array<std::int32_t, 3>{3005, 3012, 3013}[s.Schalter.ZylinderArt];
        return;
    case 'k': nr = 3006; return;
    case 'r': nr = 3007; return;
    case 'm': nr = 3008; return;
    case 'c': nr = 3016; return;
    case 'w': nr = 3021; return;
    case 'p': nr = 3020; return;
    default: nr = 0; return;
    }
}

} // namespace umbrin
