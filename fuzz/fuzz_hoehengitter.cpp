// Feeds arbitrary bytes to the elevation-tile readers: the header, every row, the height of a
// row at a column, and a whole profile computation over the bytes as a tile file with its
// centre in the middle of the tile. Nothing may crash, hang or read out of bounds.
#include "tables/BerechneHorizont.h"
#include "tables/Hoehengitter.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>

using namespace umbrin;

namespace {

class Stumm : public UserPrompt {
public:
    PromptAnswer ask(PromptTitle, PromptIcon, const std::string&, PromptButtons) override { return PromptAnswer::No; }
    bool askText(const std::string&, const std::string&, std::string&) override { return false; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> zeilen;
    std::size_t a = 0;
    while (a < bytes.size() && zeilen.size() < 64) {
        std::size_t e = bytes.find('\n', a);
        if (e == std::string_view::npos)
            e = bytes.size();
        zeilen.emplace_back(bytes.substr(a, e - a));
        a = e + 1;
    }
    const Kopflesung kopf = leseKachelkopf(zeilen, "fuzz.asc", 1);
    if (kopf.kopf.has_value() != kopf.fehler.empty())
        __builtin_trap();
    std::vector<std::int32_t> werte;
    for (std::size_t i = 6; i < zeilen.size(); ++i) {
        const Zeilenwerte z = leseGitterzeile(zeilen[i], -9999, werte);
        if (z.anzahl != werte.size())
            __builtin_trap();
        for (std::int32_t spalte : {-1, 0, 1, static_cast<std::int32_t>(werte.size()) - 1, static_cast<std::int32_t>(werte.size())})
            (void)LeseZahl(zeilen[i], spalte, 0.5L, -9999);
    }
    if (!kopf.kopf || kopf.kopf->Kachelgrad > 2)
        return 0;

    const std::string datei = (std::filesystem::temp_directory_path() /
                               ("umbrin_fuzz_kachel_" + std::to_string(::getpid()) + ".asc")).string();
    if (std::FILE* f = std::fopen(datei.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    // The line reader within a small limit: no header line longer than its cut, no line
    // beyond the limit.
    Zeilenleser leser;
    std::string_view zeile;
    if (leser.oeffne(datei, true, 4096))
        for (int i = 0; leser.naechsteZeile(zeile, i < 6 ? 200 : SIZE_MAX); ++i)
            if (zeile.size() > (i < 6 ? 200u : 4096u))
                __builtin_trap();
    const Kachelkopf& k = *kopf.kopf;
    Stumm prompt;
    HorizontDienste dienste;
    dienste.prompt = &prompt;
    HorizontEingabe e;
    e.Breite = static_cast<double>(k.Nordrand - k.Kachelgrad / 2.0L);
    e.Laenge = -static_cast<double>(k.Westrand + k.Kachelgrad / 2.0L);
    e.MaxAbstandKm = 3;
    e.threads = 1;
    const HorizontErgebnis r = BerechneHorizont(e, datei, dienste);
    for (const Horizontpunkt& p : r.profil)
        if (!(p.Hoehe >= 0 && p.Hoehe <= 90))
            __builtin_trap();
    std::remove(datei.c_str());
    return 0;
}
