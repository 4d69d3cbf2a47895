#include "shell/ui/MainWindow.h"

#include "core/ui/Beschriftung.h"
#include "core/Texttabellen.h"
#include "dialogs/IniLesen.h"
#include "dialogs/IniText.h"
#include "dialogs/ui/OrtUndZeitDialog.h"
#include "dialogs/ui/ParameterDialog.h"
#include "dialogs/ui/TypwahlDialog.h"
#include "shell/Datumsdatei.h"
#include "shell/DebugLog.h"
#include "shell/HilfeSystem.h"
#include "shell/Menue.h"
#include "shell/ui/Arbeitsrahmen.h"
#include "shell/ui/Fensterbauer.h"
#include "shell/ui/Hinweisanzeige.h"
#include "shell/ui/Textdruck.h"
#include "tables/Profildatei.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QScreen>
#include <QSet>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace umbrin {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

const char* kHinweis = "Right mouse click for popUp menu  // <F1> for Help !";

} // namespace

MainWindow::MainWindow(AppState& state, ShellZustand& shell, UserPrompt& prompt, TDLogFile* log,
                       const QString& programmOrdner, QWidget* parent)
    : QMainWindow(parent)
    , s_(state)
    , z_(shell)
    , prompt_(prompt)
    , log_(log)
{
    setObjectName(QStringLiteral("Form1"));
    walk_ = std::make_unique<DialogWalk>(s_, *this);
    umgebung_ = std::make_unique<DialogUmgebung>(s_, prompt_, walk_.get());
    umgebung_->haken.datumsMenue = [this](bool sichtbar) { datumsMenueSichtbar_ = sichtbar; };
    umgebung_->haken.horizontprofilLesen = liesHorizontprofilMitOrt;
    mdi_ = new QMdiArea(this);
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);

    mdi_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(mdi_, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        QMenu* m = s_.DialogSchritt == walk::Gestartet ? popupWalk_ : popupOptionen_;
        if (m == popupOptionen_) {
            // The date-file items belong to the parameter dialog.
            const bool param = FensterOffen(QStringLiteral("Form4")) && datumsMenueSichtbar_;
            for (QAction* a : popupOptionen_->actions()) {
                if (a->objectName() == QLatin1String("SavDat1") || a->objectName() == QLatin1String("LadDat1"))
                    a->setVisible(param);
            }
        }
        m->popup(mdi_->mapToGlobal(p));
    });
    connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* w) {
        // During the walk "Fenster schließen" stays at hand: it is the walk's cancel.
        FensterMenues(w != nullptr || walk_->laeuft());
        // Activation reaches only top-level windows: the dialogs refresh their fields here.
        if (!w)
            return;
        if (auto* p = qobject_cast<ParameterDialog*>(w->widget()))
            p->eintragen();
        else if (auto* t = qobject_cast<TypwahlDialog*>(w->widget()))
            t->werteInFelder();
    });

    bauer_.ortUndJahr = [](MainWindow& m) -> QWidget* { return new OrtUndZeitDialog(m.dialogUmgebung()); };
    bauer_.typwahl = [](MainWindow& m) -> QWidget* { return new TypwahlDialog(m.dialogUmgebung()); };
    bauer_.parameter = [](MainWindow& m) -> QWidget* { return new ParameterDialog(m.dialogUmgebung()); };
    rechenbauer_ = rechenfensterbauer();
    tabellenbauer_ = tabellenfensterbauer();
    textdruck_ = std::make_unique<Textdruck>(
        s_, prompt_, [this]() -> QPrinter& { return drucker(); }, [this] { return waehleDrucker(); },
        z_.DruckDateiOffen);

    baueMenue();
    FormCreate(programmOrdner.isEmpty() ? QCoreApplication::applicationDirPath() : programmOrdner);
    baueSchaufenster();
}

