// The drawing window's panels over the drawing: the information sheet with the construction
// listing, the hour-line angle table, and the commands for construction-data files and the
// map data tools.
#include "drawing/ui/ZeichenFenster.h"

#include "core/Dateigroesse.h"
#include "core/Meldungen.h"
#include "core/Rounding.h"
#include "core/SafeSave.h"
#include "core/SonneEbene.h"
#include "core/Sprachdienst.h"
#include "core/ui/Beschriftung.h"
#include "dialogs/IniLesen.h"
#include "dialogs/IniText.h"
#include "dials/planar/Konstruktionsdaten.h"
#include "drawing/KartenWerkzeuge.h"
#include "drawing/Platzierung.h"
#include "drawing/Zeichnungstyp.h"
#include "drawing/ui/Bildflaeche.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

namespace umbrin {
namespace {

QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QFont festbreit()
{
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setFamilies({QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono"), f.family()});
    f.setPointSize(9);
    return f;
}

QPushButton* schliessKnopf(QWidget* eltern, const char* name)
{
    auto* k = new QPushButton(QStringLiteral("X"), eltern);
    k->setObjectName(QString::fromLatin1(name));
    k->setFixedSize(28, 24);
    return k;
}

} // namespace

// ---------------------------------------------------------------------------------------
// Building the panels

void ZeichenFenster::baueInfoTafel()
{
    pStabInfo_ = new QFrame(bild_);
    pStabInfo_->setObjectName(QStringLiteral("pStabInfo"));
    pStabInfo_->setFrameShape(QFrame::StyledPanel);
    pStabInfo_->setAutoFillBackground(true);
    auto* spalte = new QVBoxLayout(pStabInfo_);
    auto* kopf = new QHBoxLayout;
    auto* drucken = new QPushButton(pStabInfo_);
    drucken->setObjectName(QStringLiteral("BitBtnPrtT"));
    setzeTextId(drucken, 3);
    kopf->addWidget(drucken);
    kopf->addStretch(1);
    auto* zu = schliessKnopf(pStabInfo_, "BitBtnInfoZu");
    kopf->addWidget(zu);
    spalte->addLayout(kopf);
    stabMemo_ = new QPlainTextEdit(pStabInfo_);
    stabMemo_->setObjectName(QStringLiteral("StabMemo"));
    stabMemo_->setReadOnly(true);
    stabMemo_->setFont(festbreit());
    stabMemo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    spalte->addWidget(stabMemo_);
    pStabInfo_->hide();
    pStabInfo_->installEventFilter(this);

    connect(drucken, &QPushButton::clicked, this, [this] { ausgeben(); });
    connect(zu, &QPushButton::clicked, this, [this] { abbruch(); });
}

void ZeichenFenster::baueWinkelTafel()
{
    pWinkel_ = new QFrame(bild_);
    pWinkel_->setObjectName(QStringLiteral("PWinkel"));
    pWinkel_->setFrameShape(QFrame::StyledPanel);
    pWinkel_->setAutoFillBackground(true);
    auto* spalte = new QVBoxLayout(pWinkel_);

    auto* kopf = new QHBoxLayout;
    lWinkelTitel_ = new QLabel(pWinkel_);
    lWinkelTitel_->setObjectName(QStringLiteral("LWinkelTitel"));
    QFont fett = lWinkelTitel_->font();
    fett.setBold(true);
    lWinkelTitel_->setFont(fett);
    kopf->addWidget(lWinkelTitel_);
    kopf->addStretch(1);
    auto* zu = schliessKnopf(pWinkel_, "Button4");
    kopf->addWidget(zu);
    spalte->addLayout(kopf);

    // Place and plane, the longitude panel, the sunshine interval.
    auto* werte = new QGridLayout;
    const auto wert = [&](const char* name, int textId, int zeile, int spalteNr) {
        auto* titel = new QLabel(pWinkel_);
        setzeTextId(titel, textId);
        auto* w = new QLabel(pWinkel_);
        w->setObjectName(QString::fromLatin1(name));
        w->setFont(festbreit());
        werte->addWidget(titel, zeile, spalteNr);
        werte->addWidget(w, zeile, spalteNr + 1);
        return w;
    };
    lBr_ = wert("LBr", 466, 0, 0);
    lWan_ = wert("LWan", 911, 1, 0);
    lInk_ = wert("Link", 912, 2, 0);
    pLaen_ = new QFrame(pWinkel_);
    pLaen_->setObjectName(QStringLiteral("PLaen"));
    auto* laenge = new QGridLayout(pLaen_);
    laenge->setContentsMargins(0, 0, 0, 0);
    {
        auto* t1 = new QLabel(pLaen_);
        setzeTextId(t1, 459);
        lLae_ = new QLabel(pLaen_);
        lLae_->setObjectName(QStringLiteral("LLae"));
        lLae_->setFont(festbreit());
        auto* t2 = new QLabel(pLaen_);
        t2->setObjectName(QStringLiteral("LZonTitel"));
        lZon_ = new QLabel(pLaen_);
        lZon_->setObjectName(QStringLiteral("LZon"));
        lZon_->setFont(festbreit());
        laenge->addWidget(t1, 0, 0);
        laenge->addWidget(lLae_, 0, 1);
        laenge->addWidget(t2, 1, 0);
        laenge->addWidget(lZon_, 1, 1);
    }
    werte->addWidget(pLaen_, 0, 2, 2, 2);
    auto* besonntTitel = new QLabel(pWinkel_);
    setzeTextId(besonntTitel, 566);
    lBesonnt_ = new QLabel(pWinkel_);
    lBesonnt_->setObjectName(QStringLiteral("LBesonnt"));
    lBesonnt_->setFont(festbreit());
    werte->addWidget(besonntTitel, 2, 2);
    werte->addWidget(lBesonnt_, 2, 3);
    auto* korrektur = new QHBoxLayout;
    chBLKorr_ = new QCheckBox(pWinkel_);
    chBLKorr_->setObjectName(QStringLiteral("ChBLKorr"));
    setzeTextId(chBLKorr_, 406);
    auto* korrekturRest = new QLabel(pWinkel_);
    korrekturRest->setObjectName(QStringLiteral("LKorr"));
    setzeTextId(korrekturRest, 407);
    korrektur->setSpacing(0);
    korrektur->addWidget(chBLKorr_);
    korrektur->addWidget(korrekturRest);
    korrektur->addStretch(1);
    werte->addLayout(korrektur, 0, 4);
    werte->setColumnStretch(5, 1);
    spalte->addLayout(werte);

    strGrWinkel_ = new QTableWidget(48, 15, pWinkel_);
    strGrWinkel_->setObjectName(QStringLiteral("StrGrWinkel"));
    strGrWinkel_->horizontalHeader()->hide();
    strGrWinkel_->verticalHeader()->hide();
    strGrWinkel_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    strGrWinkel_->setFont(festbreit());
    strGrWinkel_->verticalHeader()->setDefaultSectionSize(18);
    strGrWinkel_->setTextElideMode(Qt::ElideNone);
    strGrWinkel_->horizontalHeader()->setMinimumSectionSize(2);
    strGrWinkel_->setWordWrap(false);
    // Three columns per group wide enough for " -180.00" and the headings, a narrow separator.
    const int spaltenBreite = std::max(62, QFontMetrics(festbreit()).horizontalAdvance(QStringLiteral("  -10000.0 ")));
    for (int c = 0; c < 15; ++c)
        strGrWinkel_->setColumnWidth(c, c % 4 == 3 ? 2 : spaltenBreite);
    strGrWinkel_->setMinimumSize(300, 200);
    spalte->addWidget(strGrWinkel_, 1);

    memo1_ = new QPlainTextEdit(pWinkel_);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setReadOnly(true);
    memo1_->setFont(festbreit());
    memo1_->setMaximumHeight(84);
    spalte->addWidget(memo1_);
    pWinkel_->hide();
    pWinkel_->installEventFilter(this);

    connect(zu, &QPushButton::clicked, this, [this] { zu2(); });
    connect(chBLKorr_, &QCheckBox::clicked, this, [this](bool an) {
        s_.Schalter.OhneLaengenkorrektur = an ? 0 : 1;
        pLaen_->setVisible(an);
        BitBtnWinkelClick();
    });
}

// ---------------------------------------------------------------------------------------
// Information sheet

void ZeichenFenster::baueListing()
{
    const char typ = s_.UhrTyp;
    const double neigung = typ == 'h' ? 0 : (typ == 'v' ? 90 : s_.Par.Inklination);
    const double wand = typ == 'h' ? 0 : s_.Par.Wandabweichung;
    const double gnomon =
        static_cast<double>(roundHalfEven(static_cast<long double>(s_.Par.Gnomonhoehe) * s_.Zoom * 100)) / 100;
    SubstilarTexte texte;
    Konstruktionsdaten(s_, texte, s_.Par.Laenge, neigung, wand, s_.Par.Breite, gnomon,
                       DeklAufgangHalbstunden(s_, s_.Par.Breite));
    stabMemo_->setPlainText(q(std::string{}));
    QStringList zeilen;
    for (const std::string& z : s_.InfoZeilen)
        zeilen << q(z).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    stabMemo_->setPlainText(zeilen.join(QLatin1Char('\n')));
    memoTexte_ = {texte.SubstilareRichtung, texte.PolstabWinkel, texte.SubstilareZeit};
}

void ZeichenFenster::sInfo()
{
    if (s_.UhrTyp == 'm') {
        zeigeKegelInfo();
        return;
    }
    if (!istEbeneUhrOhneSchirm(s_))
        return;
    scrollBox1_->hide();
    stabMemo_->show();
    f_.InfoListeOffen = true;
    baueListing();
    pWinkel_->hide();
    f_.WinkelTabelleOffen = false;
    const QSize g = bild_->size();
    pStabInfo_->setGeometry(g.width() / 8, 8, std::max(200, g.width() * 3 / 4), std::max(150, g.height() - 16));
    pStabInfo_->show();
    pStabInfo_->raise();
    f_.InfoAngezeigt = true;
}

void ZeichenFenster::abbruch()
{
    hpgPanel_->hide();
    pStabInfo_->hide();
    f_.InfoAngezeigt = false;
    f_.InfoListeOffen = false;
}

// ---------------------------------------------------------------------------------------
// Angle table

void ZeichenFenster::BitBtnWinkelClick()
{
    if (!istEbeneUhr(s_.UhrTyp))
        return;
    f_.WinkelTabelleOffen = true;
    const bool korrektur = !s_.Schalter.OhneLaengenkorrektur;
    chBLKorr_->setChecked(korrektur);
    pLaen_->setVisible(korrektur);

    baueListing();
    tabelle_ = berechneWinkeltabelle(s_, korrektur, memoTexte_);
    f_.Stundenwinkel = tabelle_.stundenwinkel;
    f_.StundenwinkelMin = tabelle_.stundenwinkelMin;
    f_.StundenwinkelMax = tabelle_.stundenwinkelMax;
    zeigeWinkeltabelle();

    const QSize g = bild_->size();
    pWinkel_->setGeometry(7, 7, std::max(50, g.width() - 15), std::max(50, g.height() - 15));
    pWinkel_->show();
    pWinkel_->raise();
}

void ZeichenFenster::zeigeWinkeltabelle()
{
    const Winkeltabelle& t = tabelle_;
    lWinkelTitel_->setText(q(t.kopfOrt));
    lBr_->setText(q(t.werte[0]));
    lWan_->setText(q(t.werte[1]));
    lInk_->setText(q(t.werte[2]));
    lLae_->setText(q(t.werte[3]));
    lZon_->setText(q(t.werte[4]));
    if (auto* zt = pLaen_->findChild<QLabel*>(QStringLiteral("LZonTitel"))) {
        std::string titel(texteText(s_, 82));
        const auto anfang = titel.find_first_not_of(" (");
        const auto ende = titel.find_last_not_of(" =");
        zt->setText(q(anfang == std::string::npos ? titel : titel.substr(anfang, ende - anfang + 1)));
    }
    lBesonnt_->setText(q(t.besonnt));

    strGrWinkel_->clearContents();
    const auto zelle = [this](int zeile, int spalte, const std::string& text) {
        auto* item = new QTableWidgetItem(q(text).trimmed());
        item->setTextAlignment(zeile == 0 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
        if (zeile == 0) {
            QFont f = item->font();
            f.setBold(true);
            item->setFont(f);
        }
        strGrWinkel_->setItem(zeile, spalte, item);
    };
    for (int g = 0; g < Winkeltabelle::Gruppen; ++g) {
        for (int k = 0; k < 3; ++k)
            zelle(0, 4 * g + k, t.spaltenKopf[static_cast<std::size_t>(k)]);
        for (int r = 0; r < Winkeltabelle::Zeilen; ++r) {
            const WinkelZelle& z = t.zellen[static_cast<std::size_t>(g)][static_cast<std::size_t>(r)];
            if (!z.belegt())
                continue;
            zelle(r + 1, 4 * g, z.zeit);
            zelle(r + 1, 4 * g + 1, z.winkel);
            zelle(r + 1, 4 * g + 2, z.tangens);
        }
    }
    QStringList memo;
    for (const std::string& z : t.memo)
        memo << q(z);
    memo1_->setPlainText(memo.join(QLatin1Char('\n')));
}

void ZeichenFenster::zu2()
{
    pWinkel_->hide();
    f_.WinkelTabelleOffen = false;
    if (dienste_.druckMenue)
        dienste_.druckMenue(true);
}

// ---------------------------------------------------------------------------------------
// Construction data and start settings

void ZeichenFenster::BtnSavCClick()
{
    const auto zeigeErgebnis = [this](const std::string& datei, bool gut, const std::string& fehler) {
        if (gut)
            frage_.ask(PromptTitle::Information, PromptIcon::Information, datei + std::string(meldungsText(s_, 58)),
                       PromptButtons::Ok);
        else
            frage_.ask(PromptTitle::Fehler, PromptIcon::Error, fehler, PromptButtons::Ok);
    };
    if (!s_.SchinkenModus) {
        pWinkel_->hide();
        f_.WinkelTabelleOffen = false;
        if (dienste_.konstruktionsdatenSpeichern)
            dienste_.konstruktionsdatenSpeichern();
        return;
    }
    if (!dienste_.speichernDialog)
        return;
    const QString datei =
        dienste_.speichernDialog(this, q(meldungsTitel(s_, TitelPaar::KonstruktionsdatenSpeichern)),
                                 QStringLiteral("schink.ham"), q(titelText(s_, 29)), QStringLiteral("ham"));
    if (datei.isEmpty())
        return;
    // The start settings are the settings text as last composed; with none composed yet it
    // is composed now, so that the file can be loaded again.
    if (shell_.IniAusgabe.empty())
        IniTextErstellen(s_, false, shell_.IniAusgabe, frage_);
    std::string fehler;
    const bool gut = IniTextSpeichern(shell_.IniAusgabe, datei.toStdString(), fehler, s_.Sprachspalte != 2);
    zeigeErgebnis(datei.toStdString(), gut, fehler);
}

void ZeichenFenster::BtnLoadCClick()
{
    if (!dienste_.oeffnenDialog)
        return;
    const std::string vorher = typSchluessel();
    if (!s_.SchinkenModus) {
        pWinkel_->hide();
        f_.WinkelTabelleOffen = false;
        const QString datei = dienste_.oeffnenDialog(this, q(meldungsTitel(s_, TitelPaar::KonstruktionsdatenLaden)),
                                                     q(titelText(s_, 46)), QStringLiteral("umb"));
        if (!datei.isEmpty()) {
            const IniLeseErgebnis r = LeseIni(s_, datei.toStdString(), true, true, frage_);
            if (!r.fehler.empty())
                frage_.ask(PromptTitle::Fehler, PromptIcon::Error, r.fehler, PromptButtons::Ok);
        }
        nachDemLaden(vorher, !datei.isEmpty());
        return;
    }
    const QString datei = dienste_.oeffnenDialog(
        this, QStringLiteral("SchinkenSU"),
        QStringLiteral("Starteinstellungen (*.ham)|*.ham|Alle Dateien (*.*)|*.* )"), QStringLiteral("ham"));
    if (datei.isEmpty())
        return;
    // The start settings apply like construction data; the settings text is replaced only
    // by a file that was read.
    std::string bytes, fehler;
    if (!leseDateiDerArt(datei.toStdString(), Dateiart::Starteinstellungen, bytes, fehler, s_.Sprachspalte != 2)) {
        frage_.ask(PromptTitle::Fehler, PromptIcon::Error, fehler, PromptButtons::Ok);
        return;
    }
    const IniLeseErgebnis r = LeseIni(s_, datei.toStdString(), true, true, frage_);
    if (r.status == IniLeseStatus::Gelesen)
        shell_.IniAusgabe = IniTextZeilen(bytes);
    else if (!r.fehler.empty())
        frage_.ask(PromptTitle::Fehler, PromptIcon::Error, r.fehler, PromptButtons::Ok);
    nachDemLaden(vorher, true);
}

void ZeichenFenster::nachDemLaden(const std::string& vorher, bool mitDatei)
{
    // A file read (or replaced by the defaults) brought its language: the program speaks it
    // from now on, not only the dial's legends.
    if (mitDatei) {
        // The picture of the file follows below, its messages shown.
        laedt_ = true;
        if (dienste_.spracheDerDaten)
            dienste_.spracheDerDaten();
        else
            aktualisiereSprache(s_);
        laedt_ = false;
    }
    if (typSchluessel() != vorher)
        richteFuerTypEin();
    else
        Konstruiere();
}

void ZeichenFenster::richteFuerTypEin()
{
    // What the old type left in the window goes: its grid, hint line, open panels, placement.
    // Foot and legend are unset as in a window opened for the type: the types placed at
    // activation get their defaults there, the others place an unset foot themselves.
    f_.MitNetz = false;
    pWarnung_->setStyleSheet(QString());
    loescheWarnung();
    f_.InfoAngezeigt = false;
    f_.InfoListeOffen = false;
    pStabInfo_->hide();
    pHoll_->hide();
    setzeTextId(bitBtnHoll_, 123);
    setzeTextId(bitBtnSchoe_, 122);
    bitBtn1_->setEnabled(true);
    bitBtn2_->setEnabled(true);
    vergissPlatzierung(s_, f_);
    platziertFuer_.clear();
    BildGroesse();
    FormShow();
    FormResize();
    if (aktiv_)
        Ursprung_zeigen();
}

// ---------------------------------------------------------------------------------------
// Map data tools

void ZeichenFenster::kartenWerkzeug(int werkzeug)
{
    if (!dienste_.oeffnenDialog)
        return;
    static const char* titel[] = {"Geografische Datendatei kürzen (halbieren)",
                                  "Geogr. Datendatei - zusammenhängende Teile verbinden",
                                  "Geogr. Daten:_Anzahl der Dez.stellen reduzieren",
                                  "Geogr. Daten:_Anzahl der Dez.stellen reduzieren"};
    const QString datei =
        dienste_.oeffnenDialog(this, QString::fromUtf8(titel[werkzeug]),
                               QStringLiteral("Liste mit geograph. Daten    (*.dat)|*.dat|alle Dateien (*.*)|*.*"),
                               QStringLiteral("dat"));
    if (datei.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::filesystem::path pfad = datei.toStdString();
    WerkzeugErgebnis r;
    switch (werkzeug) {
    case 0: r = halbiereDatei(pfad, frage_); break;
    case 1: r = verbindeDatei(pfad, frage_); break;
    case 2: r = kuerzeDezimalen(pfad, 3, frage_); break;
    default: r = sucheZeilen(pfad, frage_); break;
    }
    QApplication::restoreOverrideCursor();
    if (!r.meldung.empty())
        frage_.ask(r.titel, r.icon, r.meldung, PromptButtons::Ok);
    loescheWarnung();
    bild_->setCursor(Qt::ArrowCursor);
}

} // namespace umbrin
