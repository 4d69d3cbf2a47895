#include "drawing/Auftragsschutz.h"

#include <algorithm>
#include <system_error>

namespace umbrin {
namespace {

void entferne(const std::filesystem::path& datei)
{
    std::error_code ec;
    std::filesystem::remove(datei, ec);
}

// The guard runs while an exception may be unwinding: its actions must not throw.
void sicherAusfuehren(const std::function<void()>& f)
{
    try {
        f();
    } catch (...) {
    }
}

} // namespace

Auftragsschutz::Auftragsschutz(AppState& s)
    : s_(s)
    , platzierung_(platzierungVon(s))
{
}

Auftragsschutz::~Auftragsschutz()
{
    if (!erfolgreich_) {
        for (auto it = abbruch_.rbegin(); it != abbruch_.rend(); ++it)
            sicherAusfuehren(*it);
        for (const auto& d : begonnen_)
            entferne(d);
    }
    for (const auto& d : temporaer_)
        entferne(d);
    setzePlatzierung(s_, platzierung_);
    for (auto it = ende_.rbegin(); it != ende_.rend(); ++it)
        sicherAusfuehren(*it);
}

void Auftragsschutz::temporaer(const std::filesystem::path& datei) { temporaer_.push_back(datei); }
void Auftragsschutz::begonnen(const std::filesystem::path& datei) { begonnen_.push_back(datei); }

void Auftragsschutz::fertig(const std::filesystem::path& datei)
{
    begonnen_.erase(std::remove(begonnen_.begin(), begonnen_.end(), datei), begonnen_.end());
}

void Auftragsschutz::beimEnde(std::function<void()> aktion) { ende_.push_back(std::move(aktion)); }
void Auftragsschutz::beimAbbruch(std::function<void()> aktion) { abbruch_.push_back(std::move(aktion)); }

} // namespace umbrin