MainWindow::~MainWindow()
{
    // The working windows go first: they refer to the walk and the dialog environment, which
    // are members and would otherwise die before the children. No window opens a successor now.
    schliesst_ = true;
    umgebung_->walk = nullptr;
    // Every sub-window, hidden ones included (subWindowList() leaves out those being closed).
    const QList<QMdiSubWindow*> fenster = mdi_->findChildren<QMdiSubWindow*>();
    std::vector<QPointer<QMdiSubWindow>> offen(fenster.begin(), fenster.end());
    for (const QPointer<QMdiSubWindow>& w : offen)
        delete w.data();
    textdruck_.reset();
}

void MainWindow::meldung(PromptTitle titel, PromptIcon icon, const std::string& text)
{
    prompt_.ask(titel, icon, text, PromptButtons::Ok);
}

void MainWindow::baueMenue()
{
    const auto& punkte = menuePunkte();
    QMenu* oben = nullptr;
    QMenu* unter = nullptr;
    QSet<QKeySequence> vergeben;
    for (int i = 0; i < MenueAnzahl; ++i) {
        const MenuePunkt& p = punkte[static_cast<std::size_t>(i)];
        const bool hatUnterpunkte = i + 1 < MenueAnzahl && p.ebene == 1 && punkte[static_cast<std::size_t>(i) + 1].ebene == 2;
        if (p.ebene == 0) {
            oben = menuBar()->addMenu(QString());
            menues_[static_cast<std::size_t>(i)] = oben;
            aktionen_[static_cast<std::size_t>(i)] = oben->menuAction();
            unter = nullptr;
            continue;
        }
        if (hatUnterpunkte) {
            unter = oben->addMenu(QString());
            menues_[static_cast<std::size_t>(i)] = unter;
            aktionen_[static_cast<std::size_t>(i)] = unter->menuAction();
            continue;
        }
        QMenu* ziel = (p.ebene == 2 && unter) ? unter : oben;
        if (p.ebene == 1)
            unter = nullptr;
        QAction* a = ziel->addAction(QString());
        // One action per key: a key that an earlier item holds would make the pair ambiguous,
        // and neither would fire; the later item only shows it beside its caption.
        if (*p.taste) {
            const QKeySequence taste(QString::fromLatin1(p.taste));
            if (vergeben.contains(taste))
                a->setProperty("angezeigteTaste", taste.toString(QKeySequence::NativeText));
            else
                a->setShortcut(taste);
            vergeben.insert(taste);
        }
        aktionen_[static_cast<std::size_t>(i)] = a;
        // Separators as the menus group their items.
        if (i == menue::FensterSchliessen || i == menue::FensterAusdrucken || i == menue::AuswahlTyp
            || i == menue::IniLaden || i == menue::Zeitgleichung || i == menue::SonnenuhrErstellen2
            || i == menue::Hinweise)
            ziel->addSeparator();
    }

    auto verbinde = [this](int i, auto&& f) { connect(aktion(i), &QAction::triggered, this, f); };
    verbinde(menue::SonnenuhrErstellen, [this] { Sonnenuhrerstellen2Click(); });
    verbinde(menue::SonnenuhrErstellen2, [this] { Sonnenuhrerstellen2Click(); });
    verbinde(menue::FensterSchliessen, [this] { mCloseWindowClick(); });
    verbinde(menue::Beenden, [this] { close(); });
    verbinde(menue::GeoLage, [this] { GeographischeLageundJahr1Click(); });
    verbinde(menue::AuswahlTyp, [this] { AuswahlSonnenuhrtyp1Click(); });
    verbinde(menue::Eingabedaten, [this] { Parameterfestlegen1Click(); });
    verbinde(menue::ZeichnungErstellen, [this] { aufBildschirm1Click(); });
    verbinde(menue::FormatA4, [this] {
        s_.FormatA4 = 1;
        aktion(menue::FormatA4)->setChecked(true);
        aktion(menue::FormatA3)->setChecked(false);
    });
    verbinde(menue::FormatA3, [this] {
        s_.FormatA4 = 0;
        aktion(menue::FormatA3)->setChecked(true);
        aktion(menue::FormatA4)->setChecked(false);
    });
    verbinde(menue::HilfeDatei, [this] { zeigeHilfe(hilfeKontextAktiv()); });
    verbinde(menue::Drucken, [this] { drucken(); });
    verbinde(menue::FensterAusdrucken, [this] { mWindowPrintClick(); });
    verbinde(menue::DruckerEinrichten, [this] { Druckereinstellung1Click(); });
    verbinde(menue::StandardwerteLaden, [this] { mLoadOptionsClick(true); });
    verbinde(menue::IniLaden, [this] { mLoadOptionsClick(false); });
    verbinde(menue::IniSpeichern, [this] { mSaveOptionsClick(); });
    verbinde(menue::DatenSpeichern, [this] { Konstruktionsdatenspeichern1Click(); });
    verbinde(menue::DatenLaden, [this] { Konstruktionsdatenladen1Click(); });
    verbinde(menue::Expertenmodus, [this] { ExpertenMode1Click(); });
    verbinde(menue::Deutsch, [this] { Sprache(true); });
    verbinde(menue::Englisch, [this] { Sprache(false); });
    verbinde(menue::Hinweise, [this] { HinweiseHintsanzeigen1Click(); });
    verbinde(menue::AufUntergang, [this] { Sonnenstand1Click(1); });
    verbinde(menue::Sonnenstand, [this] { Sonnenstand1Click(2); });
    verbinde(menue::Zonenzeit, [this] { Sonnenstand1Click(4); });
    verbinde(menue::Zeitgleichung, [this] { Sonnenstand1Click(8); });
    for (int i : {menue::Monatstabelle, menue::ZeitgleichungTabelle, menue::DeklinationTabelle, menue::MeridianTabelle})
        verbinde(i, [this, i] { AufUntergangvonSonneMond1Click(i); });
    for (int i : {menue::FormatA4, menue::FormatA3, menue::Expertenmodus, menue::Deutsch, menue::Englisch,
                  menue::Hinweise})
        aktion(i)->setCheckable(true);

    verbinde(menue::GraphZeitgleichung, [this] { GraphZeitgleichung1Click(); });
    verbinde(menue::Rechtwinklig, [this] { Sonnenstandsdiagramm1Click(0); });
    verbinde(menue::Kreisfoermig, [this] { Sonnenstandsdiagramm1Click(1); });

    popupWalk_ = new QMenu(this);
    for (const auto& p : walkPopup()) {
        QAction* a = popupWalk_->addAction(QString());
        a->setObjectName(QString::fromLatin1(p.name));
    }
    const auto walkAktionen = popupWalk_->actions();
    connect(walkAktionen[0], &QAction::triggered, this, [this] { Weiter1Click(); });
    connect(walkAktionen[1], &QAction::triggered, this, [this] { Abbruch1Click(); });
    connect(walkAktionen[2], &QAction::triggered, this, [this] { zeigeHilfe(100); });

    popupOptionen_ = new QMenu(this);
    for (const auto& p : optionenPopup()) {
        QAction* a = popupOptionen_->addAction(QString());
        a->setObjectName(QString::fromLatin1(p.name));
    }
    auto popup = [this](const char* name) {
        for (QAction* a : popupOptionen_->actions())
            if (a->objectName() == QLatin1String(name))
                return a;
        return static_cast<QAction*>(nullptr);
    };
    connect(popup("Eingabe1"), &QAction::triggered, this, [this] { GeographischeLageundJahr1Click(); });
    connect(popup("AuswahlTyp1"), &QAction::triggered, this, [this] { AuswahlSonnenuhrtyp1Click(); });
    connect(popup("Parameter1"), &QAction::triggered, this, [this] { Parameterfestlegen1Click(); });
    connect(popup("Sonnenuhrkonstruktion1"), &QAction::triggered, this, [this] { aufBildschirm1Click(); });
    popup("HinweiseHintsanzeigen1")->setCheckable(true);
    connect(popup("HinweiseHintsanzeigen1"), &QAction::triggered, this, [this] { HinweiseHintsanzeigen1Click(); });
    connect(popup("Schliessen1"), &QAction::triggered, this, [this] { mCloseWindowClick(); });
    connect(popup("Speichern1"), &QAction::triggered, this, [this] { mSaveOptionsClick(); });
    connect(popup("Laden1"), &QAction::triggered, this, [this] { Konstruktionsdatenladen1Click(); });
    connect(popup("SavDat1"), &QAction::triggered, this, [this] { SavDat1Click(); });
    connect(popup("LadDat1"), &QAction::triggered, this, [this] { ladDatum(); });
}

