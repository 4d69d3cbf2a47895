#pragma once
// Converts the program's own HPGL plots into ASCII DXF drawings in millimetres.
//
// The HPGL is read command by command (two-letter mnemonics, parameters up to ";", labels up
// to the character 3) and turned into POLYLINE, CIRCLE, ARC and TEXT records on the layer of
// the current pen. Labels keep their Windows-1252 characters and the file says so in its
// header. Whatever the converter cannot take is reported line by line in the caller's message
// list; the outcome comes back as a status with the message box the window shows once.
#include "core/UserPrompt.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace umbrin {

class SafeFileWriter;

enum class DxfStatus {
    Gespeichert,      // the DXF file was written and holds the drawing
    NichtKonvertiert, // the plot draws nothing; no DXF file was made, an old one stays
    KeinHpgl,         // the input is not HPGL; no DXF file was made
    Fehler,           // a file could not be read, created or written; no DXF file was left
};

struct DxfErgebnis {
    DxfStatus status = DxfStatus::Fehler;
    // The message box to show after the conversion (UTF-8).
    PromptTitle titel = PromptTitle::Fehler;
    PromptIcon symbol = PromptIcon::Error;
    std::string meldung;

    bool gespeichert() const { return status == DxfStatus::Gespeichert; }
};

// The settings of one conversion.
struct DxfEinstellung {
    int stiftbreite = 1;    // output line width: 1 fine, 2 medium, 3 thick
    double massstab = 40.0; // HPGL units per millimetre (40, or 1000 for plots enlarged 25 times); <= 0 counts as 1
    bool deutsch = true;    // language of the message box
};

// Converts the HPGL file into the DXF file. infoZeilen is cleared and receives the
// converter's remarks (unsupported commands, faulty parameters). A DXF file is only ever
// replaced whole: on any failure the old file stays and no partial file is left. hpglName
// names the plot in messages where its path would not say what it is (an intermediate file).
DxfErgebnis HpglNachDxf(const std::filesystem::path& hpglDatei, const std::filesystem::path& dxfDatei,
                        const DxfEinstellung& einstellung, std::vector<std::string>& infoZeilen,
                        const std::string& hpglName = {});

// The same into dxf, opened here for dxfDatei and, when the drawing is saved, left open and
// whole for the caller to put in its place (commit, or commitTogether with another file);
// the result's message is the one to show once it is there. On any other outcome nothing of
// it is left and dxfDatei stays as it was.
DxfErgebnis HpglNachDxfOffen(const std::filesystem::path& hpglDatei, const std::filesystem::path& dxfDatei,
                             SafeFileWriter& dxf, const DxfEinstellung& einstellung,
                             std::vector<std::string>& infoZeilen, const std::string& hpglName = {});

// The same for HPGL text already in memory (Windows-1252 or UTF-8); hpglName names it in the
// messages.
DxfErgebnis HpglTextNachDxf(std::string_view hpgl, const std::string& hpglName,
                            const std::filesystem::path& dxfDatei, const DxfEinstellung& einstellung,
                            std::vector<std::string>& infoZeilen);

// The same with the DXF text (Windows-1252, CR LF) returned in dxf instead of a file.
DxfErgebnis HpglTextNachDxfText(std::string_view hpgl, const std::string& hpglName, std::string& dxf,
                                const DxfEinstellung& einstellung, std::vector<std::string>& infoZeilen);

} // namespace umbrin
