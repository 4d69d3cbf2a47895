// The parameter dialog's hour lines, extra lines and own date lines. Many controls exist on
// several pages (the Babylonian check box on five of them); every copy edits one option of
// Schalter or one member of Zeiten, and each handler brings all copies into step.
#include "core/Datumstext.h"
#include "core/Sprachdienst.h"
#include "core/ui/RadioGruppe.h"
#include "dialogs/DialogDatumsliste.h"
#include "dialogs/Datumsliniendatei.h"
#include "dialogs/ui/ParameterDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <array>

namespace umbrin {

namespace {

QString q(const std::string& t) { return QString::fromStdString(t); }

// A family of check boxes that edit one option byte.
struct Familie {
    std::uint8_t TSchalter::*option;
    std::vector<const char*> kopien;
};

const std::vector<Familie>& familien()
{
    static const std::vector<Familie> liste = {
        {&TSchalter::BisFusspunkt, {"ChB1"}},
        {&TSchalter::OhneZeitgl, {"ChB3", "chB3S", "chbOrtZ"}},
        {&TSchalter::MitZeitgl, {"ChBmitZg", "chBmitZgS"}},
        {&TSchalter::Analemma, {"ChB4", "chB4S", "chB4Az"}},
        {&TSchalter::Babylonisch, {"ChB5", "chB5S", "ChB5a", "chB5z", "ChB5r"}},
        {&TSchalter::Italienisch, {"ChB6", "chB6S", "ChB6a", "ChB6z", "ChB6r"}},
        {&TSchalter::Sonnenhoehe, {"ChB7", "chB7S", "ChBZ2"}},
        {&TSchalter::Temporalstunden, {"chb8", "chb8S", "ChB8a", "Chb8z"}},
        {&TSchalter::MitZeitglAzimut, {"ChBQ2", "ChBA2", "ChBACo"}},
        {&TSchalter::MitZeitglZylinder, {"ChBZ1", "hCHBZ1", "ChbZ3"}},
        {&TSchalter::QuadrantGespiegelt, {"ChbQ1"}},
        {&TSchalter::Ganzjaehrig, {"chBQganzjr", "chBRganzjr"}},
        {&TSchalter::Poldreieck, {"ChBPolDr"}},
        {&TSchalter::GanzeTageslaenge, {"chBganz", "chBganz2", "chBganz3"}},
        {&TSchalter::TemporalVerlaengern, {"ChBtemp", "chbStemp"}},
        {&TSchalter::HidokaiVertikal, {"hChBZ2"}},
        {&TSchalter::Azimutlinien, {"ChBAz"}},
        {&TSchalter::Ekliptik, {"ChBEclip"}},
        {&TSchalter::ZwoelfUhrHorizontal, {"chB12all"}},
        {&TSchalter::Position2Vertikal, {"ChbV2"}},
    };
    return liste;
}

const Familie* familieVon(const QString& name)
{
    for (const Familie& f : familien())
        for (const char* k : f.kopien)
            if (name == QLatin1String(k))
                return &f;
    return nullptr;
}

enum class Liste { Stunden24, Stunden12, Uhr, Hoehe };

// A family of combos that choose one hour value of Zeiten.
struct ZeitFamilie {
    std::int32_t TZeiten::*wert;
    bool hoehe; // item i stands for (i + 1) * 10 degrees
    std::vector<std::pair<const char*, Liste>> kopien;
};

const std::vector<ZeitFamilie>& zeitFamilien()
{
    static const std::vector<ZeitFamilie> liste = {
        {&TZeiten::EotVon, false, {{"ComboAnf", Liste::Uhr}, {"cSoAnf", Liste::Stunden24}}},
        {&TZeiten::EotBis, false, {{"ComboEnd", Liste::Uhr}, {"cSoEnd", Liste::Stunden24}}},
        {&TZeiten::StundeVon,
         false,
         {{"CEotAnf", Liste::Uhr}, {"cEotAnfS", Liste::Stunden24}, {"cAzEotAnf", Liste::Stunden24}, {"cEotAnf2", Liste::Uhr}}},
        {&TZeiten::StundeBis,
         false,
         {{"CEotEnd", Liste::Uhr}, {"cEoTEndS", Liste::Stunden24}, {"cAzEotEnd", Liste::Stunden24}, {"cEotEnd2", Liste::Uhr}}},
        {&TZeiten::QuadVon,
         false,
         {{"CEdAnf", Liste::Uhr},
          {"cAAnf", Liste::Uhr},
          {"cAcoAnf", Liste::Stunden24},
          {"cAcoAnfb", Liste::Stunden24},
          {"CQAnf", Liste::Uhr},
          {"hCEdAnf", Liste::Uhr},
          {"CEdRvon", Liste::Uhr}}},
        {&TZeiten::QuadBis,
         false,
         {{"CEdEnd", Liste::Uhr},
          {"cAEnd", Liste::Uhr},
          {"CaCoEnd", Liste::Stunden24},
          {"CaCoEndb", Liste::Stunden24},
          {"CQend", Liste::Uhr},
          {"hCEdEnd", Liste::Uhr},
          {"cEdRBis", Liste::Uhr}}},
        {&TZeiten::QuadTempVon,
         false,
         {{"cQtAnf", Liste::Stunden12},
          {"cTeAnf3", Liste::Stunden12},
          {"hcEdtAnf", Liste::Stunden12},
          {"cRtAnf", Liste::Stunden12},
          {"cAtAnf", Liste::Stunden12}}},
        {&TZeiten::QuadTempBis,
         false,
         {{"cQtEnd", Liste::Stunden12},
          {"cTeEnd3", Liste::Stunden12},
          {"hcEdtEnd", Liste::Stunden12},
          {"cRtEnd", Liste::Stunden12},
          {"cAtEnd", Liste::Stunden12}}},
        {&TZeiten::BabVon,
         false,
         {{"cBaAnf", Liste::Stunden24}, {"cBAAnfS", Liste::Stunden24}, {"cBaAnf2", Liste::Stunden24}, {"cBaAnf3", Liste::Stunden24}}},
        {&TZeiten::BabBis,
         false,
         {{"CBaEnd", Liste::Stunden24}, {"cBaEndS", Liste::Stunden24}, {"cBaEnd2", Liste::Stunden24}, {"cBaEnd3", Liste::Stunden24}}},
        {&TZeiten::ItalVon,
         false,
         {{"CItAnf", Liste::Stunden24}, {"cItAnfS", Liste::Stunden24}, {"CItAnf2", Liste::Stunden24}, {"cItAnf3", Liste::Stunden24}}},
        {&TZeiten::ItalBis,
         false,
         {{"CItEnd", Liste::Stunden24}, {"cItEndS", Liste::Stunden24}, {"CItEnd2", Liste::Stunden24}, {"cItEnd3", Liste::Stunden24}}},
        {&TZeiten::TempVon, false, {{"CTeAnf", Liste::Stunden12}, {"CTeAnfS", Liste::Stunden12}}},
        {&TZeiten::TempBis, false, {{"CTeEnd", Liste::Stunden12}, {"CTeEndS", Liste::Stunden12}}},
        {&TZeiten::HoeheVon, true, {{"CHoAnf", Liste::Hoehe}, {"CHoAnfS", Liste::Hoehe}}},
        {&TZeiten::HoeheBis, true, {{"ChoEnd", Liste::Hoehe}, {"cHoEndS", Liste::Hoehe}}},
    };
    return liste;
}

enum class IntervallListe { Stunden, Temporal, Hoehe };

// A family of combos that choose one interval code.
struct IntervallFamilie {
    int art; // 0 StundenIntervall, 1 StundenIntervallSonst, 2 EotIntervall, 3..6 Intervalle[0..3],
             // 7 TemporalIntervall
    IntervallListe liste;
    std::vector<const char*> kopien;
};

const std::vector<IntervallFamilie>& intervallFamilien()
{
    static const std::vector<IntervallFamilie> liste = {
        {0, IntervallListe::Stunden, {"ComboStund", "cSoStund"}},
        {1,
         IntervallListe::Stunden,
         {"CStund", "hCStund", "cAStund", "CaCoStund", "CaCoStundb", "cQStund", "cRInt", "cSint", "cPint"}},
        {2, IntervallListe::Stunden, {"CEotStund", "cEotInt2", "cEoTStundS"}},
        {3, IntervallListe::Stunden, {"cBaInt", "cBaIntS", "cBaInt2", "cBaInt3"}},
        {4, IntervallListe::Stunden, {"cItInt", "cItIntS", "cItInt2", "cItInt3"}},
        {5, IntervallListe::Temporal, {"cTeInt", "cTeIntS"}},
        {6, IntervallListe::Hoehe, {"choInt", "cHoIntS"}},
        {7, IntervallListe::Temporal, {"cQtStund", "cTeInt3", "hctStund", "cRtInt", "cAtStund"}},
    };
    return liste;
}

int intervallIndex(const TSchalter& sch, int art)
{
    switch (art) {
    case 0:
        return IntervallCodeIndex(sch.StundenIntervall);
    case 1:
        return IntervallCodeIndex(sch.StundenIntervallSonst);
    case 2:
        return IntervallCodeIndex(sch.EotIntervall);
    case 3:
    case 4:
    case 5:
    case 6:
        return sch.Intervalle[static_cast<std::size_t>(art - 3)];
    default:
        return sch.TemporalIntervall;
    }
}

void setzeIntervall(TSchalter& sch, int art, int item)
{
    const char code = static_cast<char>('0' + item);
    switch (art) {
    case 0:
        sch.StundenIntervall = code;
        break;
    case 1:
        sch.StundenIntervallSonst = code;
        break;
    case 2:
        sch.EotIntervall = item == 4 ? '6' : code; // the 10-minute interval of the mean-time lines
        break;
    case 3:
    case 4:
    case 5:
    case 6:
        sch.Intervalle[static_cast<std::size_t>(art - 3)] = static_cast<std::uint8_t>(item);
        break;
    default:
        sch.TemporalIntervall = static_cast<std::uint8_t>(item);
        break;
    }
}

const char* const datumsModusCombos[] = {"cLinZl", "cLinZl2", "cLinZlS", "cLinZlH"};

void setzeAuswahl(QComboBox* c, int index)
{
    if (!c)
        return;
    const QSignalBlocker sperre(c);
    c->setCurrentIndex(index < 0 ? 0 : index < c->count() ? index : c->count() - 1);
}

} // namespace

// The hour combos' items in the current language, the choices kept.
void ParameterDialog::beschrifteStunden()
{
    const std::vector<std::string> uhr = StundenBeschriftungen(s_.Sprachspalte != 2);
    for (const ZeitFamilie& f : zeitFamilien())
        for (const auto& [name, art] : f.kopien)
            if (QComboBox* c = co(name); c && art == Liste::Uhr)
                for (int i = 0; i < c->count() && i < static_cast<int>(uhr.size()); ++i)
                    c->setItemText(i, q(uhr[static_cast<std::size_t>(i)]));
}

void ParameterDialog::fuelleListen()
{
    auto liste = [](const std::vector<std::string>& v) {
        QStringList l;
        for (const auto& e : v)
            l << q(e);
        return l;
    };
    QStringList hoehe;
    for (int i = 1; i <= 9; ++i)
        hoehe << QStringLiteral("%1 °").arg(i * 10);
    const QStringList uhr = liste(StundenBeschriftungen(s_.Sprachspalte != 2));
    const QStringList s24 = liste(s_.Stunden24);
    const QStringList s12 = liste(s_.Stunden12);
    for (const ZeitFamilie& f : zeitFamilien())
        for (const auto& [name, art] : f.kopien)
            if (QComboBox* c = co(name)) {
                const QSignalBlocker sperre(c);
                c->clear();
                c->addItems(art == Liste::Uhr ? uhr : art == Liste::Stunden24 ? s24 : art == Liste::Stunden12 ? s12 : hoehe);
            }
    const QStringList stunden = liste(StundenIntervalle());
    const QStringList temporal = liste(TemporalIntervalle());
    const QStringList hoehen = liste(HoehenIntervalle());
    for (const IntervallFamilie& f : intervallFamilien())
        for (const char* name : f.kopien)
            if (QComboBox* c = co(name)) {
                const QSignalBlocker sperre(c);
                c->clear();
                c->addItems(f.liste == IntervallListe::Stunden    ? stunden
                            : f.liste == IntervallListe::Temporal ? temporal
                                                                  : hoehen);
            }
    const QStringList marken = {QStringLiteral("(  1.  )"), QStringLiteral("( 1.,  15. )"),
                                QStringLiteral("( 7.,  22. )"), QStringLiteral("( 1., 11., 21. )"),
                                QStringLiteral("( 1., 8., 15., 22. )")};
    for (const char* name : {"cMarkier", "cMarkierS"}) {
        const QSignalBlocker sperre(co(name));
        co(name)->clear();
        co(name)->addItems(marken);
    }
}

void ParameterDialog::verbindeLinien()
{
    for (const Familie& f : familien())
        for (const char* name : f.kopien)
            if (QCheckBox* c = cb(name))
                connect(c, &QCheckBox::clicked, this, [this, n = QString::fromLatin1(name)] { familieGeklickt(n); });
    for (const ZeitFamilie& f : zeitFamilien())
        for (const auto& kopie : f.kopien)
            if (QComboBox* c = co(kopie.first))
                connect(c, &QComboBox::activated, this,
                        [this, n = QString::fromLatin1(kopie.first)](int i) { zeitGewaehlt(n, i); });
    for (const IntervallFamilie& f : intervallFamilien())
        for (const char* name : f.kopien)
            if (QComboBox* c = co(name))
                connect(c, &QComboBox::activated, this,
                        [this, n = QString::fromLatin1(name)](int i) { intervallGewaehlt(n, i); });
    connect(co("cDatLin"), &QComboBox::activated, this,
            [this](int i) { s_.Schalter.LinienProMonat = static_cast<std::uint8_t>(i + 1); });
    for (const char* name : {"cMarkier", "cMarkierS"})
        connect(co(name), &QComboBox::activated, this, [this](int i) {
            s_.Schalter.AnalemmaMarken = static_cast<std::uint8_t>(i);
            setzeAuswahl(co("cMarkier"), i);
            setzeAuswahl(co("cMarkierS"), i);
        });
    for (const char* name : {"RG1", "RGs1"})
        connect(rg(name), &RadioGruppe::itemGewaehlt, this, [this](int i) { datumslinienArt(i); });
    for (const char* name : datumsModusCombos)
        connect(co(name), &QComboBox::activated, this, [this](int i) {
            s_.Schalter.Datumslinien = static_cast<char>('0' + i);
            for (const char* n : datumsModusCombos)
                setzeAuswahl(co(n), i);
            rg("RG1")->setItemIndex(i);
            rg("RGs1")->setItemIndex(i);
        });

    // Time displays.
    connect(rg("RG3"), &RadioGruppe::itemGewaehlt, this, [this](int i) { zeitanzeigeGewaehlt("RG3", i); });
    for (const char* name : {"rbOrtszeit", "rbZone"})
        connect(qobject_cast<QRadioButton*>(k(name)), &QRadioButton::clicked, this,
                [this, n = QString::fromLatin1(name)] { zeitanzeigeGewaehlt(n, 0); });
    connect(rg("rgWOZ"), &RadioGruppe::itemGewaehlt, this, [this](int i) {
        s_.Schalter.OhneLaengenkorrektur = i == 0;
        qobject_cast<QRadioButton*>(k("rbOz"))->setChecked(s_.Schalter.OhneLaengenkorrektur);
        qobject_cast<QRadioButton*>(k("rbZz"))->setChecked(!s_.Schalter.OhneLaengenkorrektur);
    });
    for (const char* name : {"RgQ2", "RgA2"})
        connect(rg(name), &RadioGruppe::itemGewaehlt, this, [this](int i) {
            s_.Schalter.Zeitablesung = i == 0;
            rg("RgQ2")->setItemIndex(i);
            rg("RgA2")->setItemIndex(i);
        });
    for (const char* name : {"RGZ1", "hRGZ1"})
        connect(rg(name), &RadioGruppe::itemGewaehlt, this, [this](int i) {
            s_.Schalter.Monatsskala = i == 1;
            rg("RGZ1")->setItemIndex(i);
            rg("hRGZ1")->setItemIndex(i);
        });
    for (const char* name : {"rgQuad", "rgZyl", "hRGZ2", "rgRi2", "rgRiExakt", "RgA1", "RgAzCo"})
        connect(rg(name), &RadioGruppe::itemGewaehlt, this,
                [this, n = QString::fromLatin1(name)](int i) { zeitanzeigeGewaehlt(n, i); });

    // Own date lines.
    connect(qobject_cast<QPushButton*>(k("Button2")), &QPushButton::clicked, this, [this] { datumUebernehmen(); });
    connect(qobject_cast<QPushButton*>(k("Button1")), &QPushButton::clicked, this, [this] { datumEntfernen(); });
    connect(qobject_cast<QPushButton*>(k("Button3")), &QPushButton::clicked, this, [this] { datumslinienSpeichern(); });
    connect(qobject_cast<QPushButton*>(k("Button4")), &QPushButton::clicked, this, [this] { datumslinienLaden(); });
    connect(ed("MaskEdit1"), &QLineEdit::returnPressed, this, [this] { schliessen_->setFocus(); });
}

void ParameterDialog::setzeFamilien()
{
    for (const Familie& f : familien())
        for (const char* name : f.kopien)
            if (QCheckBox* c = cb(name)) {
                const QSignalBlocker sperre(c);
                c->setChecked(s_.Schalter.*f.option == 1);
            }
}

void ParameterDialog::familieGeklickt(const QString& name)
{
    const Familie* f = familieVon(name);
    if (!f)
        return;
    QCheckBox* c = cb(name.toLatin1().constData());
    s_.Schalter.*f->option = c->isChecked() ? 1 : 0;
    TSchalter& sch = s_.Schalter;

    if (f->option == &TSchalter::Temporalstunden && s_.UhrTyp == 'z' && sch.ZylinderArt == 0 && sch.Temporalstunden &&
        cb("chbOrtZ")->isChecked()) {
        // The shepherd's dial shows temporal hours instead of the hours of local time.
        sch.OhneZeitgl = 0;
        aktiv("ChBZ1", false);
    }
    setzeFamilien();

    if (f->option == &TSchalter::OhneZeitgl) {
        aktiv("ChB1", sch.OhneZeitgl != 0);
    } else if (f->option == &TSchalter::Analemma) {
        for (const char* n : {"cMarkier", "cMarkierS", "Ed1", "Ed1S"})
            faerbe(k(n), sch.Analemma != 0);
        return; // no enabling routine
    } else if (f->option == &TSchalter::MitZeitglAzimut) {
        return;
    } else if (f->option == &TSchalter::MitZeitglZylinder) {
        zeigeZeitFelder(sch.MitZeitglZylinder && sch.ZylinderArt > 0);
        sichtbar("rbOrtszeit", sch.MitZeitglZylinder && sch.ZylinderArt != 0);
        sichtbar("rbZone", sch.MitZeitglZylinder && sch.ZylinderArt != 0);
    } else if (f->option == &TSchalter::Temporalstunden) {
        const bool moeglich = sch.Temporalstunden && s_.Par.Breite > 0;
        aktiv("ChBtemp", moeglich);
        aktiv("chbStemp", moeglich);
    } else if (f->option == &TSchalter::Ganzjaehrig) {
        aktiv("CQAnf", !sch.Ganzjaehrig);
        aktiv("CQend", !sch.Ganzjaehrig);
        aktiv("RgQ2", sch.Ganzjaehrig ? sch.ZodiakSkala != 0 : true);
        setzeTextId(lb("Label166"), sch.Ganzjaehrig ? 584 : 585);
        beschrifteKomponente(lb("Label166"), s_, s_.StringIdBasis);
        zeigeWert("rOff2", sch.Ganzjaehrig ? s_.RingLochVersatz : s_.DeklOben, 6, 2);
    } else if (f->option == &TSchalter::ZwoelfUhrHorizontal) {
        aktiv("Label166", s_.ExpertenModus != 0);
        sichtbar("rOff2", s_.ExpertenModus != 0);
        aktiv("ChB5r", !sch.ZwoelfUhrHorizontal);
        aktiv("ChB6r", !sch.ZwoelfUhrHorizontal);
    } else if (f->option == &TSchalter::Position2Vertikal) {
        aktiv("EdAbw2", sch.Position2Vertikal != 0);
        berechnePol();
    }
    aktualisiereLinienWahl();
}

void ParameterDialog::zeitGewaehlt(const QString& name, int index)
{
    for (const ZeitFamilie& f : zeitFamilien())
        for (const auto& kopie : f.kopien)
            if (name == QLatin1String(kopie.first)) {
                s_.Zeiten.*f.wert = f.hoehe ? (index + 1) * 10 : index;
                for (const auto& andere : f.kopien)
                    setzeAuswahl(co(andere.first), index);
                return;
            }
}

void ParameterDialog::intervallGewaehlt(const QString& name, int index)
{
    for (const IntervallFamilie& f : intervallFamilien())
        for (const char* kopie : f.kopien)
            if (name == QLatin1String(kopie)) {
                setzeIntervall(s_.Schalter, f.art, index);
                for (const char* andere : f.kopien)
                    setzeAuswahl(co(andere), index);
                return;
            }
}

void ParameterDialog::fuelleZeitCombos()
{
    for (const ZeitFamilie& f : zeitFamilien()) {
        const std::int32_t w = s_.Zeiten.*f.wert;
        const int index = f.hoehe ? w / 10 - 1 : w;
        for (const auto& kopie : f.kopien)
            setzeAuswahl(co(kopie.first), index);
    }
    zeigeIntervalle();
}

void ParameterDialog::zeigeIntervalle()
{
    for (const IntervallFamilie& f : intervallFamilien())
        for (const char* name : f.kopien)
            setzeAuswahl(co(name), intervallIndex(s_.Schalter, f.art));
    setzeAuswahl(co("cMarkier"), s_.Schalter.AnalemmaMarken);
    setzeAuswahl(co("cMarkierS"), s_.Schalter.AnalemmaMarken);
    const int modus = s_.Schalter.Datumslinien - '0';
    for (const char* n : datumsModusCombos)
        setzeAuswahl(co(n), modus);
    rg("RG1")->setItemIndex(modus);
    rg("RGs1")->setItemIndex(modus);
}

void ParameterDialog::datumslinienArt(int item)
{
    if (item == 4) // the blank fifth item stands for the own date lines
        item = 2;
    s_.Schalter.Datumslinien = static_cast<char>('0' + item);
    rg("RG1")->setItemIndex(item);
    rg("RGs1")->setItemIndex(item);
    for (const char* n : datumsModusCombos)
        setzeAuswahl(co(n), item);
    faerbe(k("ListBox2"), item == 2);
    if (u_.haken.datumsMenue)
        u_.haken.datumsMenue(item == 2);
}

void ParameterDialog::faerbe(QWidget* w, bool aktivFarbe)
{
    // Inactive controls stay usable; only their colours tell that they have no effect now.
    if (!w)
        return;
    w->setProperty("inaktiv", !aktivFarbe);
    QPalette p = palette();
    if (!aktivFarbe) {
        p.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
        p.setColor(QPalette::Button, QColor(0xC0, 0xC0, 0xC0));
        p.setColor(QPalette::Text, QColor(0x80, 0x80, 0x80));
        p.setColor(QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
    }
    w->setPalette(p);
}

void ParameterDialog::aktualisiereLinienWahl()
{
    const TSchalter& sch = s_.Schalter;
    auto gruppe = [this](std::initializer_list<const char*> namen, bool an) {
        for (const char* n : namen)
            faerbe(k(n), an);
    };
    gruppe({"cAtAnf", "cAtEnd", "cAtStund", "cTeAnf3", "cTeEnd3", "cTeInt3", "CTeAnf", "CTeEnd", "cTeInt", "CTeAnfS",
            "CTeEndS", "cTeIntS"},
           sch.Temporalstunden != 0);
    gruppe({"cBaAnf", "CBaEnd", "cBAAnfS", "cBaEndS", "cBaIntS", "cBaAnf2", "cBaEnd2", "cBaInt2", "cBaAnf3", "cBaEnd3",
            "cBaInt3"},
           sch.Babylonisch != 0);
    gruppe({"cBaInt"}, sch.Babylonisch != 0 && !sch.ZwoelfUhrHorizontal);
    gruppe({"CItAnf", "CItEnd", "cItInt", "cItAnfS", "cItEndS", "cItIntS", "CItAnf2", "CItEnd2", "cItInt2", "cItAnf3",
            "cItEnd3", "cItInt3"},
           sch.Italienisch != 0);
    gruppe({"CHoAnf", "ChoEnd", "choInt", "CHoAnfS", "cHoEndS", "cHoIntS"}, sch.Sonnenhoehe != 0);
    gruppe({"CEotAnf", "CEotEnd", "cEotAnfS", "cEoTEndS", "CEotStund", "cEoTStundS"}, sch.MitZeitgl != 0);
    aktiv("rgZyl", cb("chbOrtZ")->isChecked());
    gruppe({"CEdAnf", "CEdEnd", "CStund"}, sch.OhneZeitgl != 0);
    gruppe({"ComboAnf", "ComboEnd", "ComboStund", "cSoAnf", "cSoEnd", "cSoStund"}, sch.OhneZeitgl != 0);
    faerbe(rg("rgWOZ"), sch.OhneZeitgl != 0);
    gruppe({"cMarkier", "cMarkierS", "Ed1", "Ed1S"}, sch.Analemma != 0);
}

void ParameterDialog::setzeLinienSchalter()
{
    const bool t = s_.Schalter.TemporalAnzeige != 0;
    for (const char* n : {"CQAnf", "CQend", "CEdRvon", "cEdRBis", "cRInt", "cQStund", "cAAnf", "cAEnd", "cAStund",
                          "CaCoStund", "CaCoStundb", "cAcoAnf", "CaCoEnd", "cAcoAnfb", "CaCoEndb", "hCEdAnf", "hCEdEnd",
                          "hCStund"})
        faerbe(k(n), !t);
    for (const char* n : {"cRtAnf", "cRtEnd", "cRtInt", "cQtStund", "cQtAnf", "cQtEnd", "hcEdtEnd", "hctStund"})
        faerbe(k(n), t);
    if (s_.Schalter.ZylinderArt == 0) {
        for (const char* n : {"CEdAnf", "CEdEnd", "CStund"})
            faerbe(k(n), s_.Schalter.OhneZeitgl != 0);
        for (const char* n : {"cTeAnf3", "cTeEnd3", "cTeInt3"})
            faerbe(k(n), t);
    }
}

void ParameterDialog::zeigeZylFelder(bool zeigen)
{
    for (const char* n : {"cBaAnf3", "cBaEnd3", "cBaInt3", "cItAnf3", "cItEnd3", "cItInt3", "Chb8z", "chB5z", "ChB6z",
                          "rgZyl"})
        sichtbar(n, zeigen);
    sichtbar("RGZ1", s_.Schalter.ZylinderArt == 0);
    sichtbar("rgZ3", s_.Schalter.ZylinderArt != 0);
}

void ParameterDialog::zeigeZeitFelder(bool zeigen)
{
    for (const char* n : {"rbOrtszeit", "rbZone", "Label50", "Label54", "Label57", "cEotAnf2", "cEotEnd2", "cEotInt2"})
        sichtbar(n, zeigen);
}

void ParameterDialog::zeitanzeigeGewaehlt(const QString& name, int item)
{
    TSchalter& sch = s_.Schalter;
    auto* rbO = qobject_cast<QRadioButton*>(k("rbOrtszeit"));
    auto* rbZ = qobject_cast<QRadioButton*>(k("rbZone"));
    if (name == QLatin1String("RG3") || name == QLatin1String("rbOrtszeit") || name == QLatin1String("rbZone")) {
        if (name == QLatin1String("RG3"))
            sch.OrtszeitAnzeige = item == 0;
        else
            sch.OrtszeitAnzeige = name == QLatin1String("rbOrtszeit");
        rbO->setChecked(sch.OrtszeitAnzeige);
        rbZ->setChecked(!sch.OrtszeitAnzeige);
        rg("RG3")->setItemIndex(sch.OrtszeitAnzeige ? 0 : 1);
        return;
    }
    if (name == QLatin1String("rgRi2")) {
        if (item == 0) {
            sch.Zonenzeit = 0;
            sch.TemporalAnzeige = 0;
            sch.Ortszeit = 1;
        } else {
            sch.TemporalAnzeige = 1;
            sch.Ortszeit = 0;
            sch.Zonenzeit = 1;
        }
    } else if (name == QLatin1String("rgRiExakt")) {
        sch.RingExakt = static_cast<std::uint8_t>(item);
    } else if (name == QLatin1String("hRGZ2")) {
        if (s_.UhrTyp != 'q') {
            if (item == 0) {
                sch.Zonenzeit = 0;
                sch.TemporalAnzeige = 0;
                sch.Ortszeit = 1;
            } else if (item == 1) {
                sch.Zonenzeit = 1;
                sch.TemporalAnzeige = 0;
                sch.Ortszeit = 0;
            } else {
                sch.TemporalAnzeige = 1;
            }
        }
        aktiv("hCHBZ1", !sch.TemporalAnzeige);
    } else {
        // RgA1, rgZyl, RgAzCo, rgQuad: local or zone time.
        sch.Zonenzeit = item == 1;
        sch.Ortszeit = !sch.Zonenzeit;
        aktiv("ChbZ3", sch.Ortszeit == 1);
        for (const char* n : {"RgA1", "rgZyl", "RgAzCo", "rgQuad"})
            rg(n)->setItemIndex(item);
    }
    setzeFamilien();
    aktiv("ChBQ2", !sch.TemporalAnzeige && !sch.ZodiakSkala);
    aktiv("ChBACo", true);
    fuelleZeitCombos();
    setzeLinienSchalter();
}

void ParameterDialog::zeigeDatumsliste()
{
    QListWidget* liste = qobject_cast<QListWidget*>(k("ListBox2"));
    const QSignalBlocker sperre(liste);
    liste->clear();
    for (const std::string& e : s_.Datumslinien)
        if (!e.empty())
            liste->addItem(q(e));
}

void ParameterDialog::datumUebernehmen()
{
    QLineEdit* maske = ed("MaskEdit1");
    if (maske->text() == QLatin1String("/")) { // only the empty mask
        maske->setFocus();
        return;
    }
    bool err = true;
    std::int32_t schluessel = -1;
    std::string anzeige;
    std::string datum;
    DatumZerlegen(s_, maske->text().toStdString(), true, &u_.prompt, err, schluessel, anzeige, datum);
    if (err)
        return;
    fuegeDatumEin(s_.Datumslinien, Datumseintrag(datum, anzeige), schluessel);
    zeigeDatumsliste();
    maske->clear();
    maske->setFocus();
}

void ParameterDialog::datumEntfernen()
{
    QListWidget* liste = qobject_cast<QListWidget*>(k("ListBox2"));
    const int zeile = liste->currentRow();
    if (zeile < 0 || !liste->currentItem() || !liste->currentItem()->isSelected())
        return;
    delete liste->takeItem(zeile);
    liste->clearSelection();
    liste->setCurrentRow(-1);
    s_.Datumslinien.clear();
    for (int i = 0; i < liste->count(); ++i)
        s_.Datumslinien.push_back(liste->item(i)->text().toStdString());
}

void ParameterDialog::datumslinienSpeichern() { DatumslinienSpeichern(s_, u_.prompt); }

void ParameterDialog::datumslinienLaden()
{
    DatumslinienLaden(s_, u_.prompt);
    zeigeDatumsliste();
}

} // namespace umbrin