void MainWindow::FormCreate(QString ordner)
{
    s_.ExpertenModusStart = s_.ExpertenModus;

    if (!ordner.isEmpty() && !ordner.endsWith(QLatin1Char('/')))
        ordner += QLatin1Char('/');
    z_.ProgrammPfad = ordner.toStdString();
    z_.ArbeitsPfad = z_.ProgrammPfad;
    s_.IniDatei = z_.ArbeitsPfad + "umb.ini";
    s_.TageDatei = z_.ProgrammPfad + "umb_days.ini";

    erzeugeShellListen(z_);
    z_.GrosseFonts = logicalDpiX() >= 120;
    const QScreen* schirm = QGuiApplication::primaryScreen();
    z_.GrosserBildschirm = !schirm || schirm->geometry().width() >= 1000;

    setWindowTitle(qs("  Umbrin  v. " + s_.VersionStr));
    aktion(menue::Drucken)->setEnabled(false);
    FensterMenues(false);
    s_.FensterFrei = 1;
    s_.FormatA4 = 1;
    aktion(menue::FormatA4)->setChecked(true);
    z_.DruckDateiOffen = false;
    StandardFarben(s_);

    const QDate heute = QDate::currentDate();
    s_.Par.Jahr = heute.year();
    z_.Tag = heute.day();
    z_.Monat = heute.month();

    s_.Deutsch = 1;
    setzeSpracheAusDeutsch();
    neueHilfe(true);

    hinweise_ = new Hinweisanzeige(s_, statusBar(), QString::fromLatin1(kHinweis), this);
    hinweise_->zeigeHint(QString::fromLatin1(kHinweis));
    if (schirm) {
        const QRect frei = schirm->availableGeometry();
        resize(frei.width(), std::max(400, frei.height() - 35));
    }
    markiereHinweise();
    menEin();
}

