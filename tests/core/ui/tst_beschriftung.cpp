// Relabelling a window by the text ids of its components, and switching the language.
#include "core/Sprachdienst.h"
#include "core/ui/Beschriftung.h"
#include "core/ui/RadioGruppe.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtTest>

using namespace umbrin;

namespace {

// A window that rebuilds its content in the current language, like the tables window.
class Tabellenfenster : public QWidget, public SprachAktualisierbar {
public:
    int aufrufe = 0;
    void aktualisiereSprache(AppState& s) override
    {
        ++aufrufe;
        s.Tabellenzeilen = {s.Sprachspalte == 1 ? "Zeile" : "line"};
    }
};

struct Beispiel {
    QWidget fenster;
    QLabel* label;
    QLabel* ohneId;
    QPushButton* knopf;
    QComboBox* auswahl;
    RadioGruppe* radio;
    RadioGruppe* radioOhneId;
    QGroupBox* gruppe;
    QTabWidget* seiten;
    QListWidget* liste;
    QAction* aktion;

    Beispiel()
    {
        auto* layout = new QVBoxLayout(&fenster);
        label = new QLabel(QStringLiteral("Label"));
        ohneId = new QLabel(QStringLiteral("unverändert"));
        knopf = new QPushButton(QStringLiteral("Knopf"));
        auswahl = new QComboBox;
        radio = new RadioGruppe;
        radioOhneId = new RadioGruppe;
        gruppe = new QGroupBox;
        seiten = new QTabWidget;
        liste = new QListWidget;
        // The group box holds a label of its own: nested components are reached too.
        auto* innen = new QVBoxLayout(gruppe);
        auto* tief = new QLabel;
        tief->setObjectName(QStringLiteral("tief"));
        innen->addWidget(tief);
        setzeTextId(tief, 304);
        for (int i = 0; i < 3; ++i)
            seiten->addTab(new QWidget, QStringLiteral("Seite"));
        for (QWidget* w : std::initializer_list<QWidget*>{label, ohneId, knopf, auswahl, radio, radioOhneId, gruppe, seiten, liste})
            layout->addWidget(w);
        aktion = new QAction(QStringLiteral("Aktion"), &fenster);
        fenster.addAction(aktion);

        setzeTextId(&fenster, 400);
        setzeTextId(label, 301);
        setzeTextId(knopf, 7);
        setzeTextId(auswahl, 60);
        setzeTextId(radio, 51);
        setzeTextId(gruppe, 353);
        setzeTextId(seiten, 620);
        setzeTextId(liste, 798);
        setzeTextId(aktion, 8);
        radioOhneId->setTitle(QStringLiteral("bleibt"));
        radioOhneId->setEintraege({QStringLiteral("a"), QStringLiteral("b")});
    }
};

} // namespace

class TestBeschriftung : public QObject {
    Q_OBJECT
private slots:
    void relabelsAWindowAndSwitchesBack();
    void radioGroupKeepsItsChoiceWhenItemsChange();
    void paletteGridAndHeading();
    void workingWindowInMdiAreaGetsItsTitle();
};

