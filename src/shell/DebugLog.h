#pragma once
// The optional debug log "HHDebug.txt" of the help hook. It is switched on by "-debug" or
// "/debug" on the command line (any case) or by a file "debug.debug" beside the program.
// Every line is appended by opening and closing the file, so a crash loses nothing; a line
// that cannot be written is dropped, the log never stops the program.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace umbrin {

// What the program knows about itself when the log starts (filled by the shell).
struct LogUmgebung {
    std::filesystem::path modulPfad;   // the executable
    std::vector<std::string> argumente; // argv without argv[0]
    std::string aufrufzeile;           // the whole command line as given
    std::string laufOrdner;            // folder of argv[0]
    std::string version;               // program version text
    std::string hilfeBetrachter;       // the help viewer found, empty when none
};

class TDLogFile {
public:
    // Creates the log object. When enabled, an old file is deleted and the header written;
    // when not enabled, nothing on disk is touched.
    TDLogFile(std::filesystem::path datei, bool aktiv, const LogUmgebung& umgebung = {},
              bool zeitstempel = true, bool kopf = true);

    bool aktiv() const { return aktiv_; }
    const std::filesystem::path& datei() const { return datei_; }

    // One line: "-" and "=" become 80 dashes or equals signs; a leading "!", "-" or "=" is
    // dropped together with the time prefix; other lines get "hh:mm:ss   " in front.
    void schreibe(const std::string& text);

    // Formatting of one line as it goes to the file (without line end); exposed for tests.
    static std::string zeile(const std::string& text, const std::string& zeitPrefix);

    // Injected clock for tests: returns the time-of-day text.
    std::function<std::string()> uhr;

private:
    void schreibeKopf(const LogUmgebung& u);
    std::filesystem::path datei_;
    bool aktiv_;
    bool zeitstempel_;
};

// True when the command line or a "debug.debug" beside the program asks for the log.
bool debugGewuenscht(const std::vector<std::string>& argumente, const std::filesystem::path& programmOrdner);

// Folder for the log: the program folder when a test file can be created there, else the
// system's temporary folder.
std::filesystem::path logOrdner(const std::filesystem::path& programmOrdner);

} // namespace umbrin