void MainWindow::setzeSpracheAusDeutsch()
{
    s_.Sprachspalte = s_.Deutsch ? 1 : 2;
    s_.StringIdBasis = s_.Deutsch ? 0 : 2000;
    z_.HilfeDatei = z_.ProgrammPfad + (s_.Deutsch ? "umbrin_d.chm" : "umbrin_e.chm");
    qtTexte_.setzeDeutsch(s_.Deutsch != 0);
}

void MainWindow::neueHilfe(bool meldenWennFehlt)
{
    hilfe_.reset();
    const bool vorhanden = QFileInfo::exists(qs(z_.HilfeDatei));
    hilfe_ = std::make_unique<HilfeSystem>(
        vorhanden ? z_.HilfeDatei : std::string(), "", 0, findeHilfeBetrachter(),
        [](const std::string& programm, const std::vector<std::string>& argumente) {
            QStringList liste;
            for (const auto& a : argumente)
                liste << qs(a);
            return QProcess::startDetached(qs(programm), liste);
        },
        log_);
    if (!vorhanden && meldenWennFehlt)
        meldeFehlendeHilfe(hilfeDateiFehlt(z_.HilfeDatei));
}

void MainWindow::meldeFehlendeHilfe(const std::string& text)
{
    // Every load and language switch looks for the help file again; the user hears of a
    // missing one once a run.
    if (hilfeFehltGemeldet_)
        return;
    hilfeFehltGemeldet_ = true;
    meldung(PromptTitle::Information, PromptIcon::Question, text);
}

