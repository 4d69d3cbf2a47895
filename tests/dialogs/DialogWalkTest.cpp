#include "dialogs/DialogWalk.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace umbrin;

namespace {

// A main window that records what the walk asks of it. Closing a window runs that window's
// closing check, whose verdict the test sets beforehand.
struct FakeShell : WalkShell {
    AppState& s;
    std::vector<std::string> log;
    bool pruefungBestanden = true;
    explicit FakeShell(AppState& st) : s(st) {}

    void oeffneFenster(Arbeitsfenster f) override
    {
        static const char* namen[] = {"ort", "typ", "parameter", "zeichnung"};
        log.push_back(std::string("open ") + namen[static_cast<int>(f)]);
    }
    void schliesseArbeitsfenster() override
    {
        log.push_back("close all");
        s.FensterFrei = pruefungBestanden ? 1 : 0;
    }
};

// A walk on a state whose windows may close.
class Walk : public ::testing::Test {
protected:
    static AppState frei()
    {
        AppState s;
        s.FensterFrei = 1;
        return s;
    }
    AppState s = frei();
    FakeShell shell{s};
    DialogWalk walk{s, shell};
};

} // namespace

TEST_F(Walk, WalksFromLocationThroughChooserAndParametersToTheDrawing)
{
    walk.starten();
    EXPECT_EQ(s.DialogSchritt, 1);
    walk.weiter(); // next button of the location dialog: its check passes, it closes
    EXPECT_EQ(s.DialogSchritt, 3);
    walk.fensterZerstoert(Arbeitsfenster::OrtUndZeit);
    EXPECT_TRUE(walk.typwahlErstellt());
    EXPECT_EQ(s.DialogSchritt, 4);
    walk.fensterZerstoert(Arbeitsfenster::Typwahl);
    EXPECT_EQ(s.DialogSchritt, 5);
    EXPECT_EQ(s.FensterFrei, 0) << "opening the parameter dialog clears the verdict";
    s.FensterFrei = 1; // the parameter dialog's closing check passed
    walk.fensterZerstoert(Arbeitsfenster::Parameter);
    EXPECT_EQ(s.DialogSchritt, 0);

    const std::vector<std::string> erwartet = {"close all",     "open ort",       "close all",
                                               "open typ",      "open parameter", "open zeichnung"};
    EXPECT_EQ(shell.log, erwartet);
}

TEST_F(Walk, AFailedCheckKeepsTheWalkWaitingAtStepThree)
{
    walk.starten();
    shell.pruefungBestanden = false;
    walk.weiter(); // the location dialog refuses to close
    EXPECT_EQ(s.DialogSchritt, 3);
    EXPECT_EQ(s.FensterFrei, 0);
    // The next successful close of the location dialog destroys it and opens the chooser.
    s.FensterFrei = 1;
    shell.log.clear();
    walk.fensterZerstoert(Arbeitsfenster::OrtUndZeit);
    EXPECT_EQ(shell.log, std::vector<std::string>{"open typ"});
}

TEST_F(Walk, CancelEndsTheWalkBeforeAnyWindowIsDestroyed)
{
    walk.starten();
    walk.weiter();
    walk.fensterZerstoert(Arbeitsfenster::OrtUndZeit);
    walk.typwahlErstellt();
    shell.log.clear();
    walk.abbrechen();
    EXPECT_EQ(s.DialogSchritt, 0);
    walk.fensterZerstoert(Arbeitsfenster::Typwahl);
    EXPECT_EQ(shell.log, std::vector<std::string>{"close all"}) << "no parameter dialog after cancel";
}

TEST_F(Walk, OutsideTheWalkDestroyedDialogsOpenNothing)
{
    for (Arbeitsfenster f : {Arbeitsfenster::OrtUndZeit, Arbeitsfenster::Typwahl, Arbeitsfenster::Parameter})
        walk.fensterZerstoert(f);
    EXPECT_TRUE(shell.log.empty());
    EXPECT_FALSE(walk.typwahlErstellt());
}

TEST(DialogWalk, MenuOpeningClosesOthersOutsideTheWalkAndNeedsAPassedCheck)
{
    struct Fall {
        std::uint8_t schritt;
        std::uint8_t frei;
        Arbeitsfenster fenster;
        bool geoeffnet;
        bool schliesstAndere;
        std::uint8_t freiDanach;
    };
    const Fall faelle[] = {
        {0, 1, Arbeitsfenster::Typwahl, true, true, 1},
        {0, 1, Arbeitsfenster::Parameter, true, true, 0},
        {5, 1, Arbeitsfenster::Parameter, true, false, 0},
        {5, 0, Arbeitsfenster::Zeichnung, false, false, 0},
        {3, 1, Arbeitsfenster::Zeichnung, true, false, 1},
    };
    for (const Fall& f : faelle) {
        AppState s;
        s.DialogSchritt = f.schritt;
        s.FensterFrei = f.frei;
        FakeShell shell(s);
        shell.pruefungBestanden = f.frei != 0;
        DialogWalk walk(s, shell);
        EXPECT_EQ(walk.oeffne(f.fenster), f.geoeffnet);
        EXPECT_EQ(!shell.log.empty() && shell.log.front() == "close all", f.schliesstAndere);
        EXPECT_EQ(s.FensterFrei, f.freiDanach);
    }
}
