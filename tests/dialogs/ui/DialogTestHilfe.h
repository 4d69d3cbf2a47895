#pragma once
// Helpers of the dialog window tests: scripted message boxes, a main window that records
// what the walk asks of it, typing into a field and leaving it, and screenshots.
#include "../../support/ScriptedPrompt.h"
#include "support/ui/Eingabetexte.h"
#include "support/ui/Fensterlayout.h"
#include "core/Sprachdienst.h"
#include "core/UserPrompt.h"
#include "dialogs/DialogWalk.h"
#include "dialogs/ui/DialogUmgebung.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace umbrin::dialogtest {

// The shared scripted prompt, with a look into what it was asked.
class SkriptPrompt : public test::ScriptedPrompt {
public:
    bool enthaelt(const std::string& teil) const
    {
        for (const Frage& f : asked)
            if (f.text.find(teil) != std::string::npos)
                return true;
        return false;
    }
};

// The main window of the walk tests: it creates the working windows through the factory
// the test gives it, records every request, and closes its open windows when asked.
class TestShell : public WalkShell {
public:
    std::vector<std::string> log;
    std::function<QWidget*(Arbeitsfenster)> fabrik;
    std::vector<QPointer<QWidget>> offen;

    void oeffneFenster(Arbeitsfenster f) override
    {
        static const char* namen[] = {"ort", "typ", "parameter", "zeichnung"};
        log.push_back(std::string("open ") + namen[static_cast<int>(f)]);
        if (fabrik)
            if (QWidget* w = fabrik(f)) {
                offen.push_back(w);
                w->show();
            }
    }
    void schliesseArbeitsfenster() override
    {
        log.push_back("close all");
        for (const QPointer<QWidget>& w : std::vector<QPointer<QWidget>>(offen))
            if (w)
                w->close();
    }
    QWidget* letztes() const
    {
        for (auto it = offen.rbegin(); it != offen.rend(); ++it)
            if (*it)
                return *it;
        return nullptr;
    }
};

// Runs the deferred deletions of closed windows (their destruction continues the walk).
inline void loeschVerzoegerte()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline void zeigeAktiv(QWidget* w)
{
    w->show();
    QApplication::setActiveWindow(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
}

// Types `text` into the field (replacing what it shows) and leaves it for `danach`.
inline void tippe(QLineEdit* feld, const QString& text, QWidget* danach)
{
    feld->setFocus(Qt::MouseFocusReason);
    feld->selectAll();
    QTest::keyClick(feld, Qt::Key_Delete);
    QTest::keyClicks(feld, text);
    danach->setFocus(Qt::TabFocusReason);
}

inline QLineEdit* feld(QWidget* d, const char* name)
{
    return d->findChild<QLineEdit*>(QString::fromLatin1(name));
}

inline QString bildOrdner();
inline void speichereBild(QWidget* w, const QString& name);
inline bool schliesse(QWidget* d);

// A view of a dialog for the screenshots: the dial type and its umbrella and sub-type.
struct Ansicht {
    const char* name;
    char typ;
    std::uint8_t schirm;
    std::uint8_t sub;
};

// The state, message boxes and environment of a single dialog's tests.
struct DialogAufbau {
    AppState s;
    SkriptPrompt prompt;
    std::unique_ptr<DialogUmgebung> umgebung;

    // A started state whose windows may close, and a prompt without a script or a past.
    void neu()
    {
        s = AppState{};
        initialisiereZustand(s);
        s.FensterFrei = 1;
        prompt.asked.clear();
        prompt.answers.clear();
    }
    // The dialogs keep their environment until they are deleted, after the test's end.
    DialogUmgebung& neueUmgebung()
    {
        loeschVerzoegerte();
        umgebung = std::make_unique<DialogUmgebung>(s, prompt);
        return *umgebung;
    }
    // A dialog of type D in a fresh environment, shown and active.
    template <typename D>
    D* oeffne()
    {
        auto* d = new D(neueUmgebung());
        zeigeAktiv(d);
        return d;
    }
    // Opens every view in both languages, checks its layout (every child inside the window,
    // no text wider than its label), saves its picture as `praefix`_de|en_name and closes it.
    template <typename D>
    void layoutInBeidenSprachen(const char* praefix, std::initializer_list<Ansicht> ansichten)
    {
        for (bool deutsch : {true, false}) {
            setzeSprache(s, deutsch);
            for (const Ansicht& a : ansichten) {
                s.UhrTyp = a.typ;
                s.Schirmuhr = a.schirm;
                s.Schalter.Hoehenuhrart = a.sub;
                s.Schalter.ZylinderArt = a.sub;
                D* d = oeffne<D>();
                const QString name = QStringLiteral("%1_%2_%3").arg(QLatin1String(praefix), deutsch ? "de" : "en", a.name);
                const QStringList fehler = test::layoutFehler(d);
                QVERIFY2(fehler.isEmpty(), qPrintable(name + QLatin1Char('\n') + fehler.join(QLatin1Char('\n'))));
                speichereBild(d, name);
                QVERIFY(schliesse(d));
            }
        }
    }
};

// Closes a dialog and frees it, also one that refused to close; true when it agreed.
inline bool schliesse(QWidget* d)
{
    QPointer<QWidget> p(d);
    const bool zu = d->close();
    loeschVerzoegerte();
    delete p.data();
    return zu;
}

inline QString bildOrdner()
{
    const QString ordner = QString::fromUtf8(UMBRIN_BINARY_DIR) + QStringLiteral("/screenshots");
    QDir().mkpath(ordner);
    return ordner;
}

inline void speichereBild(QWidget* w, const QString& name)
{
    w->grab().save(bildOrdner() + QLatin1Char('/') + name + QStringLiteral(".png"));
}

} // namespace umbrin::dialogtest