int MainWindow::hilfeKontextAktiv() const
{
    // The nearest help context from the focused control up to its working window (a window
    // whose context follows its mode answers "hilfeKontext" itself); the main window's own
    // context 100 when none has one.
    QWidget* fenster = aktivesFenster();
    int eigenerKontext = 0;
    if (fenster && fenster->metaObject()->indexOfMethod("hilfeKontext()") >= 0
        && QMetaObject::invokeMethod(fenster, "hilfeKontext", Qt::DirectConnection, Q_RETURN_ARG(int, eigenerKontext))
        && eigenerKontext > 0)
        return eigenerKontext;
    for (QWidget* w = QApplication::focusWidget(); w && fenster; w = w->parentWidget()) {
        if (!fenster->isAncestorOf(w) && w != fenster)
            break;
        const int kontext = w->property("hilfeKontext").toInt();
        if (kontext > 0)
            return kontext;
        if (w == fenster)
            break;
    }
    if (fenster && fenster->property("hilfeKontext").toInt() > 0)
        return fenster->property("hilfeKontext").toInt();
    return 100;
}

void MainWindow::zeigeHilfe(int kontext)
{
    if (!hilfe_)
        return;
    bool rufeHilfe = false;
    std::string fehler;
    hilfe_->hilfeAnfrage(1, kontext, rufeHilfe, fehler);
    // The help layer's errors carry the program's name as their title.
    if (!fehler.empty())
        prompt_.askTitled(QCoreApplication::applicationName().toStdString(), PromptIcon::Warning, fehler,
                          PromptButtons::Ok);
}

void MainWindow::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (ersteAnzeige_) {
        ersteAnzeige_ = false;
        // After the window has painted itself, so its questions do not stand on an empty screen.
        QTimer::singleShot(0, this, [this] { Schriftgroesse(); });
    }
}

void MainWindow::Schriftgroesse()
{
    const QScreen* schirm = QGuiApplication::primaryScreen();
    if (!z_.GrosserBildschirm && z_.GrosseFonts && schirm) {
        const bool de = s_.Sprachspalte == 1;
        const QRect g = schirm->geometry();
        std::string text = std::string(de ? "Ihre Bildschirmeinstellung ist " : "Your screen is set to ")
            + std::to_string(g.width()) + " x " + std::to_string(g.height())
            + (logicalDpiX() == 120 ? (de ? " mit großer Schrift." : " with big font.")
                                    : (de ? " mit kleiner Schrift." : " with small font."))
            + "\n\r"
            + (de ? "Die Bildschirmeinstellung 1024 x 768 mit großer Schrift wäre optimal!"
                  : "Optimum for the program screen-display is 1024 x 768 (and large font)!");
        meldung(PromptTitle::Information, PromptIcon::Information, text);
    }

    leseEinstellungen(s_.IniDatei);
    s_.Schalter.Daemmerung = 2;
    if (s_.Datumslinien.empty())
        s_.Datumslinien = {"21/03    ( 21. März )", "21/06    ( 21. Juni )", "21/12    ( 21. Dezember )"};

    setzeSpracheAusDeutsch();
    neueHilfe(false);
    z_.GalerieAn = true;
    spracheAnwenden();

    // The zodiac signs are drawn from a font that has U+2648..U+2653.
    const QFontMetrics fm(QFont(QStringLiteral("DejaVu Sans")));
    if (!fm.inFontUcs4(0x2648) || !fm.inFontUcs4(0x2653)) {
        const bool de = s_.Sprachspalte == 1;
        meldung(PromptTitle::Warnung, PromptIcon::Warning,
                de ? "Die Schrift \"Wingdings\" ist nicht installiert. Deshalb ist\r\n"
                     "keine korrekte Anzeige der Tierkreissymbole möglich!"
                   : "Font \"Wingdings\" is not installed. Therefore display\r\nof Zodiac symbols is not correct!");
    }
}

