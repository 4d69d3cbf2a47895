#pragma once
// The open plot file that every HPGL writer appends to, and the line writer HPGLZeile.
//
// A plot is one continuous line of commands, each carrying its own ";". The writers hand
// their pieces in as UTF-8 (labels may hold umlauts); the file is Windows-1252. A plot file
// for a plotter writes its labels in the plotter's standard character set, which has no
// umlauts; the intermediate of a DXF drawing keeps them, as DXF readers show them. The text
// goes to a temporary file beside the target and becomes the target only when schliessen()
// succeeds, so a plot whose writing failed never stands on disk looking finished. The
// memory form serves the DXF intermediate, which is read back at once, and the tests.
#include "core/SafeSave.h"

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace umbrin {

// A write to the plot (or to its coordinate list) failed. The message names the file. The
// writer that was running stops where it is; the export catches this, drops the unfinished
// file and reports the message.
class HPGLSchreibfehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class HPGLDatei {
public:
    HPGLDatei() = default;
    HPGLDatei(const HPGLDatei&) = delete;
    HPGLDatei& operator=(const HPGLDatei&) = delete;
    friend bool schliessenZusammen(HPGLDatei& erste, HPGLDatei& zweite, std::string& fehler);

    // Opens ziel for writing (an existing file is replaced only at schliessen). Its labels are
    // written in plain ASCII (Plotterschrift, in the given language). False, with a message
    // naming the file (in German or English), when the temporary file cannot be created.
    bool oeffnen(const std::filesystem::path& ziel, std::string& fehler, bool deutsch = true);
    // Opens a plot that is only read back (the intermediate of a DXF export): it takes no
    // name in the folder of `name`, which names it in messages, and lives until verwerfen()
    // or the next oeffnen. After schliessen() it is read under lesePfad().
    bool oeffnenZwischendatei(const std::filesystem::path& name, std::string& fehler, bool deutsch = true);
    // Opens a plot held in memory, its labels as written; inhalt() then holds its bytes.
    void oeffnenImSpeicher();

    bool istOffen() const { return art_ != Art::Zu; }
    // The file name as given to oeffnen (empty for a plot in memory).
    const std::filesystem::path& name() const { return name_; }
    // Where the closed intermediate plot is read.
    std::filesystem::path lesePfad() const { return datei_.scratchPath(); }

    // Appends the text (converted to Windows-1252, its labels to the plotter's characters in
    // a plot file). Throws HPGLSchreibfehler
    // naming the file when the plot is not open or the write fails.
    void schreibe(std::string_view text);

    // Ends the plot: a file is flushed, closed and renamed over its target. False, with a
    // message naming the file, when that fails; the target then stays as it was.
    bool schliessen(std::string& fehler);
    // Drops an unfinished plot: the temporary file is removed, the target left untouched.
    void verwerfen();

    // The bytes of a plot in memory (Windows-1252).
    const std::string& inhalt() const { return speicher_; }

private:
    enum class Art { Zu, Datei, Speicher };
    Art art_ = Art::Zu;
    std::filesystem::path name_;
    SafeFileWriter datei_;
    std::string speicher_;
    bool deutsch_ = true;
    bool plotterSchrift_ = false;
};

// Ends two plot files together: both take their targets' places, or neither does (commitTogether).
// False, with the message naming the file that failed; both targets then stay as they were.
bool schliessenZusammen(HPGLDatei& erste, HPGLDatei& zweite, std::string& fehler);

// Appends one piece of HPGL text to the open plot: nothing for the empty text, otherwise the
// text as it stands, with no separator or line break added. A failed write throws
// HPGLSchreibfehler, which ends the writer that called.
void HPGLZeile(HPGLDatei& datei, std::string_view s);

} // namespace umbrin
