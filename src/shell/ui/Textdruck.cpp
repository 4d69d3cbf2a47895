#include "shell/ui/Textdruck.h"

#include "core/Sprachdienst.h"
#include "core/ui/Dateidruck.h"
#include "core/ui/DruckListe.h"
#include "shell/ShellZustand.h"
#include "tables/Sonnenrechnung.h"

#include <QPrinter>

namespace umbrin {

Textdruck::Textdruck(const AppState& s, UserPrompt& frage, std::function<QPrinter&()> drucker,
                     std::function<bool()> waehle, bool& offen)
    : s_(s)
    , frage_(frage)
    , drucker_(std::move(drucker))
    , waehle_(std::move(waehle))
    , offen_(offen)
{
}

Textdruck::~Textdruck()
{
    schliesse();
}

DruckListe* Textdruck::oeffne()
{
    if (liste_)
        return liste_.get();
    if (waehle_ && !waehle_())
        return nullptr;
    QPrinter& drucker = drucker_();
    drucker.setPageOrientation(QPageLayout::Portrait);
    auto liste = std::make_unique<DruckListe>(drucker, s_.Sprachspalte != 2);
    std::string fehler;
    if (!liste->oeffnen(fehler)) {
        meldeDruckfehler(frage_, s_, fehler);
        return nullptr;
    }
    liste_ = std::move(liste);
    offen_ = true;
    return liste_.get();
}

void Textdruck::schliesse()
{
    if (!liste_)
        return;
    std::string fehler;
    const bool gut = liste_->schliessen(fehler);
    liste_.reset();
    offen_ = false;
    if (!gut)
        meldeDruckfehler(frage_, s_, fehler);
}

void Textdruck::druckeErgebnisZeilen(std::vector<std::string>& zeilen)
{
    const PromptAnswer a = frage_.ask(PromptTitle::WasNun, PromptIcon::Question, std::string(meldungsText(s_, 11)),
                                      PromptButtons::YesNoCancel);
    if (a != PromptAnswer::Yes && a != PromptAnswer::No) {
        verwirfLetztenBlock(zeilen);
        return;
    }
    DruckListe* liste = oeffne();
    if (!liste)
        return;
    liste->schriftgroesse(11);
    liste->schreibe(ErgebnisText(zeilen));
    if (a == PromptAnswer::Yes) {
        liste->schreibe("\f");
        zeilen.clear();
    }
}

} // namespace umbrin