void MainWindow::closeEvent(QCloseEvent* e)
{
    // Closing the main window never opens a further dialog and never refuses.
    schliesst_ = true;
    textdruck_->schliesse();
    mdi_->closeAllSubWindows();
    s_.DialogSchritt = walk::Keiner;
    e->accept();
}

void MainWindow::FensterMenues(bool an)
{
    aktion(menue::FensterSchliessen)->setEnabled(an);
    aktion(menue::FensterAusdrucken)->setEnabled(an);
}

bool MainWindow::FensterOffen(const QString& praefix) const
{
    for (QMdiSubWindow* w : mdi_->subWindowList()) {
        if (w->widget() && w->widget()->objectName().startsWith(praefix))
            return true;
    }
    return false;
}

QWidget* MainWindow::aktivesFenster() const
{
    // The current window stays current while another application has the focus.
    QMdiSubWindow* w = mdi_->currentSubWindow();
    return w ? w->widget() : nullptr;
}

void MainWindow::schliesseAndereFenster(const QString& praefix)
{
    for (QMdiSubWindow* w : mdi_->subWindowList()) {
        const QString name = w->widget() ? w->widget()->objectName() : QString();
        if (!name.startsWith(praefix) && name != QLatin1String("Form1"))
            w->close();
    }
    for (const char* name : {"AuswahlTyp1", "Parameter1", "Eingabe1", "Sonnenuhrkonstruktion1"})
        for (QAction* a : popupOptionen_->actions())
            if (a->objectName() == QLatin1String(name))
                a->setEnabled(true);
}

void MainWindow::FensterZu(const QString& praefix)
{
    for (QMdiSubWindow* w : mdi_->subWindowList()) {
        const QString name = w->widget() ? w->widget()->objectName() : QString();
        if (name.startsWith(praefix) && name != QLatin1String("Form1"))
            w->close();
    }
}

QMdiSubWindow* MainWindow::oeffne(QWidget* fenster)
{
    versteckeSchaufenster();
    fenster->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* sub = mdi_->addSubWindow(fenster);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // Closing the frame asks the window itself, so its own closing check can refuse; a window
    // that closes itself (a dialog's own button) takes its frame with it.
    connect(fenster, &QObject::destroyed, sub, [sub] { sub->close(); });
    sub->show();
    fenster->show();
    richteRahmenEin(sub, fenster);
    mdi_->setActiveSubWindow(sub);
    FensterMenues(true);
    return sub;
}

QWidget* MainWindow::baue(Arbeitsfenster fenster)
{
    switch (fenster) {
    case Arbeitsfenster::OrtUndZeit: return bauer_.ortUndJahr ? bauer_.ortUndJahr(*this) : nullptr;
    case Arbeitsfenster::Typwahl: return bauer_.typwahl ? bauer_.typwahl(*this) : nullptr;
    case Arbeitsfenster::Parameter: return bauer_.parameter ? bauer_.parameter(*this) : nullptr;
    case Arbeitsfenster::Zeichnung: return bauer_.zeichnung ? bauer_.zeichnung(*this) : nullptr;
    }
    return nullptr;
}

void MainWindow::oeffneFenster(Arbeitsfenster fenster)
{
    if (schliesst_)
        return;
    if (fenster == Arbeitsfenster::Zeichnung && isMaximized())
        showNormal();
    if (QWidget* w = baue(fenster))
        oeffne(w);
    // The parameter dialog, destroyed within the walk, opens the drawing window and ends the walk.
    if (fenster == Arbeitsfenster::Zeichnung && s_.DialogSchritt >= walk::Weiter)
        AssistentBeenden();
}

