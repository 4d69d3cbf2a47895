#include "tables/ui/ProfilPanel.h"

#include "core/Textumformung.h"
#include "core/Zahlenformat.h"
#include "core/ui/Eingabefelder.h"
#include "dialogs/DialogOrtWerte.h"
#include "dialogs/ui/DialogFelder.h"
#include "drawing/ui/ZeichenfensterDienste.h"
#include "tables/Profildatei.h"
#include "tables/Tabellendatei.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <chrono>
#include <cmath>

namespace umbrin {

namespace {

constexpr int kFortschrittMax = 9000;

QString zahl(long double x, int w, int d) { return QString::fromStdString(RealStr(x, w, d)); }

// Whole degrees (width 4), then minutes and seconds of the magnitude's fraction.
QString gradMinSek(double x)
{
    const double betrag = std::fabs(x);
    const double minuten = (betrag - std::floor(betrag)) * 60;
    const double sekunden = (minuten - std::floor(minuten)) * 60;
    return zahl(std::trunc(x), 4, 0) + QStringLiteral(" deg ") + zahl(std::floor(minuten), 2, 0) +
           QStringLiteral(" min ") + zahl(sekunden, 4, 1) + QStringLiteral(" sec");
}

} // namespace

// Questions of the computation thread, asked on the window's thread while the computation
// waits. A window that is closing answers No (or OK) itself.
class ProfilPanel::FadenPrompt : public UserPrompt {
public:
    explicit FadenPrompt(ProfilPanel& p) : p_(p) {}
    PromptAnswer ask(PromptTitle titel, PromptIcon icon, const std::string& text, PromptButtons knoepfe) override
    {
        PromptAnswer a = knoepfe == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::No;
        QMetaObject::invokeMethod(
            &p_, [&] {
                if (!p_.schliesst_)
                    a = p_.prompt_.ask(titel, icon, text, knoepfe);
            },
            Qt::BlockingQueuedConnection);
        return a;
    }
    bool askText(const std::string&, const std::string&, std::string&) override { return false; }

private:
    ProfilPanel& p_;
};

ProfilPanel::ProfilPanel(AppState& s, UserPrompt& prompt, ProfilPanelDienste dienste, QWidget* eltern)
    : QFrame(eltern), s_(s), prompt_(prompt), d_(std::move(dienste)), waechter_(new FeldWaechter(this))
{
    setObjectName(QStringLiteral("pProfil"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    auto* g = new QGridLayout(this);
    auto label = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    auto feld = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        e->setMaximumWidth(120);
        return e;
    };
    kopf1_ = label("Label15");
    kopf2_ = label("Label16");
    QFont f = kopf1_->font();
    f.setBold(true);
    kopf1_->setFont(f);
    breiteLabel_ = label("Label18");
    laengeLabel_ = label("Label19");
    bodenLabel_ = label("Label20");
    Label21_ = label("Label21");
    Label23_ = label("Label23");
    Label26_ = label("Label26");
    Label22_ = label("Label22");
    Label17_ = label("Label17");
    LabBreit_ = label("LabBreit");
    labLae_ = label("labLae");
    Edit7_ = feld("Edit7");
    Edit7_->setEnabled(false);
    Edit8_ = feld("Edit8");
    Edit9_ = feld("Edit9");
    Edit10_ = feld("Edit10");
    Edit11_ = feld("Edit11");
    Edit12_ = feld("Edit12");
    auto radio = [this](const char* name) {
        auto* r = new QRadioButton(this);
        r->setObjectName(QLatin1String(name));
        r->setEnabled(false);
        return r;
    };
    nord_ = radio("RG1Nord");
    sued_ = radio("RG1Sued");
    ost_ = radio("RG2Ost");
    west_ = radio("RG2West");
    auto* rg1 = new QWidget(this);
    rg1->setObjectName(QStringLiteral("RG1"));
    auto* rg1l = new QHBoxLayout(rg1);
    rg1l->setContentsMargins(0, 0, 0, 0);
    rg1l->addWidget(nord_);
    rg1l->addWidget(sued_);
    auto* rg2 = new QWidget(this);
    rg2->setObjectName(QStringLiteral("RG2"));
    auto* rg2l = new QHBoxLayout(rg2);
    rg2l->setContentsMargins(0, 0, 0, 0);
    rg2l->addWidget(ost_);
    rg2l->addWidget(west_);
    fortschritt_ = new QProgressBar(this);
    fortschritt_->setObjectName(QStringLiteral("ProgressBar1"));
    fortschritt_->setRange(0, kFortschrittMax);
    Button2_ = new QPushButton(this);
    Button2_->setObjectName(QStringLiteral("Button2"));
    abbrechen_ = new QPushButton(this);
    abbrechen_->setObjectName(QStringLiteral("Button3"));

    g->addWidget(kopf1_, 0, 0, 1, 4);
    g->addWidget(kopf2_, 1, 0, 1, 4);
    g->addWidget(breiteLabel_, 2, 0);
    g->addWidget(Edit11_, 2, 1);
    g->addWidget(rg1, 2, 2);
    g->addWidget(LabBreit_, 2, 3);
    g->addWidget(laengeLabel_, 3, 0);
    g->addWidget(Edit12_, 3, 1);
    g->addWidget(rg2, 3, 2);
    g->addWidget(labLae_, 3, 3);
    g->addWidget(bodenLabel_, 4, 0);
    g->addWidget(Edit7_, 4, 1);
    g->addWidget(Label21_, 5, 0);
    g->addWidget(Edit9_, 5, 1);
    g->addWidget(Label23_, 6, 0);
    g->addWidget(Edit8_, 6, 1);
    g->addWidget(Label26_, 7, 0);
    g->addWidget(Edit10_, 7, 1);
    g->addWidget(Label22_, 7, 2);
    g->addWidget(Label17_, 8, 0, 1, 2);
    g->addWidget(fortschritt_, 9, 0, 1, 4);
    g->addWidget(Button2_, 10, 1);
    g->addWidget(abbrechen_, 10, 2);

    for (QLineEdit* e : {Edit8_, Edit9_, Edit10_})
        waechter_->beobachte(e, Tasten::Ganzzahl, [this, e] { Edit1Exit(e); });
    for (QLineEdit* e : {Edit11_, Edit12_}) {
        waechter_->beobachte(e, Tasten::Reell, [this, e] { Edit11Exit(e); });
        waechter_->setEnterZiel(e, Edit9_);
    }
    waechter_->setEnterZiel(Button2_);
    connect(Button2_, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(abbrechen_, &QPushButton::clicked, this, [this] { Aussteigen(); });
    fadenPrompt_ = std::make_unique<FadenPrompt>(*this);
    aktualisiereSprache();
    setzeLaufend(false);
    hide();
}

ProfilPanel::~ProfilPanel()
{
    if (arbeiter_) {
        schliesst_ = true;
        stopp_ = true;
        while (!fertig_)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        arbeiter_->join();
    }
}

void ProfilPanel::standardEinstellungen(AppState& s)
{
    s.MaxAbstandKm = 60;
    s.MaxAbstandM = 60000;
    s.MaxAbstandGrad = 60 / 111.11;
    s.Podesthoehe = 0;
    s.Mindestabstand = 200;
}

QString ProfilPanel::sp(const char* de, const char* en) const
{
    return QString::fromUtf8(s_.Sprachspalte == 2 ? en : de);
}

void ProfilPanel::aktualisiereSprache()
{
    kopf1_->setText(sp("Horizontprofil aus Höhendaten (SRTM)", "Horizon profile from elevation data (SRTM)"));
    kopf2_->setText(sp("Zentralpunkt und Abstände der Objekte", "Central point and distances of the objects"));
    breiteLabel_->setText(sp("Geogr. Breite", "Latitude"));
    laengeLabel_->setText(sp("Geogr. Länge", "Longitude"));
    nord_->setText(sp("Nord", "North"));
    sued_->setText(sp("Süd", "South"));
    ost_->setText(sp("Ost", "East"));
    west_->setText(sp("West", "West"));
    bodenLabel_->setText(sp("Standorthöhe [m]", "Elevation [m]"));
    Label21_->setText(sp("&Podesthöhe [m]", "&Platform height [m]"));
    Label23_->setText(sp("&Mindestabstand [m]", "&Minimal object distance [m]"));
    Label26_->setText(sp("Ma&ximalabstand [km]", "Ma&ximal distance [km]"));
    Label22_->setText(QStringLiteral("km"));
    Label17_->setText(sp("Bitte warten ...", "Please wait ..."));
    Button2_->setText(sp("Start Berechnung", "Start calculation"));
    abbrechen_->setText(sp("Abbrechen", "Cancel"));
    Label21_->setBuddy(Edit9_);
    Label23_->setBuddy(Edit8_);
    Label26_->setBuddy(Edit10_);
    for (QWidget* gruppe : {nord_->parentWidget(), ost_->parentWidget(), static_cast<QWidget*>(this)})
        gruppe->layout()->activate();
    adjustSize();
}

void ProfilPanel::zeig_pProfil()
{
    fortschritt_->setValue(1);
    zeigeOrt();
    Edit9_->setText(QString::number(s_.Podesthoehe));
    Edit8_->setText(QString::number(s_.Mindestabstand));
    Edit10_->setText(QString::number(s_.MaxAbstandKm));
    if (QWidget* w = parentWidget()) {
        adjustSize();
        move(std::max(0, (w->width() - width()) / 2), w->height() / 4);
    }
    Label17_->hide();
    Label22_->hide();
    show();
    raise();
}

void ProfilPanel::zeigeOrt()
{
    Edit11_->setText(zahl(s_.Par.Breite, 13, 6));
    Edit12_->setText(zahl(s_.Par.Laenge, 13, 6));
    (s_.Par.Breite < 0 ? sued_ : nord_)->setChecked(true);
    (s_.Par.Laenge >= 0 ? west_ : ost_)->setChecked(true);
    LabBreit_->setText(gradMinSek(s_.Par.Breite));
    labLae_->setText(gradMinSek(s_.Par.Laenge));
}

bool ProfilPanel::Edit11Exit(QLineEdit* feld)
{
    bool fehler = false;
    const bool breite = feld == Edit11_;
    double& wert = breite ? s_.Par.Breite : s_.Par.Laenge;
    const double grenze = breite ? 90 : 180;
    pruefRealBereich(s_, prompt_, feld, wert, OhneAmpersand((breite ? breiteLabel_ : laengeLabel_)->text().toStdString()),
                     -grenze, grenze, fehler);
    if (fehler)
        return false;
    if (breite)
        wert = BreiteVomAequatorWeg(wert, Aequatorregel::Ort); // as the settings file reads it back
    zeigeOrt();
    if (d_.ortGeaendert)
        d_.ortGeaendert();
    return true;
}

bool ProfilPanel::Edit1Exit(QLineEdit* feld)
{
    bool fehler = false;
    if (feld == Edit8_) {
        pruefInt(s_, prompt_, feld, 100, 500, OhneAmpersand(Label23_->text().toStdString()), s_.Mindestabstand, fehler);
        // Objects nearer than 180 m are never counted.
        if (!fehler && s_.Mindestabstand < 180) {
            s_.Mindestabstand = 180;
            feld->setText(QString::number(s_.Mindestabstand));
        }
    } else if (feld == Edit9_) {
        pruefInt(s_, prompt_, feld, 0, 300, OhneAmpersand(Label21_->text().toStdString()), s_.Podesthoehe, fehler);
    } else {
        pruefInt(s_, prompt_, feld, 0, 300, OhneAmpersand(Label26_->text().toStdString()), s_.MaxAbstandKm, fehler);
        s_.MaxAbstandGrad = s_.MaxAbstandKm / 111.11;
        s_.MaxAbstandM = s_.MaxAbstandKm * 1000;
    }
    return !fehler;
}

void ProfilPanel::Aussteigen()
{
    if (arbeiter_) {
        stopp_ = true;
        return;
    }
    if (d_.anderesPanelSchliessen && d_.anderesPanelSchliessen())
        return;
    hide();
}

void ProfilPanel::ChbProfilClick(QCheckBox* zeigen, QCheckBox* laden, bool ladenGeklickt)
{
    hide();
    auto setze = [](QCheckBox* k, bool an) {
        const QSignalBlocker sperre(k);
        k->setChecked(an);
    };
    bool laedt = ladenGeklickt && laden->isChecked();
    if (!ladenGeklickt) {
        s_.HorizontGeladen = zeigen->isChecked();
        if (zeigen->isChecked() && !s_.HorizontZeigen) {
            const QString frage = sp("Es wurde kein Horizontprofil geladen!", "No horizon profile has been loaded!") +
                                  QStringLiteral("\n") +
                                  sp("Soll ein vorhandenes Horizontprofil geladen werden?",
                                     "Do you wish to load a new horizon profile?");
            if (prompt_.ask(PromptTitle::Information, PromptIcon::Question, frage.toStdString(), PromptButtons::YesNo) ==
                PromptAnswer::Yes) {
                setze(laden, true);
                laedt = true;
            } else {
                setze(zeigen, false);
                s_.HorizontGeladen = 0;
            }
        }
    }
    if (laedt) {
        s_.HorizontZeigen = 1;
        const QString datei = oeffnen(sp("Horizontprofil einlesen ", "Load Horizon Profile "),
                                      sp("Horizontprofil (*.ele)|*.ele|Alle Dateien (*.*)|*.*",
                                         "Horizon Profile (*.ele)|*.ele|All files (*.*)|*.*"),
                                      QStringLiteral("ele"));
        double breite = 0, laenge = 0;
        if (!datei.isEmpty() && liesHorizontprofil(s_, prompt_, datei.toStdString(), breite, laenge)) {
            setze(zeigen, true);
            if (uebernimmProfilOrt(s_, prompt_, breite, laenge)) {
                zeigeOrt();
                if (d_.ortGeaendert)
                    d_.ortGeaendert();
            }
        } else if (!s_.HorizontGeladen || !ladenGeklickt) {
            // Nothing was read: the show box shows no profile.
            setze(zeigen, false);
            s_.HorizontGeladen = 0;
        }
        setze(laden, false);
    }
    if (d_.neuZeichnen)
        d_.neuZeichnen();
}

QString ProfilPanel::oeffnen(const QString& titel, const QString& filter, const QString& endung)
{
    if (d_.oeffnenDialog)
        return d_.oeffnenDialog(this, titel, filter, endung);
    return QFileDialog::getOpenFileName(this, titel, QString(), qtFilter(filter));
}

void ProfilPanel::setzeLaufend(bool laufend)
{
    Label17_->setVisible(laufend);
    fortschritt_->setVisible(laufend);
    Button2_->setEnabled(!laufend);
    for (QLineEdit* e : {Edit8_, Edit9_, Edit10_, Edit11_, Edit12_})
        e->setEnabled(!laufend);
    setCursor(laufend ? Qt::BusyCursor : Qt::ArrowCursor);
}

void ProfilPanel::Button2Click()
{
    if (arbeiter_)
        return;
    for (QLineEdit* e : {Edit8_, Edit9_, Edit10_})
        if (!Edit1Exit(e))
            return;
    for (QLineEdit* e : {Edit11_, Edit12_})
        if (!Edit11Exit(e))
            return;
    StarteHorizontBerechnung();
}

void ProfilPanel::StarteHorizontBerechnung()
{
    const QString titel = sp("  SRTM-Höhendaten laden  ", "Load table with SRTM-data");
    const QString filter = sp("Hoehendaten (SRTM) (*.asc)|*.asc|Alle Dateien (*.*)|*.*",
                              "SRTM-data of altitudes (*.asc)|*.asc|All files (*.*)|*.*");
    const QString datei = oeffnen(titel, filter, QStringLiteral("asc"));
    if (datei.isEmpty())
        return;
    HorizontEingabe e;
    e.Breite = s_.Par.Breite;
    e.Laenge = s_.Par.Laenge;
    e.Podesthoehe = s_.Podesthoehe;
    e.Mindestabstand = s_.Mindestabstand;
    e.MaxAbstandKm = s_.MaxAbstandKm;
    e.sprachspalte = s_.Sprachspalte;
    e.threads = d_.threads;
    stopp_ = false;
    fertig_ = false;
    fortschritt_->setValue(1);
    setzeLaufend(true);
    arbeiter_ = std::make_unique<std::thread>([this, e, datei = datei.toStdString(), titel, filter] {
        HorizontDienste d;
        d.prompt = fadenPrompt_.get();
        d.abbruch = &stopp_;
        d.waehleKachel = [this, titel, filter] {
            QString gewaehlt;
            QMetaObject::invokeMethod(
                this, [&] {
                    if (!schliesst_)
                        gewaehlt = oeffnen(titel, filter, QStringLiteral("asc"));
                },
                Qt::BlockingQueuedConnection);
            return gewaehlt.toStdString();
        };
        d.fortschritt = [this](int wert) {
            QMetaObject::invokeMethod(this, [this, wert] { fortschritt_->setValue(wert); }, Qt::QueuedConnection);
        };
        d.bodenhoehe = [this](std::int32_t h) {
            QMetaObject::invokeMethod(this, [this, h] { Edit7_->setText(zahl(h, 4, 0)); }, Qt::QueuedConnection);
        };
        const HorizontErgebnis erg = BerechneHorizont(e, datei, d);
        fertig_ = true;
        QMetaObject::invokeMethod(this, [this, erg] { berechnungFertig(erg); }, Qt::QueuedConnection);
    });
}

void ProfilPanel::berechnungFertig(const HorizontErgebnis& erg)
{
    if (schliesst_ || !arbeiter_)
        return;
    arbeiter_->join();
    arbeiter_.reset();
    setzeLaufend(false);
    if (erg.AbbruchHorizont) {
        emit berechnungBeendet(false);
        return;
    }
    s_.HorizontBerechnet = erg.profil;
    for (QLabel* k : {kopf1_, kopf2_})
        k->setStyleSheet(QStringLiteral("color: blue"));
    kopf1_->setText(sp("Horizontprofil berechnet !", "Horizon profile calculated !"));
    speichere(erg);
}

void ProfilPanel::speichere(const HorizontErgebnis& erg)
{
    const std::vector<std::string> zeilen = profilZeilen(
        erg.profil, {erg.Breite, erg.LaengeOst, erg.Bodenhoehe, s_.Podesthoehe, s_.Mindestabstand}, s_.Sprachspalte);
    const QString titel = sp("Berechnetes Horizontprofil speichern", "Save Calculated Horizon Profile");
    const QString filter = sp("Horizontprofil (*.ele)|*.ele", "Horizon profile (*.ele)|*.ele");
    QString datei;
    if (d_.speichernDialog) {
        datei = d_.speichernDialog(this, titel, filter, QStringLiteral("ele"));
    } else {
        QFileDialog dialog(this, titel, QString(), qtFilter(filter));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("ele"));
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            datei = dialog.selectedFiles().first();
    }
    bool gespeichert = false;
    if (!datei.isEmpty()) {
        std::string fehler;
        const std::string name = datei.toStdString();
        gespeichert = speichereHorizontprofil(std::filesystem::u8path(name), zeilen, fehler, s_.Sprachspalte != 2);
        if (gespeichert)
            prompt_.ask(PromptTitle::Information, PromptIcon::Information,
                        name + (s_.Sprachspalte == 2 ? " saved!" : " gespeichert!"), PromptButtons::Ok);
        else
            prompt_.ask(PromptTitle::Fehler, PromptIcon::Error, speicherfehlerText(name, fehler, s_.Sprachspalte != 2),
                        PromptButtons::Ok);
    }
    hide();
    emit berechnungBeendet(gespeichert);
}

void ProfilPanel::mousePressEvent(QMouseEvent* ereignis)
{
    if (ereignis->button() == Qt::LeftButton)
        ziehen_ = ereignis->position().toPoint();
    QFrame::mousePressEvent(ereignis);
}

void ProfilPanel::mouseMoveEvent(QMouseEvent* ereignis)
{
    if (ereignis->buttons() & Qt::LeftButton)
        move(mapToParent(ereignis->position().toPoint() - ziehen_));
    QFrame::mouseMoveEvent(ereignis);
}

} // namespace umbrin
