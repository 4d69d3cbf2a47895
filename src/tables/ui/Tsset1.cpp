#include "tables/ui/Tsset1.h"

#include "core/Sprachdienst.h"
#include "core/Textumformung.h"
#include "core/Zahlenformat.h"
#include "core/ui/RadioGruppe.h"
#include "tables/Rechenpruefung.h"
#include "tables/ui/Rechenfenstertexte.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace umbrin {
namespace {

QString q(const std::string& t) { return QString::fromStdString(t); }

QString knapp(const std::string& t) { return QString::fromStdString(t).trimmed(); }

QLabel* neuesLabel(QWidget* eltern, const char* name)
{
    auto* l = new QLabel(eltern);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

// A label that shows a result.
QLabel* ergebnisLabel(QWidget* eltern, const char* name)
{
    QLabel* l = neuesLabel(eltern, name);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("immer sichtbar hh:min")));
    l->setMinimumHeight(l->fontMetrics().height() + 6);
    return l;
}

QLineEdit* neuesFeld(QWidget* eltern, const char* name, int zeichen)
{
    auto* f = new QLineEdit(eltern);
    f->setObjectName(QString::fromLatin1(name));
    f->setAlignment(Qt::AlignRight);
    f->setMaximumWidth(f->fontMetrics().horizontalAdvance(QString(zeichen + 3, QLatin1Char('0'))));
    return f;
}

QPushButton* neuerKnopf(QWidget* eltern, const char* name)
{
    auto* k = new QPushButton(eltern);
    k->setObjectName(QString::fromLatin1(name));
    k->setAutoDefault(false);
    return k;
}

} // namespace

Tsset1::Tsset1(AppState& s, UserPrompt& frage, std::vector<std::string>& ergebnisZeilen, int& tag, int& monat,
               RechenfensterDienste dienste, QWidget* eltern)
    : QWidget(eltern)
    , s_(s)
    , frage_(frage)
    , ergebnis_(ergebnisZeilen)
    , tag_(tag)
    , monat_(monat)
    , dienste_(std::move(dienste))
{
    setObjectName(QStringLiteral("sset1"));
    baue();
    bauePopup();
    anpassen();
    FormCreate();
    beschrifte();
}

Tsset1::~Tsset1() = default;