void MainWindow::schliesseArbeitsfenster()
{
    schliesseAndereFenster(QStringLiteral("Form1"));
}

void MainWindow::AssistentBeenden()
{
    walk_->beenden();
}

void MainWindow::walkBeendet()
{
    FensterMenues(false);
    for (int i : {menue::SonnenuhrErstellen, menue::SonnenuhrErstellen2, menue::Berechnungen, menue::Optionen,
                  menue::ZeichnungErstellen})
        aktion(i)->setEnabled(true);
    if (aktivesFenster())
        FensterMenues(true);
}

void MainWindow::Sonnenuhrerstellen2Click()
{
    for (int i : {menue::SonnenuhrErstellen, menue::SonnenuhrErstellen2, menue::Berechnungen, menue::Optionen,
                  menue::ZeichnungErstellen})
        aktion(i)->setEnabled(false);
    walk_->starten();
    FensterMenues(true);
}

void MainWindow::Weiter1Click()
{
    walk_->weiter();
}

void MainWindow::Abbruch1Click()
{
    // The one cancelling path: the walk menu's item, every walk dialog's cancel button and
    // "Fenster schließen" during the walk.
    walk_->abbrechen();
}

void MainWindow::mCloseWindowClick()
{
    if (walk_->laeuft()) {
        Abbruch1Click();
        return;
    }
    schliesseArbeitsfenster();
    versteckeSchaufenster();
    FensterMenues(aktivesFenster() != nullptr);
    aktion(menue::Drucken)->setEnabled(false);
}

void MainWindow::GeographischeLageundJahr1Click()
{
    // "Fenster schließen" closes every working window and ends a running walk (the walk
    // first, so no closing dialog opens its successor): the location dialog then opens on
    // its own, never beside a dialog of the walk.
    mCloseWindowClick();
    walk_->oeffne(Arbeitsfenster::OrtUndZeit);
}

void MainWindow::AuswahlSonnenuhrtyp1Click()
{
    walk_->oeffne(Arbeitsfenster::Typwahl);
}

void MainWindow::Parameterfestlegen1Click()
{
    walk_->oeffne(Arbeitsfenster::Parameter);
}

void MainWindow::aufBildschirm1Click()
{
    walk_->oeffne(Arbeitsfenster::Zeichnung);
}

void MainWindow::menEin()
{
    const int spalte = s_.Sprachspalte;
    for (int i = 0; i < MenueAnzahl; ++i) {
        if (menues_[static_cast<std::size_t>(i)]) {
            menues_[static_cast<std::size_t>(i)]->setTitle(qs(menueText(i, spalte)));
            continue;
        }
        QString text = qs(menueText(i, spalte));
        const QString taste = aktion(i)->property("angezeigteTaste").toString();
        if (!taste.isEmpty())
            text += QLatin1Char('\t') + taste;
        aktion(i)->setText(text);
    }
    aktion(menue::Deutsch)->setChecked(s_.Deutsch);
    aktion(menue::Englisch)->setChecked(!s_.Deutsch);
    aktion(menue::Expertenmodus)->setChecked(s_.ExpertenModus);
    const auto setze = [spalte](QMenu* m, const auto& tabelle) {
        const auto aktionen = m->actions();
        for (std::size_t k = 0; k < tabelle.size() && k < static_cast<std::size_t>(aktionen.size()); ++k)
            aktionen[static_cast<int>(k)]->setText(QString::fromUtf8(spalte == 2 ? tabelle[k].englisch : tabelle[k].deutsch));
    };
    setze(popupWalk_, walkPopup());
    setze(popupOptionen_, optionenPopup());
}

void MainWindow::Sprache(bool deutsch)
{
    s_.Deutsch = deutsch ? 1 : 0;
    setzeSpracheAusDeutsch();
    if (!QFileInfo::exists(qs(z_.HilfeDatei)))
        meldeFehlendeHilfe(hilfeDateiFehlt(z_.HilfeDatei) + "\r\nTherefore no help information included!");
    spracheAnwenden();
}

