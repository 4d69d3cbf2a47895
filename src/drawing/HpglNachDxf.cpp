#include "drawing/HpglNachDxf.h"

#include "core/SafeSave.h"
#include "core/TextEncoding.h"
#include "core/Texttabellen.h"
#include "drawing/DxfAusgabe.h"
#include "drawing/DxfEntitaeten.h"
#include "drawing/DxfKonverter.h"
#include "drawing/DxfKopf.h"
#include "drawing/DxfZahl.h"
#include "drawing/HpglLeser.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

namespace umbrin {
namespace {

// Largest count of 1/10000 mm that the fast path for whole plotter units forms; below 2^53,
// so that the count and its value as a double are both exact.
constexpr long long kGanzGrenze = 1'000'000'000'000'000LL;

// How much of a command's parameter text a message quotes.
constexpr std::size_t kZitatLaenge = 250;

bool istZiffer(char c)
{
    return c >= '0' && c <= '9';
}

bool istVorzeichen(char c)
{
    return c == '+' || c == '-';
}

bool istTokenZeichen(char c)
{
    return istZiffer(c) || c == '+' || c == '-' || c == '.';
}

// The value of the digits at the start of the eight characters at p, when there are fewer
// than eight of them, read at once: returns their count (0 when there are eight, which the
// caller reads one by one).
std::ptrdiff_t fuehrendeZiffern(const char* p, long long& n)
{
    constexpr std::uint64_t kHoch = 0x8080808080808080ULL;
    std::uint64_t w = 0;
    std::memcpy(&w, p, 8);
    // A byte's top bit marks a character that is not a digit: above "9", below "0", or above 127.
    const std::uint64_t sieben = w & 0x7F7F7F7F7F7F7F7FULL;
    const std::uint64_t keine = ((sieben + 0x4646464646464646ULL) | ~(sieben + 0x5050505050505050ULL) | w) & kHoch;
    if (keine == 0)
        return 0;
    const int anzahl = std::countr_zero(keine) / 8; // the first character is the lowest byte
    if (anzahl == 0)
        return 0;
    // The digits' values moved to the end of the eight, zeros before them, then combined in pairs,
    // fours and the eight.
    std::uint64_t v = (w - 0x3030303030303030ULL) << (8 * (8 - anzahl));
    v = v * 10 + (v >> 8);
    v = ((v & 0x000000FF000000FFULL) * (100 + (1000000ULL << 32)) +
         ((v >> 16) & 0x000000FF000000FFULL) * (1 + (10000ULL << 32))) >> 32;
    n = static_cast<long long>(v);
    return anzahl;
}

std::string ohneOrdner(const std::string& name)
{
    return std::filesystem::path(name).filename().string();
}

// Rows of the message table: " nicht konvertiert! ..." and " gespeichert!".
constexpr std::size_t kMeldungNichtKonvertiert = 45;
constexpr std::size_t kMeldungGespeichert = 58;

std::string meldung(std::size_t zeile, bool deutsch)
{
    return std::string(MeldungsTabelle[zeile].in(deutsch ? 1 : 2));
}

// The word before a file's name, in the language of the message that follows it.
std::string dateiWort(bool deutsch) { return deutsch ? "Datei " : "File "; }

// True when a plot saved as UTF-8 must be turned into Windows-1252, the code page the DXF file
// is written in (plots are normally Windows-1252 already), so its labels arrive unchanged.
bool brauchtCp1252(std::string_view bytes)
{
    return hatHoheBytes(bytes) && isValidUtf8(bytes);
}

// Where the DXF text goes during one conversion.
class DxfZiel {
public:
    virtual ~DxfZiel() = default;
    virtual bool oeffne(std::string& fehler) = 0;
    virtual DxfSenke& senke() = 0;
    // Puts neu in the place of the first alt characters written, after the sink has them all:
    // Gut, KannNicht (the target stays as written) or Fehler (with the message).
    enum class Ersetzt { Gut, KannNicht, Fehler };
    virtual Ersetzt ersetzeAnfang(std::size_t alt, std::string_view neu, std::string& fehler) = 0;
    virtual bool schliesse(std::string& fehler) = 0;
    // Drops what was written; the target stays as it was. Returns the reason of the failure.
    virtual std::string verwerfe() = 0;
    virtual std::string name() const = 0;
    // Why a plot that draws nothing leaves the target as it was, for its message.
    virtual std::string nichtsGezeichnet(bool) const { return {}; }
};

class DateiZiel : public DxfZiel {
public:
    // With festlegen the file takes its name when the conversion succeeds; without, the
    // caller's writer is left open and whole for the caller to put in place.
    DateiZiel(std::filesystem::path datei, bool deutsch, SafeFileWriter& writer, bool festlegen)
        : datei_(std::move(datei)), deutsch_(deutsch), writer_(writer), festlegen_(festlegen)
    {
        writer_.setReleaseReplacedInBackground(true); // an old drawing may be hundreds of megabytes
    }
    bool oeffne(std::string& fehler) override
    {
        senke_.reset(); // a sink of an earlier, dropped attempt
        if (writer_.open(datei_, deutsch_)) {
            senke_.emplace(writer_);
            return true;
        }
        fehler = writer_.error();
        return false;
    }
    DxfSenke& senke() override { return *senke_; }
    // Only a text of the same length can be written over the file's start.
    Ersetzt ersetzeAnfang(std::size_t alt, std::string_view neu, std::string& fehler) override
    {
        if (neu.size() != alt)
            return Ersetzt::KannNicht;
        if (writer_.rewriteStart(neu))
            return Ersetzt::Gut;
        fehler = verwerfe();
        return Ersetzt::Fehler;
    }
    bool schliesse(std::string& fehler) override
    {
        if (!festlegen_ ? writer_.ok() : writer_.commit())
            return true;
        fehler = writer_.error();
        writer_.abandon();
        return false;
    }
    std::string verwerfe() override
    {
        if (senke_)
            senke_->beende(); // the writer thread lets go of the file first
        std::string fehler = writer_.error();
        writer_.abandon();
        return fehler.empty() ? dateifehlerText(Dateivorgang::Schreiben, datei_, EIO, deutsch_) : fehler;
    }
    std::string name() const override { return datei_.string(); }
    std::string nichtsGezeichnet(bool deutsch) const override
    {
        std::error_code ec;
        const std::string name = datei_.filename().string();
        if (std::filesystem::exists(datei_, ec))
            return deutsch ? "Der Plot zeichnet nichts; die Datei " + name + " bleibt, wie sie war."
                           : "The plot draws nothing; the file " + name + " is left as it was.";
        return deutsch ? "Der Plot zeichnet nichts; keine DXF-Datei wurde geschrieben."
                       : "The plot draws nothing; no DXF file was written.";
    }

private:
    std::filesystem::path datei_;
    bool deutsch_;
    SafeFileWriter& writer_;
    bool festlegen_;
    std::optional<DxfDateiSenke> senke_;
};

class TextZiel : public DxfZiel {
public:
    explicit TextZiel(std::string& text) : text_(text), senke_(text) {}
    bool oeffne(std::string&) override
    {
        text_.clear();
        return true;
    }
    DxfSenke& senke() override { return senke_; }
    Ersetzt ersetzeAnfang(std::size_t alt, std::string_view neu, std::string&) override
    {
        text_.replace(0, alt, neu);
        return Ersetzt::Gut;
    }
    bool schliesse(std::string&) override { return true; }
    std::string verwerfe() override
    {
        text_.clear();
        return "Cannot write the DXF text";
    }
    std::string name() const override { return "DXF"; }

private:
    std::string& text_;
    DxfTextSenke senke_;
};

DxfErgebnis ergebnis(DxfStatus status, PromptTitle titel, PromptIcon symbol, std::string meldung)
{
    DxfErgebnis e;
    e.status = status;
    e.titel = titel;
    e.symbol = symbol;
    e.meldung = std::move(meldung);
    return e;
}

DxfErgebnis keinHpgl(const std::string& hpglName, const DxfEinstellung& einstellung,
                     std::vector<std::string>& infoZeilen)
{
    infoZeilen.clear();
    infoZeilen.push_back(hpglName + " ist kein HPGL-File!");
    return ergebnis(DxfStatus::KeinHpgl, PromptTitle::Warnung, PromptIcon::Warning,
                    "   " + dateiWort(einstellung.deutsch) + ohneOrdner(hpglName) + meldung(kMeldungNichtKonvertiert, einstellung.deutsch));
}

// Writes the DXF of a plot whose text speist(strom) hands to the command stream, piece by
// piece. speist returns false, with the message, when the plot cannot be read.
template <class Speise>
DxfErgebnis schreibeDxf(const std::string& hpglName, DxfZiel& ziel, const DxfEinstellung& einstellung,
                        std::vector<std::string>& infoZeilen, Speise&& speist)
{
    infoZeilen.clear();
    const double massstab =
        std::isfinite(einstellung.massstab) && einstellung.massstab > 0 ? einstellung.massstab : 1.0;
    std::string fehler;
    // The header stands before the entities and names the extents they reach. It is written
    // for the sheet; a drawing that runs past the sheet gets its own header in that one's
    // place once the entities are written: in the buffer while they are all still there, else
    // in the target. Only where neither can take it (a file whose header changes its length)
    // is the drawing written a second time, with the extents the first pass found.
    DxfAusdehnung kopf;
    for (bool zweiter = false;; zweiter = true) {
        if (!ziel.oeffne(fehler))
            return ergebnis(DxfStatus::Fehler, PromptTitle::Fehler, PromptIcon::Question,
                            (einstellung.deutsch ? "Das war ein Datei-Öffnungsfehler!\n" : "That was a file opening error!\n")
                                + fehler);

        DxfAusgabe aus(ziel.senke());
        const std::string kopfText = dxfKopf(kopf);
        aus.roh(kopfText);
        DxfKonverter konverter(aus, infoZeilen, einstellung.stiftbreite, massstab);
        BefehlsStrom strom(konverter);
        if (!speist(strom, fehler)) {
            ziel.verwerfe();
            infoZeilen.clear();
            return ergebnis(DxfStatus::Fehler, PromptTitle::Fehler, PromptIcon::Error, fehler);
        }
        strom.ende();
        konverter.beende();

        std::string neuerKopf;
        bool kopfRichtig = konverter.ausdehnung() == kopf;
        if (!kopfRichtig) {
            neuerKopf = dxfKopf(konverter.ausdehnung());
            kopfRichtig = aus.ersetzeAnfang(kopfText.size(), neuerKopf);
        }
        if (!aus.beende())
            return ergebnis(DxfStatus::Fehler, PromptTitle::Fehler, PromptIcon::Error, ziel.verwerfe());
        // A drawing without anything drawn does not take the place of an older one.
        if (!konverter.konvertiert()) {
            ziel.verwerfe();
            std::string warum = ziel.nichtsGezeichnet(einstellung.deutsch);
            return ergebnis(DxfStatus::NichtKonvertiert, PromptTitle::Fehler, PromptIcon::Warning,
                            dateiWort(einstellung.deutsch) + ohneOrdner(hpglName) + meldung(kMeldungNichtKonvertiert, einstellung.deutsch)
                                + (warum.empty() ? "" : "\n\r" + warum));
        }
        if (kopfRichtig || zweiter)
            break;
        const DxfZiel::Ersetzt ersetzt = ziel.ersetzeAnfang(kopfText.size(), neuerKopf, fehler);
        if (ersetzt == DxfZiel::Ersetzt::Fehler)
            return ergebnis(DxfStatus::Fehler, PromptTitle::Fehler, PromptIcon::Error, fehler);
        if (ersetzt == DxfZiel::Ersetzt::Gut)
            break;
        kopf = konverter.ausdehnung();
        ziel.verwerfe();
        infoZeilen.clear();
    }
    if (!ziel.schliesse(fehler))
        return ergebnis(DxfStatus::Fehler, PromptTitle::Fehler, PromptIcon::Error, fehler);
    return ergebnis(DxfStatus::Gespeichert, PromptTitle::Information, PromptIcon::Information,
                    "\r       " + dateiWort(einstellung.deutsch) + ohneOrdner(ziel.name()) + meldung(kMeldungGespeichert, einstellung.deutsch));
}

// A plot in memory.
DxfErgebnis konvertiere(std::string_view hpglRoh, const std::string& hpglName, DxfZiel& ziel,
                        const DxfEinstellung& einstellung, std::vector<std::string>& infoZeilen)
{
    std::string umgewandelt;
    std::string_view hpgl = hpglRoh;
    if (brauchtCp1252(hpglRoh)) {
        umgewandelt = utf8ToCp1252(decodeFileText(hpglRoh));
        hpgl = umgewandelt;
    }
    HpglPruefung pruefung;
    pruefung.lies(hpgl);
    if (!pruefung.hpgl())
        return keinHpgl(hpglName, einstellung, infoZeilen);
    return schreibeDxf(hpglName, ziel, einstellung, infoZeilen, [&](BefehlsStrom& strom, std::string&) {
        strom.lies(hpgl);
        return true;
    });
}

// A plot file, read in pieces: first to learn whether it is UTF-8 that must become
// Windows-1252 (only a file with bytes from 128 up that is well-formed UTF-8 throughout), then
// whether it is HPGL at all, then for the conversion. Only a piece and the current command
// are held, whatever the file's size.
DxfErgebnis konvertiereDatei(const std::filesystem::path& hpglDatei, const std::string& name, DxfZiel& ziel,
                             const DxfEinstellung& einstellung, std::vector<std::string>& infoZeilen)
{
    const std::string hpglName = name.empty() ? hpglDatei.string() : name;
    PlotDatei datei(hpglDatei, hpglName, einstellung.deutsch);
    std::string fehler;

    bool hoch = false;
    bool utf8 = true;
    {
        Utf8Zeichengrenze grenze;
        const bool gelesen = datei.durch(
            [&](std::string_view stueck) {
                if (!hoch) {
                    if (!hatHoheBytes(stueck))
                        return true;
                    hoch = true;
                }
                utf8 = isValidUtf8(grenze.ganze(stueck));
                return utf8;
            },
            fehler);
        if (!gelesen) {
            infoZeilen.clear();
            return ergebnis(DxfStatus::Fehler, PromptTitle::Fehler, PromptIcon::Error, fehler);
        }
        utf8 = utf8 && grenze.rest().empty();
    }
    const bool umwandeln = hoch && utf8;

    // Every piece of the text as the converter reads it.
    const auto durchText = [&](auto&& lies, std::string& f) {
        if (!umwandeln)
            return datei.durch([&](std::string_view stueck) { return lies(stueck); }, f);
        Utf8Zeichengrenze grenze;
        bool erstes = true;
        return datei.durch(
            [&](std::string_view stueck) {
                std::string_view ganz = grenze.ganze(stueck);
                if (erstes && ganz.substr(0, 3) == "\xEF\xBB\xBF")
                    ganz.remove_prefix(3);
                erstes = false;
                return lies(utf8ToCp1252(ganz));
            },
            f);
    };

    HpglPruefung pruefung;
    if (!durchText(
            [&](std::string_view stueck) {
                pruefung.lies(stueck);
                return !pruefung.hpgl();
            },
            fehler)) {
        infoZeilen.clear();
        return ergebnis(DxfStatus::Fehler, PromptTitle::Fehler, PromptIcon::Error, fehler);
    }
    if (!pruefung.hpgl())
        return keinHpgl(hpglName, einstellung, infoZeilen);

    return schreibeDxf(hpglName, ziel, einstellung, infoZeilen, [&](BefehlsStrom& strom, std::string& f) {
        return durchText(
            [&](std::string_view stueck) {
                strom.lies(stueck);
                return true;
            },
            f);
    });
}

} // namespace

DxfErgebnis HpglNachDxf(const std::filesystem::path& hpglDatei, const std::filesystem::path& dxfDatei,
                        const DxfEinstellung& einstellung, std::vector<std::string>& infoZeilen,
                        const std::string& hpglName)
{
    SafeFileWriter writer;
    DateiZiel ziel(dxfDatei, einstellung.deutsch, writer, true);
    return konvertiereDatei(hpglDatei, hpglName, ziel, einstellung, infoZeilen);
}

DxfErgebnis HpglNachDxfOffen(const std::filesystem::path& hpglDatei, const std::filesystem::path& dxfDatei,
                             SafeFileWriter& dxf, const DxfEinstellung& einstellung,
                             std::vector<std::string>& infoZeilen, const std::string& hpglName)
{
    DateiZiel ziel(dxfDatei, einstellung.deutsch, dxf, false);
    return konvertiereDatei(hpglDatei, hpglName, ziel, einstellung, infoZeilen);
}

DxfErgebnis HpglTextNachDxf(std::string_view hpgl, const std::string& hpglName,
                            const std::filesystem::path& dxfDatei, const DxfEinstellung& einstellung,
                            std::vector<std::string>& infoZeilen)
{
    SafeFileWriter writer;
    DateiZiel ziel(dxfDatei, einstellung.deutsch, writer, true);
    return konvertiere(hpgl, hpglName, ziel, einstellung, infoZeilen);
}

DxfErgebnis HpglTextNachDxfText(std::string_view hpgl, const std::string& hpglName, std::string& dxf,
                                const DxfEinstellung& einstellung, std::vector<std::string>& infoZeilen)
{
    TextZiel ziel(dxf);
    return konvertiere(hpgl, hpglName, ziel, einstellung, infoZeilen);
}

// ---------------------------------------------------------------------------------------------
// The converter: parameters and commands.

DxfKonverter::DxfKonverter(DxfAusgabe& aus, std::vector<std::string>& infoZeilen, int stiftbreite,
                           double massstab)
    : aus_(aus), infoZeilen_(infoZeilen), stiftbreite_(stiftbreite), massstab_(massstab)
{
    breite_ = dxfExponent((6.0L * stiftbreite - 6.0L) / massstab_);
    standardTextHoehe_ = dxfFest(2.7L / (static_cast<long double>(massstab_) / 40.0L), 10, 4);
    textHoehe_ = standardTextHoehe_;
    const double f = 10000.0 / massstab_;
    // At the scale 1 the numbers are taken as written, not reformatted.
    if (massstab_ != 1.0 && f >= 1 && f <= 1e6 && f == std::floor(f) && 10000.0 / f == massstab_) {
        faktor_ = static_cast<long long>(f);
        ganzGrenze_ = kGanzGrenze / faktor_;
    }
}

void DxfKonverter::info(std::string zeile)
{
    if (const auto it = bemerkungZeile_.find(zeile); it != bemerkungZeile_.end()) {
        ++bemerkungAnzahl_[it->second];
        return;
    }
    if (bemerkungAnzahl_.size() >= kBemerkungenHoechstens) {
        ++weitereBemerkungen_;
        return;
    }
    bemerkungZeile_.emplace(zeile, infoZeilen_.size());
    bemerkungAnzahl_.push_back(1);
    infoZeilen_.push_back(std::move(zeile));
}

std::string DxfKonverter::zitat(std::string_view text) const
{
    return cp1252ToUtf8(text.substr(0, kZitatLaenge));
}

// The next token of the parameter text: blanks, "," and ";" are skipped, then the longest run
// of digits, signs and points is taken (in an arc a sign after its first character ends it:
// the next number begins there). A missing token is reported once per command; from
// then on the command takes no more parameters.
bool DxfKonverter::naechsterToken(std::string_view& token)
{
    std::string_view& p = parameter_;
    std::size_t i = 0;
    while (i < p.size() && (p[i] == ' ' || p[i] == ',' || p[i] == ';'))
        ++i;
    std::size_t j = i;
    while (j < p.size() && istTokenZeichen(p[j]) && !(j > i && vorzeichenTrennt_ && istVorzeichen(p[j])))
        ++j;
    token = p.substr(i, j - i);
    p.remove_prefix(j);
    if (token.empty() || parameterFehler_) {
        if (!parameterFehler_)
            info("Error in HPGL-command:" + zitat(befehl_) + " " + zitat(p) + ";");
        while (!p.empty() && !(p.front() == '-' || p.front() == '.' || istZiffer(p.front())))
            p.remove_prefix(1);
        parameterFehler_ = true;
        return false;
    }
    return true;
}

bool DxfKonverter::leseRoh(std::string& text)
{
    std::string_view token;
    if (!naechsterToken(token))
        return false;
    text.assign(token);
    return true;
}

bool DxfKonverter::leseKoordinate(DxfText& text, double& wert)
{
    if (faktor_ > 0 && !parameterFehler_) {
        // Whole plotter units at 40 or 1000 per millimetre, the bulk of every plot: read and
        // written in one pass, and exact, since the text needs no rounding.
        const char* p = parameter_.data();
        const char* const e = p + parameter_.size();
        while (p < e && (*p == ' ' || *p == ',' || *p == ';'))
            ++p;
        bool negativ = false;
        if (p < e && (*p == '-' || *p == '+')) {
            negativ = *p == '-';
            ++p;
        }
        const char* const ziffern = p;
        long long n = 0;
        if (e - p >= 8)
            p += fuehrendeZiffern(p, n);
        while (p < e && istZiffer(*p) && p - ziffern < 15) {
            n = n * 10 + (*p - '0');
            ++p;
        }
        const bool endet = p == e || !istTokenZeichen(*p) || (vorzeichenTrennt_ && istVorzeichen(*p));
        if (p > ziffern && endet && n <= ganzGrenze_) {
            parameter_.remove_prefix(static_cast<std::size_t>(p - parameter_.data()));
            const long long q = negativ ? -n * faktor_ : n * faktor_;
            text.setzeZehntausendstel(q);
            wert = static_cast<double>(q) / 10000.0; // exact: |q| < 2^53, see kGanzGrenze
            return true;
        }
    }
    std::string_view token;
    if (!naechsterToken(token))
        return false;
    skaliereZahl(token, text, wert);
    return true;
}

bool DxfKonverter::lesePaar(DxfPunkt& punkt)
{
    return leseKoordinate(punkt.x, punkt.xWert) && leseKoordinate(punkt.y, punkt.yWert);
}

// A coordinate in drawing units: the plotter units divided by the scale, with four decimals
// and without leading blanks.
void DxfKonverter::skaliereZahl(std::string_view token, DxfText& text, double& wert)
{
    long double zahl = 0;
    if (!dxfLeseZahl(token, zahl)) {
        info("Fehler in: " + zitat(befehl_) + " " + zitat(token) + zitat(parameter_) + "; weil:" + zitat(token) +
             " keine Zahl ist.");
        text = "-1.0000";
        wert = -1;
        return;
    }
    if (massstab_ == 1.0) {
        text = token;
        wert = static_cast<double>(zahl);
        return;
    }
    text = dxfFest(zahl / static_cast<long double>(massstab_), 0, 4, &wert);
}

// A position plus a relative move, each sum with five decimals in eleven characters.
DxfPunkt DxfKonverter::addiere(const DxfPunkt& a, const DxfPunkt& b)
{
    if (a.x.empty())
        info(a.x.str() + "=x hat keinen Zahlenwert");
    if (a.y.empty())
        info(a.y.str() + "=y hat keinen Zahlenwert");
    DxfPunkt summe;
    summe.x = dxfFest(static_cast<long double>(a.xWert) + b.xWert, 11, 5, &summe.xWert);
    summe.y = dxfFest(static_cast<long double>(a.yWert) + b.yWert, 11, 5, &summe.yWert);
    return summe;
}

void DxfKonverter::befehl(std::string_view mnemonic, std::string_view parameter)
{
    befehl_.assign(mnemonic);
    parameter_ = parameter;
    parameterFehler_ = false;

    // The two letters as one number, compared against each command's.
    const auto kode = [](char a, char b) {
        return static_cast<unsigned>(static_cast<unsigned char>(a)) << 8 | static_cast<unsigned char>(b);
    };
    const unsigned nummer = mnemonic.size() == 2 ? kode(mnemonic[0], mnemonic[1]) : 0;
    const auto ist = [&](const char (&m)[3]) { return nummer == kode(m[0], m[1]); };
    if (ist("PD")) {
        stiftAb();
    } else if (ist("PU")) {
        stiftAuf();
    } else if (ist("PA")) {
        bewegeAbsolut();
    } else if (ist("PR")) {
        bewegeRelativ();
    } else if (ist("SP")) {
        waehleStift();
    } else if (ist("LT")) {
        waehleLinienTyp();
    } else if (ist("EA") || ist("ER")) {
        rechteck(ist("ER"));
    } else if (ist("PW")) {
        stiftBreite();
    } else if (ist("CI")) {
        kreis();
    } else if (ist("AA") || ist("AR")) {
        dxfSeqend();
        vorzeichenTrennt_ = true;
        dxfBogen(ist("AA"));
        vorzeichenTrennt_ = false;
    } else if (ist("SI")) {
        zeichenGroesse();
    } else if (ist("DI")) {
        hpglRichtung();
    } else if (ist("SL")) {
        neigung();
    } else if (ist("LB")) {
        dxfSeqend();
        dxfText(parameter);
    } else if (ist("IW")) {
        hpglFenster();
    } else if (ist("SA")) {
        symbolsatz_ = true;
    } else if (ist("SS")) {
        symbolsatz_ = false;
    } else if (ist("IN")) {
        initialisiere();
    } else if (ist("VS")) {
        // pen speed: nothing to draw
    } else {
        info("Command: " + zitat(befehl_) + "; not supported!");
        dxfSeqend();
    }
}

} // namespace umbrin
