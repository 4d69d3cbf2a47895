#include "core/Sprachdienst.h"
#include "dialogs/IniTexte.h"

#include <gtest/gtest.h>

#include <string>

using namespace umbrin;

// The backup messages name the settings file as the message table writes it, and any other
// file (a construction-data file) by its own name; the quadrant headings read as the dialog
// shows them.
TEST(Meldungstexte, BackupMessagesAndQuadrantHeadingsInBothLanguages)
{
    struct Fall {
        std::string ist;
        std::string soll;
    };
    const Fall faelle[] = {
        {sicherungFehltText("umb.ini", 1), "Von UMB.INI konnte keine Sicherungsdatei angelegt werden!"},
        {sicherungFehltText("umb.ini", 2), "Could not generate backup-file of UMB.INI !"},
        {sicherungAngelegtText("umb.ini", "umb_ini.bak", 1),
         "Das alte UMB.INI ist unter dem Namen UMB_INI.BAK gespeichert."},
        {sicherungAngelegtText("umb.ini", "umb_ini.bak", 2), "Old Version of UMB.INI is saved as UMB_INI.BAK."},
        {sicherungFehltText("myDial.umb", 1), "Von myDial.umb konnte keine Sicherungsdatei angelegt werden!"},
        {sicherungAngelegtText("myDial.umb", "myDial_umb.bak", 2), "Old Version of myDial.umb is saved as myDial_umb.bak."},
        {ladeText(343, 0), " Habermelsche Sonnenuhr "},
        {ladeText(343, 2000), " Habermel's Quadrant "},
        {ladeText(344, 0), " Sonnenquadrant nach Gunter "},
        {ladeText(344, 2000), " Gunter's Quadrant "},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(f.ist, f.soll);
}
