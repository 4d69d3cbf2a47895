#pragma once
// Composing and writing the settings text. One format serves the settings file "umb.ini" and
// the construction-data files "*.umb": 18 main lines, then "[Farben]" with twelve colours,
// "[Zeiten]" with fourteen hour-range numbers and the interval line, and "[Datumslinien]"
// with one line per own date line: 48 + n lines. On disk the text is Windows-1252 with
// CR LF after every line; in memory the lines are UTF-8.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace umbrin {

struct AppState;
class UserPrompt;

// Fills liste with the complete settings text of the state. With keepOld the colour section
// repeats the colours of the settings file s.IniDatei (when it exists and has a "[Farben]"
// line) instead of the current ones. Date lines that fail the date check are left out and
// reported; a settings file that exists but cannot be read is reported.
void IniTextErstellen(const AppState& s, bool keepOld, std::vector<std::string>& liste, UserPrompt& prompt);

// The second latitude as main line 1 writes it, 12 wide with two decimals; one just south of
// the equator is written "-0.00", so the reader gives it back on its own side.
std::string zweiteBreiteText(double breite2);

// The bytes of a settings text on disk: every line in Windows-1252, ended by CR LF.
std::string IniTextBytes(const std::vector<std::string>& zeilen);

// The lines of a file's bytes, read as UTF-8 when they are well-formed UTF-8 and as
// Windows-1252 otherwise. CR LF, LF and a lone CR each end a line; a final line needs no end.
std::vector<std::string> IniTextZeilen(std::string_view bytes);

// Saves a settings text through a temporary file and a rename. On failure the old file is
// untouched and fehler names the file.
bool IniTextSpeichern(const std::vector<std::string>& zeilen, const std::filesystem::path& datei, std::string& fehler,
                      bool deutsch = true);

// Writes a fresh file of the current state (colours included) and reports the result: the
// file name with " gespeichert!", or the file name with the could-not-save message.
bool SchreibeNeueIni(const AppState& s, const std::filesystem::path& datei, UserPrompt& prompt);

} // namespace umbrin
