#pragma once
// The texts of failed file operations in the program's language: what could not be done with
// which file, and why, in the words of the current language rather than the system's English.
#include <filesystem>
#include <string>

namespace umbrin {

enum class Dateivorgang { Lesen, Schreiben, Ersetzen };

// "Die Datei "name" kann nicht geschrieben werden: Kein Speicherplatz ..." / "Cannot write
// "name": No space left on device"; fehlernummer is the system's error number (errno).
std::string dateifehlerText(Dateivorgang vorgang, const std::filesystem::path& datei, int fehlernummer, bool deutsch);

// The reason alone: "Kein Speicherplatz mehr auf dem Datenträger" / "No space left on device".
std::string fehlergrundText(int fehlernummer, bool deutsch);

// A file the user may not write: its name, then the message of a write-protected file.
std::string schreibschutzText(const std::filesystem::path& datei, bool deutsch);

// A name to be read (or replaced) that is a folder, a pipe or a device rather than a file.
std::string keineDateiText(const std::filesystem::path& datei, bool ordner, bool deutsch,
                           Dateivorgang vorgang = Dateivorgang::Lesen);

// A write to a file that is not open (a program fault, not a fault of the disk).
std::string nichtOffenText(const std::filesystem::path& datei, bool deutsch);

} // namespace umbrin
