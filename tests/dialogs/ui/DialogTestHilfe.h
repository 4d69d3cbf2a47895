#pragma once
// Helpers of the dialog window tests: scripted message boxes, a main window that records
// what the walk asks of it, typing into a field and leaving it, and screenshots.
#include "core/UserPrompt.h"
#include "dialogs/DialogWalk.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QWidget>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace umbrin::dialogtest {

class SkriptPrompt : public UserPrompt {
public:
    struct Meldung {
        PromptTitle titel;
        PromptIcon icon;
        std::string text;
        PromptButtons knoepfe;
    };
    std::vector<Meldung> gezeigt;
    std::deque<PromptAnswer> antworten;

    PromptAnswer ask(PromptTitle titel, PromptIcon icon, const std::string& text, PromptButtons knoepfe) override
    {
        gezeigt.push_back({titel, icon, text, knoepfe});
        if (!antworten.empty()) {
            const PromptAnswer a = antworten.front();
            antworten.pop_front();
            return a;
        }
        return knoepfe == PromptButtons::YesNo || knoepfe == PromptButtons::YesNoCancel ? PromptAnswer::Yes
                                                                                       : PromptAnswer::Ok;
    }
    bool askText(const std::string&, const std::string&, std::string&) override { return false; }

    std::string letzte() const { return gezeigt.empty() ? std::string() : gezeigt.back().text; }
    bool enthaelt(const std::string& teil) const
    {
        for (const Meldung& m : gezeigt)
            if (m.text.find(teil) != std::string::npos)
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

inline QString bildOrdner()
{
    const QString ordner = QStringLiteral(UMBRIN_BINARY_DIR "/screenshots");
    QDir().mkpath(ordner);
    return ordner;
}

inline void speichereBild(QWidget* w, const QString& name)
{
    w->grab().save(bildOrdner() + QLatin1Char('/') + name + QStringLiteral(".png"));
}

} // namespace umbrin::dialogtest