void MainWindow::spracheAnwenden()
{
    menEin();
    hinweise_->zeigeHint(QString::fromLatin1(kHinweis));
    neueHilfe(false);
    beschrifteAlles(s_, s_.StringIdBasis);
    emit spracheGewechselt();
    // A switch relabels; it never moves the walk on. Within the walk the chooser keeps its
    // place and has already been relabelled, outside it a fresh one is opened.
    if (FensterOffen(QStringLiteral("F4"))) {
        if (walk_->laeuft()) {
            for (QMdiSubWindow* w : mdi_->subWindowList())
                if (auto* typwahl = qobject_cast<TypwahlDialog*>(w->widget()))
                    typwahl->adjustSize();
        } else {
            FensterZu(QStringLiteral("F4"));
            walk_->oeffne(Arbeitsfenster::Typwahl);
        }
    }
}

void MainWindow::ExpertenMode1Click()
{
    QAction* a = aktion(menue::Expertenmodus);
    s_.ExpertenModus = a->isChecked() ? 1 : 0;
    s_.ExpertenModusStart = s_.ExpertenModus;
    const bool de = s_.Sprachspalte == 1;
    if (s_.ExpertenModus) {
        prompt_.askTitled("Umbrin " + s_.VersionStr + ", Info", PromptIcon::Information,
                          std::string(de ? "Experten-Modus = " : "Expert mode is switched ") + " on!", PromptButtons::Ok);
    } else {
        s_.RingLochVersatz = 0;
        s_.DeklOben = s_.EpsRund / 2;
        s_.DeklUnten = -s_.EpsRund / 2;
        prompt_.askTitled("Umbrin, v. " + s_.VersionStr, PromptIcon::Information,
                          de ? "Der Experten-Modus ist ausgeschaltet.\n\rManche Sonnenuhrenarten werden so nicht mehr berechnet."
                             : "Expert mode is switched off.\n\rSome of the sundial types are now not calculated!",
                          PromptButtons::Ok);
        if (s_.UhrTyp == 'c' || s_.UhrTyp == 'm')
            s_.UhrTyp = 'h';
        if (s_.Schalter.ZylinderArt != 0)
            s_.Schalter.ZylinderArt = 0;
    }
    if (FensterOffen(QStringLiteral("Form5"))) {
        FensterZu(QStringLiteral("Form5"));
    } else if (FensterOffen(QStringLiteral("F4"))) {
        FensterZu(QStringLiteral("F4"));
        walk_->oeffne(Arbeitsfenster::Typwahl);
    } else if (FensterOffen(QStringLiteral("Form4"))) {
        FensterZu(QStringLiteral("Form4"));
        walk_->oeffne(Arbeitsfenster::Parameter);
    }
    s_.KarteAn = s_.ExpertenModus;
}

void MainWindow::HinweiseHintsanzeigen1Click()
{
    s_.HinweiseAn = s_.HinweiseAn ? 0 : 1;
    markiereHinweise();
}

void MainWindow::markiereHinweise()
{
    // The menu item and the pop-up item carry the same tick.
    aktion(menue::Hinweise)->setChecked(s_.HinweiseAn);
    for (QAction* a : popupOptionen_->actions())
        if (a->objectName() == QLatin1String("HinweiseHintsanzeigen1"))
            a->setChecked(s_.HinweiseAn);
}


void MainWindow::Sonnenstand1Click(int rechenmodus)
{
    s_.Rechenmodus = static_cast<std::uint8_t>(rechenmodus);
    s_.RechenmodusAlt = 0;
    schliesseAndereFenster(QStringLiteral("Form1"));
    if (!s_.FensterFrei || !rechenbauer_)
        return;
    if (QWidget* fenster = rechenbauer_(*this))
        oeffne(fenster);
    FensterMenues(true);
}

} // namespace umbrin