void TestBeschriftung::relabelsAWindowAndSwitchesBack()
{
    AppState s;
    s.Schalter.LinienProMonat = 2;
    s.Rechenmodus = 1;
    Beispiel b;
    Tabellenfenster tabellen;

    beschrifteAlles(s, s.StringIdBasis);
    b.radio->setItemIndex(1);
    QCOMPARE(b.fenster.windowTitle(), QStringLiteral("Auswahl Sonnenuhrtyp"));
    QCOMPARE(b.label->text(), QStringLiteral("Geogr. Breite")); // no buddy: accelerator mark gone
    QCOMPARE(b.knopf->text(), QStringLiteral(" S&chließen"));
    QCOMPARE(b.aktion->text(), QStringLiteral(" Abbru&ch"));
    QCOMPARE(b.auswahl->count(), 3);
    QCOMPARE(b.auswahl->currentIndex(), 1);
    QCOMPARE(b.auswahl->itemText(0), QStringLiteral(" 1 pro Monat"));
    QCOMPARE(b.radio->title(), QString());
    QCOMPARE(b.radio->eintraege(), (QStringList{QStringLiteral(" &Nord"), QStringLiteral(" &Süd")}));
    QCOMPARE(b.gruppe->title(), QStringLiteral(" Zylindrische Sonnenuhren"));
    QCOMPARE(b.fenster.findChild<QLabel*>(QStringLiteral("tief"))->text(),
             QStringLiteral("Die Berechnungen gelten für Jahre von 1300 bis 2500 n. Chr."));
    QCOMPARE(b.seiten->tabText(0), QStringLiteral("horizontale/vertikale/inklinierende Uhr"));
    QCOMPARE(b.seiten->tabText(1), QStringLiteral("Schirmsonnenuhr"));
    QCOMPARE(tabellen.aufrufe, 1);
    QCOMPARE(b.liste->item(0)->text(), QStringLiteral("Zeile"));
    QCOMPARE(b.ohneId->text(), QStringLiteral("unverändert"));
    QCOMPARE(b.radioOhneId->title(), QStringLiteral("bleibt"));

    setzeSprache(s, false);
    beschrifteAlles(s, s.StringIdBasis);
    QCOMPARE(b.fenster.windowTitle(), QStringLiteral("Type of Sundial"));
    QCOMPARE(b.label->text(), QStringLiteral("Latitude     "));
    QCOMPARE(b.knopf->text(), QStringLiteral("  &Close"));
    QCOMPARE(b.aktion->text(), QStringLiteral(" &Cancel"));
    QCOMPARE(b.auswahl->itemText(0), QStringLiteral(" 1 per month"));
    QCOMPARE(b.auswahl->currentIndex(), 1);
    QCOMPARE(b.radio->eintraege(), (QStringList{QStringLiteral(" &North"), QStringLiteral(" S&outh")}));
    QCOMPARE(b.radio->itemIndex(), 1);
    QCOMPARE(b.gruppe->title(), QStringLiteral(" Cylindrical Sundials"));
    QCOMPARE(b.seiten->tabText(1), QStringLiteral("\"Umbrella\"-dial"));
    QCOMPARE(b.liste->item(0)->text(), QStringLiteral("line"));
    QCOMPARE(b.ohneId->text(), QStringLiteral("unverändert"));
    QCOMPARE(b.radioOhneId->eintraege(), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));

    setzeSprache(s, true);
    beschrifteAlles(s, s.StringIdBasis);
    QCOMPARE(b.fenster.windowTitle(), QStringLiteral("Auswahl Sonnenuhrtyp"));
    QCOMPARE(b.knopf->text(), QStringLiteral(" S&chließen"));
    QCOMPARE(b.radio->eintraege().first(), QStringLiteral(" &Nord"));
    QCOMPARE(tabellen.aufrufe, 3);
}

void TestBeschriftung::radioGroupKeepsItsChoiceWhenItemsChange()
{
    RadioGruppe g;
    QSignalSpy gewaehlt(&g, &RadioGruppe::itemGewaehlt);
    g.setEintraege({"a", "b", "c"});
    QCOMPARE(g.itemIndex(), -1);
    g.setItemIndex(2);
    g.setEintraege({"x", "y"});
    QCOMPARE(g.anzahl(), 2);
    QCOMPARE(g.itemIndex(), 1);
    g.setItemIndex(-1);
    QCOMPARE(g.itemIndex(), -1);
    QCOMPARE(gewaehlt.count(), 0);

    // The dial-type list: thirteen items in the current language after a relabel.
    AppState s;
    setzeSprache(s, false);
    setzeTextId(&g, 53);
    beschrifteKomponente(&g, s, s.StringIdBasis);
    QCOMPARE(g.anzahl(), 13);
    QCOMPARE(g.eintraege().at(11), QStringLiteral("  Sa&wyer-Decliner"));
    QCOMPARE(g.title(), QStringLiteral(" Type of Sundial "));
}

void TestBeschriftung::paletteGridAndHeading()
{
    AppState s;
    s.UhrTyp = 'a';
    s.TypBasis = 24;
    QWidget palette;
    auto* ueberschrift = new QLabel(&palette);
    ueberschrift->setObjectName(QStringLiteral("LabGrid"));
    auto* raster = new QTableWidget(12, 4, &palette);
    setzeTextId(raster, 1);
    beschrifteFenster(&palette, s, 0);
    QCOMPARE(raster->item(0, 2)->text(), QStringLiteral(" 1"));
    QCOMPARE(raster->item(0, 3)->text(), QStringLiteral("= Babylon. Stunden (voll)"));
    QCOMPARE(ueberschrift->text(), QStringLiteral(" Farben für Azimutalsonnenuhr:"));
}

void TestBeschriftung::workingWindowInMdiAreaGetsItsTitle()
{
    AppState s;
    s.Rechenmodus = 2;
    QMdiArea bereich;
    auto* rechner = new QWidget;
    setzeTextId(rechner, 800);
    QMdiSubWindow* rahmen = bereich.addSubWindow(rechner);
    beschrifteAlles(s, 0);
    QCOMPARE(rechner->windowTitle(), QStringLiteral("Sonnenstand berechnen"));
    QCOMPARE(rahmen->windowTitle(), QStringLiteral("Sonnenstand berechnen"));
}

QTEST_MAIN(TestBeschriftung)
#include "tst_beschriftung.moc"
