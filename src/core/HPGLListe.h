#pragma once
// The coordinate list that may accompany a plot: a plain text of the dial's construction
// data and of every drawn point in millimetres from the gnomon foot. It goes to a text file
// beside the plot or to the printer; the writer only sees this interface.
#include "core/HPGLDatei.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace umbrin {

class HPGLListe {
public:
    virtual ~HPGLListe() = default;
    // Appends text (UTF-8) to the current line. Throws HPGLSchreibfehler naming the file when
    // the write fails.
    virtual void schreibe(std::string_view text) = 0;
    // Ends the current line.
    virtual void zeilenende() = 0;
    // The printer's font size in points for what follows; a file ignores it.
    virtual void schriftgroesse(int punkte) { (void)punkte; }
    // Finishes the list. False, with a message naming the file, when that fails.
    virtual bool schliessen(std::string& fehler) = 0;
    // Drops an unfinished list.
    virtual void verwerfen() {}
};

// The list as a text file: Windows-1252, lines ended by CR LF. Like the plot, it replaces its
// target only when it is closed without a failure; it can also be held in memory.
class HPGLListenDatei : public HPGLListe {
public:
    bool oeffnen(const std::filesystem::path& ziel, std::string& fehler, bool deutsch = true);
    void oeffnenImSpeicher();

    void schreibe(std::string_view text) override;
    void zeilenende() override;
    bool schliessen(std::string& fehler) override;
    void verwerfen() override;

    // The bytes of a list in memory (Windows-1252).
    const std::string& inhalt() const { return datei_.inhalt(); }

private:
    HPGLDatei datei_;
};

} // namespace umbrin
