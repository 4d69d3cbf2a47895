#pragma once
// A print job into a file (a PDF) that never damages the file it replaces. The printer writes
// into a temporary file beside the target, whatever fails on the way; only a file that arrived
// whole takes the target's place, through the safe save. Qt's PDF writer neither reports a
// failed write nor leaves the old file alone (it empties it before the first page), so the
// file is checked here, not the printer's state.
//
// While the guard lives the printer's output file name is the temporary's; it is put back when
// the guard ends. A job on a real printer passes through unchanged.
#include "core/State.h"
#include "core/UserPrompt.h"

#include <QString>

#include <filesystem>
#include <string>
#include <string_view>

class QPrinter;

namespace umbrin {

class Dateidruck {
public:
    Dateidruck(QPrinter& drucker, bool deutsch);
    ~Dateidruck();
    Dateidruck(const Dateidruck&) = delete;
    Dateidruck& operator=(const Dateidruck&) = delete;

    // False when the job goes into a file and no temporary file could be made beside it
    // (fehler() says why); the printer then prints nowhere and nothing may be started.
    bool bereit() const { return bereit_; }
    // Call once the painter has ended. For a file job: true when the printed file is whole and
    // has replaced the target; the temporary is gone either way. True for a printer job.
    bool abschliessen();
    const std::string& fehler() const { return fehler_; }
    // Why a failed job failed, naming the file for a job into a file: what went wrong with it
    // when known, else that the file was not printed (the old one stays), with the disk's lack
    // of room when that stopped it. Empty for a printer.
    std::string grund() const;

private:
    std::string unvollstaendigText(bool teilweise) const;
    // Removes the temporary and lets go of it.
    void entferneTemporaere();

    QPrinter& drucker_;
    QString ziel_;
    std::filesystem::path temporaer_;
    int halter_ = -1; // holds the temporary while the printer fills it
    std::string fehler_;
    bool deutsch_;
    bool bereit_ = true;
};

// True when bytes hold a PDF written to its end: the last cross-reference offset names where
// the cross-reference actually stands, which a file cut off or missing a piece does not.
bool pdfVollstaendig(std::string_view bytes);

// "Der Drucker kann den Druck in "name" nicht beginnen" / "Cannot start printing to "name"":
// the printer (or the file it prints into) refused the job; without a name, none is given.
std::string druckstartFehlerText(const QString& ziel, bool deutsch);

// The report of a failed print: message 42 as the headline, then the reason when there is one
// (a file's name and what went wrong with it), in the user's language.
std::string druckfehlerText(const AppState& s, const std::string& grund);
// Shows that report (title pair Fehler, warning icon).
void meldeDruckfehler(UserPrompt& frage, const AppState& s, const std::string& grund);

} // namespace umbrin