void Tsset1::baue()
{
    auto* haupt = new QVBoxLayout(this);
    auto* oben = new QHBoxLayout;
    haupt->addLayout(oben);
    oben->addWidget(baueEingaben());

    auto* knoepfe = new QVBoxLayout;
    oben->addLayout(knoepfe);
    oben->addStretch(1);
    Button1_ = neuerKnopf(this, "Button1");
    Button3_ = neuerKnopf(this, "Button3");
    Button4_ = neuerKnopf(this, "Button4");
    bBtnAziHoch_ = neuerKnopf(this, "bBtnAziHoch");
    BitBtnPrtT_ = neuerKnopf(this, "BitBtnPrtT");
    Button2_ = neuerKnopf(this, "Button2");
    for (QPushButton* k : {Button1_, Button3_, Button4_, bBtnAziHoch_, BitBtnPrtT_, Button2_})
        knoepfe->addWidget(k);
    knoepfe->addStretch(1);
    connect(Button1_, &QPushButton::clicked, this, [this] { Button3Click(false); });
    connect(Button3_, &QPushButton::clicked, this, [this] { Button3Click(true); });
    connect(Button4_, &QPushButton::clicked, this, [this] { GraphZeitgleichungClick(false); });
    connect(bBtnAziHoch_, &QPushButton::clicked, this, [this] { GraphZeitgleichungClick(true); });
    connect(BitBtnPrtT_, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(Button2_, &QPushButton::clicked, this, [this] { Button2Click(); });

    haupt->addWidget(bauePanelRise());
    haupt->addWidget(bauePanelpos());
    haupt->addWidget(bauePanelZeit());
    haupt->addWidget(bauePanelEoT());
    haupt->addStretch(1);
}

int Tsset1::hilfeKontext() const
{
    const int m = s_.Rechenmodus;
    return m == 1 ? 28 : m == 2 ? 29 : m == 4 ? 49 : 30;
}

QWidget* Tsset1::baueEingaben()
{
    auto* gruppe = new QGroupBox(this);
    gruppe->setObjectName(QStringLiteral("GroupEingaben"));
    auto* raster = new QGridLayout(gruppe);
    edJahr_ = neuesFeld(gruppe, "edJahr", 4);
    edMonat_ = neuesFeld(gruppe, "edMonat", 2);
    edTag_ = neuesFeld(gruppe, "edTag", 2);
    edLatitude_ = neuesFeld(gruppe, "edLatitude", 11);
    edLongitude_ = neuesFeld(gruppe, "edLongitude", 13);
    edZone_ = neuesFeld(gruppe, "edZone", 7);
    const struct {
        const char* label;
        QLineEdit* feld;
        const char* hinweis;
    } zeilen[] = {{"LabelJahr", edJahr_, nullptr},           {"LabelMonat", edMonat_, nullptr},
                  {"LabelTag", edTag_, nullptr},             {"LabelLatitude", edLatitude_, "HinweisBreite"},
                  {"LabelLongitude", edLongitude_, "HinweisLaenge"}, {"LabelZone", edZone_, nullptr}};
    int r = 0;
    for (const auto& z : zeilen) {
        QLabel* l = neuesLabel(gruppe, z.label);
        l->setBuddy(z.feld);
        if (z.feld == edLatitude_)
            labelLatitude_ = l;
        raster->addWidget(l, r, 0);
        raster->addWidget(z.feld, r, 1);
        if (z.hinweis)
            raster->addWidget(neuesLabel(gruppe, z.hinweis), r, 2);
        z.feld->installEventFilter(this);
        ++r;
    }
    return gruppe;
}

QWidget* Tsset1::bauePanelRise()
{
    panelRise_ = new QGroupBox(this);
    panelRise_->setObjectName(QStringLiteral("PanelRise"));
    auto* raster = new QGridLayout(panelRise_);
    raster->addWidget(neuesLabel(panelRise_, "LabelAufgang"), 0, 1);
    raster->addWidget(neuesLabel(panelRise_, "LabelUntergang"), 0, 2);
    raster->addWidget(neuesLabel(panelRise_, "LabelAnfang"), 0, 3);
    raster->addWidget(neuesLabel(panelRise_, "LabelEnde"), 0, 4);
    raster->addWidget(neuesLabel(panelRise_, "LabelSonne"), 1, 0);
    raster->addWidget(neuesLabel(panelRise_, "LabelDaemmerung"), 2, 0);
    raster->addWidget(neuesLabel(panelRise_, "LabelMond"), 3, 0);
    lAufgang_ = ergebnisLabel(panelRise_, "lAufgang");
    lUntergang_ = ergebnisLabel(panelRise_, "lUntergang");
    lAnfang_ = ergebnisLabel(panelRise_, "lAnfang");
    lEnde_ = ergebnisLabel(panelRise_, "lEnde");
    lMondauf_ = ergebnisLabel(panelRise_, "lMondauf");
    lmondunter_ = ergebnisLabel(panelRise_, "lmondunter");
    raster->addWidget(lAufgang_, 1, 1);
    raster->addWidget(lUntergang_, 1, 2);
    raster->addWidget(lAnfang_, 2, 3);
    raster->addWidget(lEnde_, 2, 4);
    raster->addWidget(lMondauf_, 3, 1);
    raster->addWidget(lmondunter_, 3, 2);
    raster->addWidget(neuesLabel(panelRise_, "LabelRiseDekl"), 4, 0);
    lDeklination_ = ergebnisLabel(panelRise_, "lDeklination");
    raster->addWidget(lDeklination_, 4, 1);
    raster->addWidget(neuesLabel(panelRise_, "LabelRiseEot"), 4, 2);
    lZtglg_ = ergebnisLabel(panelRise_, "lZtglg");
    raster->addWidget(lZtglg_, 4, 3);
    raster->addWidget(neuesLabel(panelRise_, "HinweisZonenzeit"), 5, 0, 1, 5);
    raster->addWidget(neuesLabel(panelRise_, "HinweisVorgehen"), 6, 0, 1, 5);
    RGDawn2_ = new RadioGruppe(panelRise_);
    RGDawn2_->setObjectName(QStringLiteral("RGDawn2"));
    RGDawn2_->setEintraege({QString(), QString(), QString()});
    raster->addWidget(RGDawn2_, 0, 5, 4, 1);
    connect(RGDawn2_, &RadioGruppe::itemGewaehlt, this, [this](int art) { RGDawn2Click(art); });
    return panelRise_;
}

QWidget* Tsset1::bauePanelpos()
{
    panelpos_ = new QGroupBox(this);
    panelpos_->setObjectName(QStringLiteral("Panelpos"));
    auto* raster = new QGridLayout(panelpos_);
    QLabel* frage = neuesLabel(panelpos_, "LabelPosFrage");
    Uhrzeit_ = neuesFeld(panelpos_, "Uhrzeit", 8);
    frage->setBuddy(Uhrzeit_);
    Uhrzeit_->installEventFilter(this);
    raster->addWidget(frage, 0, 0, 1, 3);
    raster->addWidget(Uhrzeit_, 0, 3);
    rgZeitart_ = new RadioGruppe(panelpos_);
    rgZeitart_->setObjectName(QStringLiteral("rgZeitart"));
    rgZeitart_->setEintraege({QString(), QString(), QString()});
    rgZeitart_->setItemIndex(2);
    raster->addWidget(rgZeitart_, 1, 0, 4, 1);
    connect(rgZeitart_, &RadioGruppe::itemGewaehlt, this, [this](int) { Button3Click(false); });
    raster->addWidget(neuesLabel(panelpos_, "LabelKoordinaten"), 1, 1, 1, 2);
    const struct {
        const char* label;
        const char* wert;
        QLabel** ziel;
    } werte[] = {{"LabelPosHoehe", "p2Hoehe", &p2Hoehe_},
                 {"LabelPosAzi", "p2Azi", &p2Azi_},
                 {"LabelPosEot", "p2Eot", &p2Eot_},
                 {"LabelPosDekl", "p2Dekl", &p2Dekl_}};
    int r = 2;
    for (const auto& w : werte) {
        raster->addWidget(neuesLabel(panelpos_, w.label), r, 1);
        *w.ziel = ergebnisLabel(panelpos_, w.wert);
        raster->addWidget(*w.ziel, r, 2);
        ++r;
    }
    return panelpos_;
}

QWidget* Tsset1::bauePanelZeit()
{
    panelZeit_ = new QGroupBox(this);
    panelZeit_->setObjectName(QStringLiteral("PanelZeit"));
    auto* raster = new QGridLayout(panelZeit_);
    QLabel* frage = neuesLabel(panelZeit_, "LabelAziFrage");
    p3Azi_ = neuesFeld(panelZeit_, "p3Azi", 7);
    frage->setBuddy(p3Azi_);
    p3Azi_->installEventFilter(this);
    raster->addWidget(frage, 0, 0);
    raster->addWidget(p3Azi_, 0, 1);
    raster->addWidget(neuesLabel(panelZeit_, "LabelAziSkala"), 1, 0, 1, 2);
    raster->addWidget(neuesLabel(panelZeit_, "LabelAziZeit"), 2, 0);
    p3Zeit_ = ergebnisLabel(panelZeit_, "p3Zeit");
    raster->addWidget(p3Zeit_, 2, 1);
    raster->addWidget(neuesLabel(panelZeit_, "LabelAziHoehe"), 3, 0);
    p3Hoehe_ = ergebnisLabel(panelZeit_, "p3Hoehe");
    raster->addWidget(p3Hoehe_, 3, 1);
    return panelZeit_;
}

QWidget* Tsset1::bauePanelEoT()
{
    panelEoT_ = new QGroupBox(this);
    panelEoT_->setObjectName(QStringLiteral("panelEoT"));
    auto* raster = new QGridLayout(panelEoT_);
    raster->addWidget(neuesLabel(panelEoT_, "LabelEoTDekl"), 0, 0);
    lEoTDekl_ = ergebnisLabel(panelEoT_, "lEoTDekl");
    raster->addWidget(lEoTDekl_, 0, 1);
    raster->addWidget(neuesLabel(panelEoT_, "LabelEoTEot"), 1, 0);
    lEoTEot_ = ergebnisLabel(panelEoT_, "lEoTEot");
    raster->addWidget(lEoTEot_, 1, 1);
    raster->addWidget(neuesLabel(panelEoT_, "HinweisMittag"), 2, 0, 1, 2);
    raster->addWidget(neuesLabel(panelEoT_, "HinweisVorgehen"), 3, 0, 1, 2);
    return panelEoT_;
}

void Tsset1::bauePopup()
{
    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("PopupRechne1"));
    auto punkt = [this](QMenu* menue, const char* name, auto&& handler) {
        QAction* a = menue->addAction(QString());
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    punkt(popup_, "Berechnungstarten1", [this] { Button3Click(false); });
    druckenMit_ = punkt(popup_, "Druckenmit1", [this] { Druckenmit1Click(true); });
    druckenOhne_ = punkt(popup_, "Druckenohne1", [this] { Druckenmit1Click(false); });
    druckSeite_ = punkt(popup_, "DruckenLfeed1", [this] { DruckenLfeed1Click(); });
    popup_->addSeparator();
    weitereTabellen_ = popup_->addMenu(QString());
    weitereTabellen_->setObjectName(QStringLiteral("WeitereTabellen1"));
    const char* tabellen[] = {"TabelleAufUntergang1", "TabelleZeitgleichung1", "TabelleDeklination1",
                              "TabelleMeridian1"};
    for (int i = 0; i < 4; ++i)
        punkt(weitereTabellen_, tabellen[i], [this, i] { tabelleErstellen(i); });
    grafikAktionen_.push_back(punkt(popup_, "Polar1", [this] { GraphZeitgleichungClick(true); }));
    grafikAktionen_.push_back(punkt(popup_, "GraphZeitgleichung1", [this] { GraphZeitgleichungClick(false); }));
    popup_->addSeparator();
    punkt(popup_, "Startspeichern1", [this] {
        if (dienste_.einstellungenSpeichern)
            dienste_.einstellungenSpeichern();
    });
    punkt(popup_, "Sonnenuhrdatenladen1", [this] {
        if (dienste_.datenLaden)
            dienste_.datenLaden();
    });
    popup_->addSeparator();
    punkt(popup_, "Schliessen1", [this] { Button2Click(); });
}

void Tsset1::beschrifte()
{
    const int spalte = s_.Sprachspalte;
    setWindowTitle(rechenfensterText(objectName(), spalte));
    for (QLabel* l : findChildren<QLabel*>()) {
        const QString t = rechenfensterText(l->objectName(), spalte);
        if (!t.isNull())
            l->setText(t);
    }
    for (QGroupBox* g : findChildren<QGroupBox*>()) {
        const QString t = rechenfensterText(g->objectName(), spalte);
        if (!t.isNull())
            g->setTitle(t);
    }
    for (QPushButton* k : findChildren<QPushButton*>()) {
        const QString t = rechenfensterText(k->objectName(), spalte);
        if (!t.isNull())
            k->setText(t);
    }
    const bool jahrestabellen = s_.Rechenmodus >= 8;
    Button3_->setText(rechenfensterText(jahrestabellen ? QStringLiteral("Button3Jahr") : QStringLiteral("Button3Tabelle"),
                                        spalte));
    for (QAction* a : popup_->actions()) {
        const QString t = rechenfensterText(a->objectName(), spalte);
        if (!t.isNull())
            a->setText(t);
    }
    for (QAction* a : weitereTabellen_->actions())
        a->setText(rechenfensterText(a->objectName(), spalte));
    weitereTabellen_->setTitle(rechenfensterText(weitereTabellen_->objectName(), spalte));
    const bool de = spalte != 2;
    RGDawn2_->setEintraege(de ? QStringList{QStringLiteral("bürgerlich "), QStringLiteral("nautisch "),
                                            QStringLiteral("astronomisch ")}
                              : QStringList{QStringLiteral("civil "), QStringLiteral("nautical "),
                                            QStringLiteral("astronomical ")});
    rgZeitart_->setEintraege({rechenfensterText(QStringLiteral("rgZeitart0"), spalte),
                              rechenfensterText(QStringLiteral("rgZeitart1"), spalte),
                              rechenfensterText(QStringLiteral("rgZeitart2"), spalte)});
}

void Tsset1::aktualisiereSprache(AppState&)
{
    beschrifte();
}

void Tsset1::anpassen()
{
    if (!s_.FensterNormal)
        setWindowState(windowState() | Qt::WindowMaximized);
    if (dienste_.druckMenue)
        dienste_.druckMenue(false);
    {
        const QSignalBlocker sperre(RGDawn2_);
        RGDawn2_->setItemIndex(s_.Schalter.Daemmerung <= 2 ? s_.Schalter.Daemmerung : 0);
    }
    bBtnAziHoch_->setVisible(s_.Rechenmodus == 2);
}

void Tsset1::FormCreate()
{
    s_.Zonenbruchteil = -s_.Par.Zonenmeridian / 360.0;
    for (QLineEdit* feld : {edLongitude_, edLatitude_, edJahr_, edZone_, edMonat_, edTag_})
        zeigeFeldwert(feld);

    for (QWidget* p : {panelRise_, panelpos_, panelZeit_, panelEoT_, static_cast<QWidget*>(BitBtnPrtT_)})
        p->hide();
    const int modus = s_.Rechenmodus;
    const bool tabellenfenster = static_cast<bool>(dienste_.tabellenfenster);
    weitereTabellen_->menuAction()->setVisible(modus == 2 || modus == 4);
    weitereTabellen_->setEnabled(tabellenfenster);
    for (QAction* a : grafikAktionen_)
        a->setEnabled(tabellenfenster);
    Button4_->setEnabled(tabellenfenster);
    bBtnAziHoch_->setEnabled(tabellenfenster);
    switch (modus) {
    case 1:
        panelRise_->show();
        {
            const QSignalBlocker sperre(RGDawn2_);
            RGDawn2_->setItemIndex(s_.Schalter.Daemmerung <= 2 ? s_.Schalter.Daemmerung : 0);
        }
        Button3_->setVisible(true);
        Button3_->setEnabled(tabellenfenster);
        break;
    case 2:
        panelpos_->show();
        Uhrzeit_->setText(q(Uhrzeittext(s_.ZeitEingabe)));
        Button3_->setVisible(false);
        Button3_->setEnabled(false);
        break;
    case 4:
        panelZeit_->show();
        zeigeFeldwert(p3Azi_);
        Button3_->setVisible(false);
        Button3_->setEnabled(false);
        break;
    default:
        panelEoT_->show();
        BitBtnPrtT_->show();
        Button3_->setVisible(true);
        Button3_->setEnabled(tabellenfenster);
        break;
    }
    for (QAction* a : {druckenMit_, druckenOhne_, druckSeite_})
        a->setEnabled(false);
}

void Tsset1::contextMenuEvent(QContextMenuEvent* ereignis)
{
    popup_->exec(ereignis->globalPos());
}

std::string Tsset1::ohneAmpersand(const QLabel* label) const
{
    return knapp(OhneAmpersand(label->text().toStdString())).toStdString();
}

} // namespace umbrin
