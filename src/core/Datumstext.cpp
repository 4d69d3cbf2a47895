#include "core/Datumstext.h"

#include "core/Eingabepruefung.h"
#include "core/Meldungen.h"
#include "core/Sprachdienst.h"
#include "core/Textumformung.h"

namespace umbrin {

namespace {

bool istSchaltjahr(std::int32_t jahr)
{
    return (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
}

bool gibtEsDatum(std::int32_t tag, std::int32_t monat, std::int32_t jahr)
{
    if (monat < 1 || monat > 12 || tag < 1 || tag > 31)
        return false;
    if ((monat == 4 || monat == 6 || monat == 9 || monat == 11) && tag == 31)
        return false;
    if (monat == 2 && (tag > 29 || (tag == 29 && !istSchaltjahr(jahr))))
        return false;
    return true;
}

std::string zweistellig(std::int32_t n)
{
    std::string text = std::to_string(n);
    if (text.size() < 2)
        text.insert(0, 1, '0');
    return text;
}

} // namespace

Datumsteile zerlegeDatum(std::string_view text, std::int32_t jahr, int sprachspalte)
{
    Datumsteile d;
    std::string_view tagTeil = text.substr(0, 2);
    std::string_view monatTeil;
    if (const std::size_t strich = text.find('/'); strich != std::string_view::npos)
        monatTeil = text.substr(strich + 1, 2);
    if (tagTeil.size() == 2 && (tagTeil[1] == ' ' || tagTeil[1] == '/'))
        tagTeil = tagTeil.substr(0, 1);
    if (monatTeil.size() == 2 && monatTeil[1] == ' ')
        monatTeil = monatTeil.substr(0, 1);

    const auto tag = leseGanzzahl(tagTeil);
    const auto monat = leseGanzzahl(monatTeil);
    if (!tag || !monat) {
        d.umwandlungFehlgeschlagen = true;
        return d;
    }
    d.tag = *tag;
    d.monat = *monat;
    if (!gibtEsDatum(d.tag, d.monat, jahr))
        return d;

    d.datum = zweistellig(d.tag) + "/" + zweistellig(d.monat);
    d.anzeige = zweistellig(d.tag) + ". " + MonatsKurz[sprachspalte == 2 ? 1 : 0][static_cast<std::size_t>(d.monat - 1)];
    d.schluessel = d.tag + 100 * d.monat;
    d.fehler = false;
    return d;
}

void DatumZerlegen(const AppState& s, std::string_view text, bool melden, UserPrompt* prompt,
                   bool& err, std::int32_t& key, std::string& anzeige, std::string& datum)
{
    const Datumsteile d = zerlegeDatum(text, s.Par.Jahr, s.Sprachspalte);
    anzeige = d.anzeige;
    datum = d.datum;
    err = d.fehler;
    if (!d.fehler) {
        key = d.schluessel;
        return;
    }
    if (!d.umwandlungFehlgeschlagen)
        key = -1;
    if (melden && prompt)
        zeigeMeldung(*prompt, s, 6, PromptTitle::Fehler, PromptIcon::Error);
}

bool DatumPruefen(const AppState& s, std::string_view text, UserPrompt* prompt)
{
    const Datumsteile d = zerlegeDatum(text, s.Par.Jahr, s.Sprachspalte);
    if (!d.fehler)
        return true;
    if (!text.empty() && prompt) {
        std::string meldung(meldungsText(s, 57));
        meldung += ": ";
        meldung += zitatAusDatei(text);
        prompt->ask(PromptTitle::Fehler, PromptIcon::Error, meldung, PromptButtons::Ok);
    }
    return false;
}

} // namespace umbrin
