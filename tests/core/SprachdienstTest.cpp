#include "core/Sprachdienst.h"
#include "core/Textbeschriftung.h"
#include "core/Textlisten.h"
#include "core/Textressourcen.h"

#include <gtest/gtest.h>

#include <set>

using namespace umbrin;

namespace {

AppState englisch()
{
    AppState s;
    setzeSprache(s, false);
    return s;
}

TEST(Sprachdienst, SwitchSetsColumnAndBaseTogether)
{
    AppState s;
    setzeSprache(s, false);
    EXPECT_EQ(s.Deutsch, 0);
    EXPECT_EQ(s.Sprachspalte, 2);
    EXPECT_EQ(s.StringIdBasis, 2000);
    setzeSprache(s, true);
    EXPECT_EQ(s.Deutsch, 1);
    EXPECT_EQ(s.Sprachspalte, 1);
    EXPECT_EQ(s.StringIdBasis, 0);
}

TEST(Sprachdienst, HoleTextDropsAcceleratorsLadeTextKeepsThem)
{
    AppState s;
    EXPECT_EQ(ladeText(7, 0), " S&chließen");
    EXPECT_EQ(holeText(s, 7), " Schließen");
    EXPECT_EQ(holeText(englisch(), 7), "  Close");
    EXPECT_EQ(ladeText(7, 2000), "  &Close");
    EXPECT_EQ(ladeText(320, 0), "");   // an id without an entry
    EXPECT_EQ(ladeText(99999, 0), "");
    EXPECT_EQ(ladeText(315, 0), "an Kegelspitze");
    EXPECT_EQ(ladeText(315, 2000), ""); // German only
}

TEST(Sprachdienst, TablesAreReadByRowAndLanguage)
{
    AppState de;
    const AppState en = englisch();
    EXPECT_EQ(meldungsText(de, 25), "Fehler bei Umwandlung in String!");
    EXPECT_EQ(meldungsText(en, 25), "Error in conversion into string!");
    EXPECT_EQ(meldungsText(de, 72), "");  // beyond the table
    EXPECT_EQ(meldungsText(de, -1), "");
    EXPECT_EQ(texteText(de, 203), "");    // a row with an English text only
    EXPECT_EQ(texteText(en, 203), " Hollander's Mean Time Sundial");
    EXPECT_EQ(titelText(de, 0), "");
    EXPECT_EQ(meldungsTitel(en, TitelPaar::Problem), meldungsTitel(de, TitelPaar::Problem));
}

TEST(Sprachdienst, LineBreaksAreLineFeedThenCarriageReturn)
{
    AppState de;
    EXPECT_EQ(meldungsText(de, 15),
              "Der Fußpunkt des Gnomon liegt\n\raußerhalb des abgebildeten Bereiches!\n\r\rAbbrechen?");
    EXPECT_EQ(TextPaar(de, 65, 66), "Der Abstand der Punkte ist zu groß,\n\rdaher keine Berechnung der biazimutalen Konstruktion!");
    EXPECT_EQ(texteText(de, 10), "Der Durchmesser ist zu groß.\n\rSoll der Druck abgebrochen werden?");
}

TEST(Sprachdienst, NoLostRows)
{
    // Every row that is not documented as empty has both texts.
    const std::set<int> leereTexte = {203, 217, 218};
    for (std::size_t k = 0; k < TexteTabelle.size(); ++k) {
        if (leereTexte.contains(static_cast<int>(k)))
            continue;
        EXPECT_FALSE(TexteTabelle[k].deutsch.empty()) << k;
        EXPECT_FALSE(TexteTabelle[k].englisch.empty()) << k;
    }
    for (std::size_t k = 0; k < MeldungsTabelle.size(); ++k) {
        EXPECT_FALSE(MeldungsTabelle[k].deutsch.empty()) << k;
        EXPECT_FALSE(MeldungsTabelle[k].englisch.empty()) << k;
    }
}

TEST(Textlisten, ListsFromTablesAndIntervalClamp)
{
    AppState de;
    EXPECT_TRUE(ListeAusTabelle(de, 5, 4).empty());
    const auto daemmerung = ListeAusTabelle(de, 34, 36);
    ASSERT_EQ(daemmerung.size(), 3u);
    EXPECT_EQ(daemmerung[2], "astronom.(12°-18°)");
    const auto typen = ListeAusStringtabelle(2000, 183, 13);
    ASSERT_EQ(typen.size(), 13u);
    EXPECT_EQ(typen[0], "  &Horizontal Sundial");
    EXPECT_EQ(typen[12], "  &Peaucellier Azimuthal Sundial");
    EXPECT_EQ(IntervallIndex('0', 5), 0);
    EXPECT_EQ(IntervallIndex('4', 5), 4);
    EXPECT_EQ(IntervallIndex('5', 5), 4);
    EXPECT_EQ(IntervallIndex('6', 4), 3);
    EXPECT_EQ(IntervallIndex('x', 4), 0);
    EXPECT_EQ(IntervallIndex('3', 0), 0);
}

// Every string-table entry has both languages, except the three items that have never had
// an English text.
TEST(Stringtabelle, EveryEntryResolvesInBothLanguages)
{
    const std::set<int> nurDeutsch = {315, 614, 615};
    int vorher = 0;
    for (const auto& e : Stringtabelle()) {
        EXPECT_GT(e.id, vorher) << "sorted and unique";
        vorher = e.id;
        EXPECT_GE(e.id, 1);
        EXPECT_LE(e.id, 954);
        EXPECT_FALSE(e.deutsch.empty()) << e.id;
        EXPECT_EQ(e.englisch.empty(), nurDeutsch.contains(e.id)) << e.id;
        EXPECT_EQ(stringtabellenText(e.id), e.deutsch);
        EXPECT_EQ(stringtabellenText(e.id + 2000), e.englisch);
    }
}

// Every id that the relabelling rules read, and every id the windows are known to carry,
// is in the string table.
TEST(Stringtabelle, EveryIdUsedResolves)
{
    for (int id : beschriftungsRegelIds()) {
        EXPECT_TRUE(stringtabellenText(id)) << id;
        EXPECT_TRUE(stringtabellenText(id + 2000)) << id;
    }
}

TEST(Textbeschriftung, RadioGroupsAndCombosFollowTheState)
{
    AppState de;
    auto b = beschriftungFuer(de, Komponentenart::RadioGruppe, 51, 0);
    EXPECT_EQ(b.text, "");
    ASSERT_TRUE(b.eintraege);
    EXPECT_EQ(*b.eintraege, (std::vector<std::string>{" &Nord", " &Süd"}));

    b = beschriftungFuer(de, Komponentenart::RadioGruppe, 54, 0);
    EXPECT_EQ(b.text, "Jahrestabelle für ");
    ASSERT_EQ(b.eintraege->size(), 4u);
    EXPECT_EQ(b.eintraege->back(), "Durchgangszeiten");

    b = beschriftungFuer(de, Komponentenart::RadioGruppe, 502, 0);
    EXPECT_EQ(b.eintraege->size(), 5u);
    EXPECT_EQ(b.eintraege->back(), "  ");

    de.Schalter.ZodiakSkala = 1;
    EXPECT_EQ(beschriftungFuer(de, Komponentenart::RadioGruppe, 554, 0).eintraege->at(1), "   Kreisbogen für 21. Dez. aussen");
    de.Schalter.ZodiakSkala = 0;
    EXPECT_EQ(beschriftungFuer(de, Komponentenart::RadioGruppe, 554, 0).eintraege->at(1), "   Kreisbogen für 21. Juni innen");

    de.Schalter.LinienProMonat = 3;
    b = beschriftungFuer(de, Komponentenart::Auswahlliste, 60, 0);
    EXPECT_EQ(b.auswahl, 2);
    EXPECT_EQ(b.eintraege->size(), 3u);

    de.Schalter.Zonenzeit = 1;
    b = beschriftungFuer(de, Komponentenart::Auswahlliste, 65, 0);
    EXPECT_EQ(b.auswahl, 1);
    EXPECT_EQ(b.eintraege->at(1).rfind(holeText(de, 494) + " ", 0), 0u);

    EXPECT_FALSE(beschriftungFuer(de, Komponentenart::RadioGruppe, 0, 0).text);
    EXPECT_FALSE(beschriftungFuer(de, Komponentenart::Auswahlliste, 61, 0).eintraege);
}

TEST(Textbeschriftung, WindowCaptions)
{
    AppState en = englisch();
    en.Rechenmodus = 4;
    EXPECT_EQ(beschriftungFuer(en, Komponentenart::Fenster, 800, 2000).text, "Standard Time for given Sun Position");
    en.Rechenmodus = 1;
    EXPECT_FALSE(beschriftungFuer(en, Komponentenart::Fenster, 800, 2000).text->empty());
    en.Rechenmodus = 8;
    en.Tabellenoption = 0;
    en.Durchgangstabelle = 1;
    EXPECT_EQ(beschriftungFuer(en, Komponentenart::Fenster, 900, 2000).text, holeText(en, 68));
    en.Rechenmodus = 16;
    en.Par.Jahr = 2024;
    EXPECT_EQ(beschriftungFuer(en, Komponentenart::Fenster, 900, 2000).text, holeText(en, 70) + "  2024");
    EXPECT_EQ(beschriftungFuer(en, Komponentenart::Fenster, 400, 2000).text, "Type of Sundial");
}

TEST(Textbeschriftung, YearTableHeadingAfterSwitchToEnglish)
{
    AppState en = englisch();
    en.Rechenmodus = 8;
    en.Par.Jahr = 2021;
    const auto b = beschriftungFuer(en, Komponentenart::Liste, 799, 2000);
    ASSERT_EQ(b.eintraege->size(), 2u);
    EXPECT_EQ(b.eintraege->at(0), "       Declination of Sun in dd.dd for 2021   (Zone meridian =  -15.0° )");
    EXPECT_EQ(b.eintraege->at(0).rfind("     ", 0), 0u);
    EXPECT_EQ(b.eintraege->at(1), monatsKopfzeile(en, false));
}

TEST(Textbeschriftung, PaletteHeadingNamesTheFamily)
{
    AppState de;
    de.UhrTyp = 'q';
    de.TypBasis = 12;
    EXPECT_EQ(farbLegendenUeberschrift(de), " Farben für vertikale Höhensonnenuhr:");
    const auto zeilen = farbLegendenZeilen(de);
    ASSERT_EQ(zeilen.size(), 12u);
    EXPECT_EQ(zeilen[0].second, "= Gradnetz, Kreisbogen");
    de.UhrTyp = 'b';
    EXPECT_EQ(farbLegendenUeberschrift(de), " Farben für Polstab-Zylinderuhr:");
}

} // namespace
