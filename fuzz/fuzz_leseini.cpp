// Fuzz target of the settings reader: any bytes as "umb.ini", every question answered No.
// Whatever state comes out must compose into a file that reads back quietly: what the reader
// accepts, the writer writes in a form the reader accepts again, and writes the same text again
// after reading it back.
#include "core/State.h"
#include "core/UserPrompt.h"
#include "dialogs/IniLesen.h"
#include "dialogs/IniText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace umbrin;
namespace fs = std::filesystem;

class AnswerNo : public UserPrompt {
public:
    PromptAnswer ask(PromptTitle, PromptIcon, const std::string&, PromptButtons buttons) override
    {
        ++count;
        return buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::No;
    }
    bool askText(const std::string&, const std::string&, std::string&) override { return false; }
    int count = 0;
};

const AppState& startState()
{
    static const AppState s = [] {
        AppState a;
        initialisiereZustand(a);
        return a;
    }();
    return s;
}

// The folder of this process's files, removed with everything in it when the process ends.
struct Arbeitsordner {
    fs::path pfad = fs::temp_directory_path() / ("umbrin_fuzz_leseini_" + std::to_string(::getpid()));
    Arbeitsordner() { fs::create_directories(pfad); }
    ~Arbeitsordner()
    {
        std::error_code fehler;
        fs::remove_all(pfad, fehler);
    }
};

const fs::path& folder()
{
    static const Arbeitsordner dir;
    return dir.pfad;
}

void writePlain(const fs::path& path, const char* data, std::size_t size)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(data, static_cast<std::streamsize>(size));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fs::path file = folder() / "umb.ini";
    writePlain(file, reinterpret_cast<const char*>(data), size);

    AppState s = startState();
    AnswerNo prompt;
    LeseIni(s, file, true, true, prompt);

    std::vector<std::string> lines;
    IniTextErstellen(s, false, lines, prompt);
    if (lines.size() < 48)
        std::abort();
    const std::string bytes = IniTextBytes(lines);
    const fs::path back = folder() / "zurueck.umb";
    writePlain(back, bytes.data(), bytes.size());

    AppState again = startState();
    AnswerNo quiet;
    const IniLeseErgebnis r = LeseIni(again, back, true, true, quiet);
    if (r.status != IniLeseStatus::Gelesen || quiet.count != 0)
        std::abort();
    // Read back, the state writes the very same text again.
    std::vector<std::string> again_lines;
    IniTextErstellen(again, false, again_lines, quiet);
    if (again_lines != lines)
        std::abort();
    return 0;
}
