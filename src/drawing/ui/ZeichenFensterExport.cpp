// The drawing window's export panel and the export of the drawing as an HPGL plot or a DXF
// drawing.
#include "drawing/ui/ZeichenFenster.h"

#include "core/Meldungen.h"
#include "core/Sprachdienst.h"
#include "core/ui/Beschriftung.h"
#include "core/ui/DruckListe.h"
#include "core/ui/RadioGruppe.h"
#include "drawing/Auftragsschutz.h"
#include "drawing/Exportnamen.h"
#include "drawing/Platzierung.h"
#include "drawing/ZeichnungExport.h"
#include "drawing/Zeichnungstyp.h"
#include "drawing/ui/Bildflaeche.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>

#include <filesystem>

namespace umbrin {
namespace {

QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The coordinate list on the printer, as text lines; the list owns its printer.
class DruckerKoordinatenliste : public HPGLListe {
public:
    DruckerKoordinatenliste(std::unique_ptr<QPrinter> drucker, bool deutsch)
        : drucker_(std::move(drucker))
        , liste_(*drucker_, deutsch)
    {
    }
    bool oeffnen(std::string& fehler) { return liste_.oeffnen(fehler); }

    void schreibe(std::string_view text) override { liste_.schreibe(text); }
    void zeilenende() override { liste_.zeilenende(); }
    void schriftgroesse(int punkte) override { liste_.schriftgroesse(punkte); }
    bool schliessen(std::string& fehler) override { return liste_.schliessen(fehler); }
    void verwerfen() override { liste_.verwerfen(); }

private:
    std::unique_ptr<QPrinter> drucker_;
    umbrin::DruckListe liste_;
};

} // namespace

void ZeichenFenster::baueExportTafel()
{
    hpgPanel_ = new QFrame(bild_);
    hpgPanel_->setObjectName(QStringLiteral("HPGpanel"));
    hpgPanel_->setFrameShape(QFrame::StyledPanel);
    hpgPanel_->setFrameShadow(QFrame::Raised);
    hpgPanel_->setAutoFillBackground(true);
    auto* raster = new QGridLayout(hpgPanel_);

    label2_ = new QLabel(hpgPanel_);
    label2_->setObjectName(QStringLiteral("Label2"));
    QFont fett = label2_->font();
    fett.setBold(true);
    label2_->setFont(fett);
    raster->addWidget(label2_, 0, 0, 1, 2);

    namehpg_ = new QLineEdit(QStringLiteral("umb.plt"), hpgPanel_);
    namehpg_->setObjectName(QStringLiteral("namehpg"));
    namehpg_->setMinimumWidth(260);
    raster->addWidget(namehpg_, 1, 0, 1, 2);

    rgKoordinaten_ = new RadioGruppe(hpgPanel_);
    rgKoordinaten_->setObjectName(QStringLiteral("RGKoordinaten"));
    setzeTextId(rgKoordinaten_, 713);
    rgKoordinaten_->setEintraege({QString(), QString(), QString()});
    rgKoordinaten_->setItemIndex(0);
    raster->addWidget(rgKoordinaten_, 2, 0, 1, 2);

    lKoord_ = new QLabel(hpgPanel_);
    lKoord_->setObjectName(QStringLiteral("lKoord"));
    lKoord_->setAutoFillBackground(true);
    raster->addWidget(lKoord_, 3, 0, 1, 2);

    dxfLabel_ = new QLabel(hpgPanel_);
    dxfLabel_->setObjectName(QStringLiteral("dxfLabel"));
    setzeTextId(dxfLabel_, 107);
    dxfCombobox_ = new QComboBox(hpgPanel_);
    dxfCombobox_->setObjectName(QStringLiteral("dxfCombobox"));
    raster->addWidget(dxfLabel_, 4, 0);
    raster->addWidget(dxfCombobox_, 4, 1);

    auto* btnAbbrechen = new QPushButton(hpgPanel_);
    btnAbbrechen->setObjectName(QStringLiteral("BtnAbbrechen"));
    setzeTextId(btnAbbrechen, 8);
    auto* btnWeiter = new QPushButton(hpgPanel_);
    btnWeiter->setObjectName(QStringLiteral("BtnWeiter"));
    setzeTextId(btnWeiter, 715);
    raster->addWidget(btnAbbrechen, 5, 0);
    raster->addWidget(btnWeiter, 5, 1);
    hpgPanel_->hide();
    hpgPanel_->installEventFilter(this);

    connect(btnAbbrechen, &QPushButton::clicked, this, [this] { abbruch(); });
    connect(btnWeiter, &QPushButton::clicked, this, [this] { BtnWeiterClick(); });
    connect(rgKoordinaten_, &RadioGruppe::itemGewaehlt, this, [this](int) { Anpassen(); });
    connect(namehpg_, &QLineEdit::textChanged, this, [this](const QString&) { Anpassen(); });
    connect(namehpg_, &QLineEdit::returnPressed, btnWeiter, [btnWeiter] { btnWeiter->setFocus(); });
    connect(namehpg_, &QLineEdit::editingFinished, this, [this] {
        // Leaving the field gives the name its extension; the coordinate choice stays.
        const QString name = q(exportName(namehpg_->text().toStdString(), endung_.toStdString()));
        if (name != namehpg_->text())
            namehpg_->setText(name);
    });
    connect(dxfCombobox_, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { s_.Schalter.Stiftbreite = static_cast<std::uint8_t>(index + 1); });
}

void ZeichenFenster::dxfClick(bool alsHpgl, bool koordinaten, bool vonSpeicherKnopf)
{
    // A dial without a plot form (the ham dial among them) is refused before the panel asks
    // for a file name.
    const Zeichnungseintrag* eintrag = zeichnungseintrag(s_, f_.SchoenerAnsicht);
    if (s_.SchinkenModus || !eintrag || !eintrag->plot) {
        frage_.ask(PromptTitle::Achtung, PromptIcon::Warning, keinExportText(s_), PromptButtons::Ok);
        return;
    }
    s_.AlsHPGL = alsHpgl ? 1 : 0;
    // So is a dial that cannot be built here (Habermel I in the south, say); the panel stays
    // shut, and a continue that reaches it all the same does nothing more.
    exportVerweigert_ = false;
    if (eintrag->vorExport) {
        if (const std::string nein = eintrag->vorExport(s_); !nein.empty()) {
            frage_.ask(PromptTitle::Achtung, PromptIcon::Warning, nein, PromptButtons::Ok);
            exportVerweigert_ = true;
            return;
        }
    }
    pWinkel_->hide();
    f_.WinkelTabelleOffen = false;
    rgKoordinaten_->setItemIndex(koordinaten ? 2 : 0);

    const QSize g = bild_->size();
    hpgPanel_->adjustSize();
    if (!hpgPanel_->isVisible())
        hpgPanel_->move(std::max(0, g.width() / 2 - hpgPanel_->width() / 2), 40);
    hpgPanel_->show();
    hpgPanel_->raise();
    s_.LegendeGesetzt = 1;
    pWarnung_->hide();

    if (fusspunktPruefungBeimExport(s_.UhrTyp) && vonSpeicherKnopf && !fusspunktImBild(s_, g.width(), g.height())
        && zeigeMeldung(frage_, s_, 15, PromptTitle::Achtung, PromptIcon::Question, PromptButtons::YesNo)
            == PromptAnswer::Yes) {
        abbruch();
        return;
    }

    endung_ = alsHpgl ? QStringLiteral("plt") : QStringLiteral("dxf");
    setzeTextId(label2_, alsHpgl ? 711 : 716);
    dxfLabel_->setEnabled(!alsHpgl);
    dxfCombobox_->setEnabled(true);
    dxfCombobox_->setVisible(true);
    dxfCombobox_->clear();
    for (int t = 39; t <= 41; ++t)
        dxfCombobox_->addItem(q(texteText(s_, t)));
    dxfCombobox_->setCurrentIndex(std::clamp(static_cast<int>(s_.Schalter.Stiftbreite) - 1, 0, 2));

    namehpg_->setText(q(exportName(namehpg_->text().toStdString(), endung_.toStdString())));
    const bool koordinatenMoeglichHier = koordinatenMoeglich(s_);
    rgKoordinaten_->setEnabled(koordinatenMoeglichHier);
    if (!koordinatenMoeglichHier)
        rgKoordinaten_->setItemIndex(0);
    Anpassen();
    if (vonSpeicherKnopf)
        namehpg_->setFocus();
    beschrifte();
}

void ZeichenFenster::Anpassen()
{
    const bool datei = rgKoordinaten_->itemIndex() == 2;
    lKoord_->setText(datei ? q(koordinatenName(namehpg_->text().toStdString())) : QString());
    QPalette p = lKoord_->palette();
    p.setColor(QPalette::Window, datei ? p.color(QPalette::Light) : p.color(QPalette::Button));
    p.setColor(QPalette::WindowText, datei ? QColor(Qt::black) : p.color(QPalette::PlaceholderText));
    lKoord_->setPalette(p);
}

void ZeichenFenster::BtnWeiterClick()
{
    if (exportVerweigert_)
        return;
    f_.ListingSchreiben = false;
    switch (rgKoordinaten_->itemIndex()) {
    case 1:
        f_.ListingZiel = "printer";
        f_.ListingText.clear();
        f_.ListingSchreiben = true;
        break;
    case 2:
        f_.ListingText = lKoord_->text().toStdString();
        f_.ListingZiel.clear();
        f_.ListingSchreiben = true;
        break;
    default:
        break;
    }
    s_.HPGLDateiname = exportName(namehpg_->text().toStdString(), endung_.toStdString());
    hpgPanel_->hide();
    makeHPGClick();
}

void ZeichenFenster::makeHPGClick()
{
    if (!dienste_.speichernDialog)
        return;
    // A dial without a plot form is refused before a file name is asked for (the panel has
    // refused it already; a continue reaching here all the same writes nothing).
    const Zeichnungseintrag* eintrag = zeichnungseintrag(s_, f_.SchoenerAnsicht);
    if (s_.SchinkenModus || !eintrag || !eintrag->plot) {
        frage_.ask(PromptTitle::Achtung, PromptIcon::Warning, keinExportText(s_), PromptButtons::Ok);
        return;
    }
    const QString filter = s_.AlsHPGL ? QStringLiteral("HPGL (*.plt)|*.plt|Alle Dateien (*.*)|*.*")
                                      : QStringLiteral("DXF (*.dxf)|*.dxf|Alle Dateien (*.*)|*.*");
    const QString gewaehlt = dienste_.speichernDialog(this, q(meldungsTitel(s_, TitelPaar::ZeichnungSpeichern)),
                                                      q(s_.HPGLDateiname), filter, endung_);
    if (gewaehlt.isEmpty())
        return;

    // The list file goes beside the chosen file; say so when it replaces one.
    if (f_.ListingSchreiben && f_.ListingZiel.empty()) {
        const std::string liste = koordinatenName(gewaehlt.toStdString());
        std::error_code ec;
        if (std::filesystem::exists(liste, ec))
            frage_.ask(PromptTitle::Problem, PromptIcon::Warning, std::string(meldungsText(s_, 28)) + liste,
                       PromptButtons::Ok);
    }

    Auftragsschutz schutz(s_);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    schutz.beimEnde([] { QApplication::restoreOverrideCursor(); });

    ExportAuftrag a;
    a.datei = gewaehlt.toStdString();
    a.bildBreite = bild_->width();
    a.bildHoehe = bild_->height();
    a.arbeitsPfad = shell_.ArbeitsPfad;
    a.druckerListe = [this](std::string& fehler) -> std::unique_ptr<HPGLListe> {
        QPrinter& d = drucker();
        d.setPageOrientation(QPageLayout::Portrait);
        QApplication::restoreOverrideCursor();
        const bool gewaehlt = waehleDrucker(d);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        if (!gewaehlt) {
            fehler = s_.Deutsch ? "Koordinatenausgabe abgebrochen." : "Output of co-ordinates cancelled.";
            return nullptr;
        }
        auto liste = std::make_unique<DruckerKoordinatenliste>(textDrucker(d), s_.Sprachspalte != 2);
        if (!liste->oeffnen(fehler))
            return nullptr;
        return liste;
    };
    try {
        exportiereZeichnung(s_, f_, frage_, eintrag, a, schutz);
    } catch (const std::exception& e) {
        frage_.ask(PromptTitle::Fehler, PromptIcon::Error,
                   (s_.Deutsch ? "Die Datei wurde nicht geschrieben: " : "The file was not written: ")
                       + std::string(e.what()),
                   PromptButtons::Ok);
    }
}

} // namespace umbrin
