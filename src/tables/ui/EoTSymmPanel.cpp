#include "tables/ui/EoTSymmPanel.h"

#include "core/Sprachdienst.h"
#include "core/Textumformung.h"
#include "core/ui/Dateidruck.h"
#include "tables/Tabellendatei.h"
#include "core/ui/Eingabefelder.h"
#include "tables/EoTPaare.h"
#include "tables/ui/EoTVergleichDrucken.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace umbrin {

namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

QString plattformDialog(QWidget* eltern, const QString& titel, const QString& filter, const QString& vorschlag,
                        int& filterIndex)
{
    const QStringList teile = filter.split('|');
    QStringList filterListe;
    for (int i = 0; i + 1 < teile.size(); i += 2)
        filterListe << teile[i];
    QString gewaehlt = filterListe.value(0);
    const QString name = QFileDialog::getSaveFileName(eltern, titel, vorschlag, filterListe.join(";;"), &gewaehlt);
    filterIndex = static_cast<int>(std::max<qsizetype>(0, filterListe.indexOf(gewaehlt)));
    return name;
}

} // namespace

QString eotPaareDateiname(const QString& gewaehlt, int filterIndex)
{
    const QFileInfo info(gewaehlt);
    const QString stamm = info.path() + '/' + info.completeBaseName();
    if (filterIndex == 0)
        return stamm + ".txt";
    if (filterIndex == 1)
        return stamm + ".csv";
    return info.suffix().isEmpty() ? gewaehlt + ".txt" : gewaehlt;
}

EoTSymmPanel::EoTSymmPanel(AppState& s, UserPrompt& prompt, EoTSymmDienste dienste, QWidget* eltern)
    : QFrame(eltern), s_(s), prompt_(prompt), dienste_(std::move(dienste))
{
    setObjectName("Psymm");
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    auto* raster = new QGridLayout(this);
    titel_ = new QLabel(this);
    jahrLabel_ = new QLabel(this);
    EdJahr = new QLineEdit(this);
    EdJahr->setObjectName("EdJahr");
    EdJahr->installEventFilter(this);
    CbZeilen = new QComboBox(this);
    CbZeilen->setObjectName("CbZeilen");
    BitBtn2 = new QPushButton(this);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn3 = new QPushButton(this);
    BitBtn3->setObjectName("BitBtn3");
    BitBtnSave = new QPushButton(this);
    BitBtnSave->setObjectName("BitBtnSave");
    raster->addWidget(titel_, 0, 0, 1, 3);
    raster->addWidget(jahrLabel_, 1, 0);
    raster->addWidget(EdJahr, 1, 1);
    raster->addWidget(CbZeilen, 1, 2);
    raster->addWidget(BitBtn3, 2, 0);
    raster->addWidget(BitBtnSave, 2, 1);
    raster->addWidget(BitBtn2, 2, 2);
    connect(EdJahr, &QLineEdit::editingFinished, this, &EoTSymmPanel::EdJahrExit);
    connect(BitBtn2, &QPushButton::clicked, this, &EoTSymmPanel::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &EoTSymmPanel::BitBtn3Click);
    connect(BitBtnSave, &QPushButton::clicked, this, &EoTSymmPanel::BitBtnSaveClick);
    aktualisiereSprache();
    hide();
}

void EoTSymmPanel::aktualisiereSprache()
{
    titel_->setText(q(holeText(s_, 221)));
    jahrLabel_->setText(q(ladeText(305, s_.StringIdBasis)));
    BitBtn2->setText(q(ladeText(8, s_.StringIdBasis)));
    BitBtn3->setText(q(ladeText(44, s_.StringIdBasis)));
    BitBtnSave->setText(q(ladeText(43, s_.StringIdBasis)));
    const int index = std::max(0, CbZeilen->currentIndex());
    CbZeilen->clear();
    for (int id = 73; id <= 78; ++id)
        CbZeilen->addItem(q(holeText(s_, id)));
    CbZeilen->setCurrentIndex(index);
}

int EoTSymmPanel::werteProJahr() const
{
    return EoTPaarSchritte[static_cast<std::size_t>(std::clamp(CbZeilen->currentIndex(), 0, 5))];
}

void EoTSymmPanel::zeigen()
{
    EdJahr->setText(QString::number(s_.Par.Jahr));
    show();
    raise();
    EdJahr->setFocus();
}

void EoTSymmPanel::EdJahrExit()
{
    bool fehler = false;
    pruefInt(s_, prompt_, EdJahr, 1300, 2500, OhneAmpersand(ladeText(305, s_.StringIdBasis)), s_.Par.Jahr, fehler);
}

bool EoTSymmPanel::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (objekt == EdJahr && ereignis->type() == QEvent::KeyPress) {
        auto* taste = static_cast<QKeyEvent*>(ereignis);
        if (taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter) {
            BitBtn3->setFocus();
            return true;
        }
        const QString text = taste->text();
        // The digits 0-9 (not those of other scripts) and backspace only, every character of a
        // key's text; keys without text (arrows, Tab) pass.
        if (taste->key() == Qt::Key_Backspace)
            return false;
        for (const QChar c : text)
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return true;
    }
    return QFrame::eventFilter(objekt, ereignis);
}

void EoTSymmPanel::schliessen()
{
    hide();
    if (dienste_.geschlossen)
        dienste_.geschlossen();
}

void EoTSymmPanel::BitBtn2Click() { schliessen(); }

void EoTSymmPanel::BitBtn3Click()
{
    EdJahrExit();
    const int n = werteProJahr();
    schliessen();
    EoTPaareListe(s_, n, false);
    QPrinter* drucker = dienste_.drucker ? dienste_.drucker() : nullptr;
    if (!drucker)
        return;
    if (std::string grund; !EoTVergleichDrucken(*drucker, s_, n, grund))
        meldeDruckfehler(prompt_, s_, grund);
}

void EoTSymmPanel::BitBtnSaveClick()
{
    EdJahrExit();
    const int n = werteProJahr();
    hide();
    int filterIndex = 0;
    const QString filter = s_.Sprachspalte == 2 ? "Text file(*.txt)|*.txt|Excel format (*.csv)|*.csv|all formats  (*.*)|*.*"
                                                : "Textdatei(*.txt)|*.txt|Excel-Format (*.csv)|*.csv|alle Formate  (*.*)|*.*";
    const QString gewaehlt = dienste_.speichernDialog
                                 ? dienste_.speichernDialog(this, q(holeText(s_, 221)), filter, "EoT-Paare", filterIndex)
                                 : plattformDialog(this, q(holeText(s_, 221)), filter, "EoT-Paare", filterIndex);
    if (gewaehlt.isEmpty()) {
        prompt_.ask(PromptTitle::Information, PromptIcon::Information, std::string(texteText(s_, 236)),
                    PromptButtons::Ok);
        schliessen();
        return;
    }
    const QString name = eotPaareDateiname(gewaehlt, filterIndex);
    std::string fehler;
    if (EoTPaareSpeichern(name.toStdString(), EoTPaareListe(s_, n, filterIndex == 1), fehler, s_.Sprachspalte != 2)) {
        prompt_.ask(PromptTitle::Information, PromptIcon::Warning,
                    name.toStdString() + (s_.Sprachspalte == 1 ? " gespeichert!" : " saved!"), PromptButtons::Ok);
    } else {
        prompt_.ask(PromptTitle::Fehler, PromptIcon::Error,
                    speicherfehlerText(name.toStdString(), fehler, s_.Sprachspalte != 2), PromptButtons::Ok);
    }
    schliessen();
}

} // namespace umbrin
