#include "shell/Datumsdatei.h"

#include "core/Dateigroesse.h"
#include "core/Datumstext.h"
#include "core/SafeSave.h"
#include "core/TextEncoding.h"
#include "core/Textumformung.h"

namespace umbrin {

bool speichereDatumsdatei(const std::filesystem::path& datei, const std::vector<std::string>& linien,
                          std::string& fehler, bool deutsch)
{
    std::string text;
    for (const auto& l : linien)
        text += utf8ToCp1252(l) + "\r\n";
    return saveFileSafely(datei, text, fehler, deutsch);
}

DatumsdateiErgebnis ladeDatumsdatei(const std::filesystem::path& datei, std::int32_t jahr, bool deutsch)
{
    DatumsdateiErgebnis e;
    std::string bytes;
    std::error_code ec;
    if (!std::filesystem::exists(datei, ec) && !ec)
        return e;
    if (!leseDateiDerArt(datei, Dateiart::Datumsdatei, bytes, e.fehler, deutsch))
        return e;
    e.gelesen = true;
    const std::string text = decodeFileText(bytes);
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t ende = text.find('\n', start);
        if (ende == std::string::npos)
            ende = text.size();
        std::string zeile = text.substr(start, ende - start);
        if (!zeile.empty() && zeile.back() == '\r')
            zeile.pop_back();
        start = ende + 1;
        if (zeile.find_first_not_of(" \t") == std::string::npos)
            continue;
        if (zerlegeDatum(zeile, jahr, 1).fehler)
            e.verworfen.push_back(zitatAusDatei(zeile));
        else
            e.linien.push_back(zeile);
    }
    return e;
}

} // namespace umbrin
