#include "tables/BerechneHorizont.h"

#include "core/Rounding.h"
#include "core/State.h"
#include "core/Zahlenformat.h"
#include "tables/HorizontTexte.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <thread>

namespace umbrin {

namespace {

constexpr std::int32_t kHalbeFensterZeilen = 250; // FensterZeilen 500 around the centre row
constexpr long double kGradProKm = 1.0L / 111.11L;
constexpr double kGroessteBreite = 85.0;

bool fehlt(const std::string& datei)
{
    std::error_code ec;
    return !std::filesystem::exists(std::filesystem::u8path(datei), ec) && !ec;
}

// A data row waiting for a far-field thread: its number and its text in the block buffer.
struct Blockzeile {
    std::int32_t k;
    std::size_t von, laenge;
};

} // namespace

bool leseKachelkopfDatei(const std::string& datei, int sprachspalte, Kachelkopf& kopf, std::string& fehler)
{
    Zeilenleser leser;
    if (!leser.oeffne(std::filesystem::u8path(datei), sprachspalte != 2)) {
        fehler = leser.fehler();
        return false;
    }
    std::vector<std::string> zeilen;
    std::string_view z;
    // A header line is a keyword, blanks and a number: a longer one is cut, never held whole.
    constexpr std::size_t kKopfzeileHoechstens = 200;
    while (zeilen.size() < 6 && leser.naechsteZeile(z, kKopfzeileHoechstens))
        zeilen.emplace_back(z);
    if (!leser.fehler().empty()) {
        fehler = leser.fehler();
        return false;
    }
    const Kopflesung l = leseKachelkopf(zeilen, datei, sprachspalte);
    if (!l.kopf) {
        fehler = l.fehler;
        return false;
    }
    kopf = *l.kopf;
    return true;
}

int nachbarCode(const Kachelkopf& erste, const Kachelkopf& kachel)
{
    const long double K = erste.Kachelgrad;
    auto stufe = [K](long double d) {
        if (std::fabs(d) < 0.001L)
            return 0;
        if (std::fabs(d - K) < 0.001L)
            return 1;
        if (std::fabs(d + K) < 0.001L)
            return -1;
        return 9;
    };
    const int n = stufe(kachel.Nordrand - erste.Nordrand);
    const int w = stufe(kachel.Westrand - erste.Westrand);
    struct Lage {
        int n, w, code;
    };
    static constexpr Lage lagen[] = {{1, 0, 1},   {0, 1, 2},   {-1, 0, 3},  {0, -1, 4},
                                     {1, 1, 12},  {1, -1, 14}, {-1, 1, 23}, {-1, -1, 34}};
    for (const Lage& l : lagen)
        if (l.n == n && l.w == w)
            return l.code;
    return 0;
}

Horizontrechnung::Horizontrechnung(const HorizontEingabe& eingabe, HorizontDienste& dienste)
    : e_(eingabe), d_(dienste)
{
}

bool Horizontrechnung::abgebrochen() const { return d_.abbruch && d_.abbruch->load(std::memory_order_relaxed); }

void Horizontrechnung::meldung(PromptTitle titel, PromptIcon icon, const std::string& text)
{
    if (d_.prompt)
        d_.prompt->ask(titel, icon, text, PromptButtons::Ok);
}

bool Horizontrechnung::beginne(const std::string& datei)
{
    datei_ = datei;
    if (fehlt(datei)) {
        meldung(PromptTitle::WasNun, PromptIcon::Question, datei + sp(" : Datei nicht gefunden!", " : File not found!"));
        return false;
    }
    std::string fehler;
    if (!leseKachelkopfDatei(datei, e_.sprachspalte, erste_, fehler)) {
        meldung(PromptTitle::Fehler, PromptIcon::Error, fehler);
        return false;
    }
    const long double phi = std::fabs(e_.Breite) < 0.0001 ? 1e-6L : static_cast<long double>(e_.Breite);
    const long double lambda = -static_cast<long double>(e_.Laenge);
    // The window grows as 1 / cos(phi); near the poles it would have no bound.
    if (std::fabs(phi) > kGroessteBreite) {
        meldung(PromptTitle::Fehler, PromptIcon::Error,
                sp("Horizontprofile werden nur bis 85 Grad Breite berechnet.",
                   "Horizon profiles are computed up to 85 degrees of latitude only."));
        return false;
    }
    const Kachelkopf& k = erste_;
    if (!(k.Nordrand - k.Kachelgrad <= phi && phi < k.Nordrand && k.Westrand <= lambda &&
          lambda < k.Westrand + k.Kachelgrad)) {
        meldung(PromptTitle::Fehler, PromptIcon::Error,
                sp("Zentralpunkt liegt nicht im Bereich des geladenen Datenfeldes!",
                   "Central point is not within the the selected data area!"));
        return false;
    }

    z_.phi = phi;
    z_.lambda = lambda;
    z_.Mindestabstand = e_.Mindestabstand;
    z_.MaxAbstandM = e_.MaxAbstandKm * 1000;
    z_.MaxAbstandGrad = e_.MaxAbstandKm * kGradProKm;
    z_.Zellgroesse = k.Zellgroesse;
    const long double breite = z_.laengenBreite();
    const bool nord = k.Nordrand < phi + z_.MaxAbstandGrad;
    const bool sued = phi - z_.MaxAbstandGrad < k.Nordrand - k.Kachelgrad;
    const bool west = lambda - breite < k.Westrand;
    const bool ost = k.Westrand + k.Kachelgrad < lambda + breite;
    fehlende_.clear();
    for (auto [noetig, code] : {std::pair{nord, 1}, {ost, 2}, {sued, 3}, {west, 4}, {nord && ost, 12},
                                {nord && west, 14}, {sued && ost, 23}, {sued && west, 34}})
        if (noetig)
            fehlende_.push_back(code);
    profil_ = leeresHorizontprofil();

    // The centre lies between data rows r - 1 and r and between columns c and c + 1.
    const long double zeile = (k.Nordrand - phi) / k.Zellgroesse;
    const long double spalte = (lambda - k.Westrand) / k.Zellgroesse;
    const std::int32_t r = static_cast<std::int32_t>(std::floor(zeile));
    const std::int32_t c = static_cast<std::int32_t>(std::floor(spalte));
    const long double fy = zeile - r, fx = spalte - c;
    std::optional<std::int32_t> oben, unten;
    {
        Zeilenleser leser;
        leser.oeffne(std::filesystem::u8path(datei));
        std::string_view z;
        const std::int32_t vorweg = 6 + (k.ersteZeileWeg ? 1 : 0);
        for (std::int32_t i = 0; leser.naechsteZeile(z); ++i) {
            const std::int32_t datenzeile = i - vorweg;
            if (datenzeile == r - 1)
                oben = LeseZahl(z, c, fx, k.KeinWert);
            if (datenzeile == r) {
                unten = LeseZahl(z, c, fx, k.KeinWert);
                break;
            }
        }
    }
    // Without a height at the centre every elevation would be measured from an invented ground.
    if (!oben && !unten) {
        meldung(PromptTitle::Fehler, PromptIcon::Error,
                datei + ":\r\n"
                    + sp("Am Zentralpunkt gibt es keine gültige Höhe (keine Daten oder außerhalb von ",
                         "There is no valid height at the central point (no data or outside ")
                    + IntStr(kTiefsteHoehe) + sp(" bis ", " to ") + IntStr(kHoechsteHoehe) + " m).\r\n"
                    + sp("Das Horizontprofil wird nicht berechnet.", "The horizon profile is not calculated."));
        return false;
    }
    meldung(PromptTitle::Information, PromptIcon::Information,
            ankuendigungText(phi, lambda, k, fehlende_, e_.sprachspalte));
    if (oben && unten)
        boden_ = static_cast<std::int32_t>(roundHalfEven(*oben + fy * (static_cast<long double>(*unten) - *oben)));
    else
        boden_ = oben ? *oben : *unten;
    z_.H = static_cast<std::int32_t>(roundHalfEven(static_cast<long double>(boden_) + e_.Podesthoehe));
    if (d_.bodenhoehe)
        d_.bodenhoehe(boden_);

    z_.halbeZeilen = kHalbeFensterZeilen;
    z_.halbeSpalten = static_cast<std::int32_t>(roundHalfEven(kHalbeFensterZeilen / std::cos(phi * rad)));
    z_.fensterBreite = k.zeilenBreite(r - 1);
    z_.fensterLaenge = k.spaltenLaenge(c);
    fenster_.neueIntMatrix(2 * z_.halbeZeilen + 1, 2 * z_.halbeSpalten + 1);
    for (std::int32_t i = 0; i < fenster_.zeilen(); ++i)
        fenster_.GitterBreiten[static_cast<std::size_t>(i)] = z_.fensterBreite - (i - z_.halbeZeilen) * k.Zellgroesse;
    for (std::int32_t j = 0; j < fenster_.spalten(); ++j)
        fenster_.GitterLaengen[static_cast<std::size_t>(j)] = z_.fensterLaenge + (j - z_.halbeSpalten) * k.Zellgroesse;
    return true;
}

// folgeDe and folgeEn say what follows when the file ends before the rows the profile needs.
Kachellauf Horizontrechnung::verarbeiteKachel(const Kachelkopf& kopf, const std::string& datei, const char* folgeDe,
                                              const char* folgeEn)
{
    Zeilenleser leser;
    if (!leser.oeffne(std::filesystem::u8path(datei), e_.sprachspalte != 2)) {
        meldung(PromptTitle::Fehler, PromptIcon::Error, leser.fehler() + "\r\n" + sp(folgeDe, folgeEn));
        return Kachellauf::unvollstaendig;
    }
    std::string_view z;
    for (int i = 0; i < 6 + (kopf.ersteZeileWeg ? 1 : 0); ++i)
        leser.naechsteZeile(z);

    const Fernfeld fern(z_, kopf);
    const long double cs = kopf.Zellgroesse;
    const std::int32_t spaltenVersatz =
        static_cast<std::int32_t>(roundHalfEven((kopf.Westrand - z_.fensterLaenge) / cs)) + z_.halbeSpalten;
    auto fensterZeile = [&](std::int32_t k) {
        return static_cast<std::int32_t>(roundHalfEven((z_.fensterBreite - kopf.zeilenBreite(k)) / cs)) + z_.halbeZeilen;
    };
    const unsigned threads =
        std::clamp(e_.threads ? e_.threads : std::thread::hardware_concurrency(), 1u, 64u);
    const std::size_t blockZeilen = 32 * threads;

    std::string puffer;
    std::vector<Blockzeile> block;
    std::int64_t falsche = 0;
    std::int32_t ersteFalsche = -1;

    // One block of rows: each thread takes a run of consecutive rows into a profile of its
    // own; the runs are merged in row order, so the result equals one thread's.
    auto rechneBlock = [&]() {
        const std::size_t n = block.size();
        const unsigned t = static_cast<unsigned>(std::min<std::size_t>(threads, n));
        std::vector<Horizontprofil> teile(t, leeresHorizontprofil());
        std::vector<std::int64_t> falschTeil(t, 0);
        std::vector<std::int32_t> ersteTeil(t, -1);
        auto arbeite = [&](unsigned nr) {
            std::vector<std::int32_t> werte;
            const std::size_t von = n * nr / t, bis = n * (nr + 1) / t;
            for (std::size_t i = von; i < bis && !abgebrochen(); ++i) {
                const Blockzeile& bz = block[i];
                const Zeilenwerte zw = leseGitterzeile(std::string_view(puffer).substr(bz.von, bz.laenge), kopf.KeinWert, werte);
                if (zw.fehlerhaft || zw.anzahl != static_cast<std::size_t>(kopf.spalten)) {
                    if (falschTeil[nr]++ == 0)
                        ersteTeil[nr] = bz.k;
                }
                if (std::int32_t* fz = fenster_.zeile(fensterZeile(bz.k))) {
                    for (std::size_t j = 0; j < werte.size(); ++j) {
                        const std::int64_t jw = static_cast<std::int64_t>(j) + spaltenVersatz;
                        if (jw >= 0 && jw < fenster_.spalten())
                            fz[jw] = werte[j] == kopf.KeinWert ? Arbeitsmatrix::kKeinWert : werte[j];
                    }
                }
                if (fern.zeileNoetig(bz.k))
                    fern.HorizontAusZeile(bz.k, werte.data(), werte.size(), teile[nr]);
            }
        };
        if (t == 1) {
            arbeite(0);
        } else {
            std::vector<std::thread> arbeiter;
            for (unsigned nr = 0; nr < t; ++nr)
                arbeiter.emplace_back(arbeite, nr);
            for (std::thread& a : arbeiter)
                a.join();
        }
        for (unsigned nr = 0; nr < t; ++nr) {
            uebernimmTeilprofil(teile[nr], profil_);
            if (falschTeil[nr] && ersteFalsche < 0)
                ersteFalsche = ersteTeil[nr];
            falsche += falschTeil[nr];
        }
        block.clear();
        puffer.clear();
    };

    const long double suedGrenze = std::min(z_.phi - z_.MaxAbstandGrad, z_.fensterBreite - (z_.halbeZeilen + 1) * cs);
    std::int32_t k = 0;
    bool dateiende = false;
    for (; k < kopf.Zeilenzahl; ++k) {
        if (abgebrochen())
            return Kachellauf::abgebrochen;
        if (!leser.naechsteZeile(z)) {
            dateiende = true;
            break;
        }
        const std::int32_t fz = fensterZeile(k);
        if (!fern.zeileNoetig(k) && (fz < 0 || fz >= fenster_.zeilen())) {
            if (kopf.zeilenBreite(k) < suedGrenze)
                break;
            continue;
        }
        block.push_back({k, puffer.size(), z.size()});
        puffer.append(z);
        if (block.size() >= blockZeilen) {
            rechneBlock();
            if (d_.fortschritt && leser.groesse() > 0)
                d_.fortschritt(1 + static_cast<int>(8999.0 * static_cast<double>(leser.gelesen()) /
                                                     static_cast<double>(leser.groesse())));
        }
    }
    if (!block.empty())
        rechneBlock();
    if (abgebrochen())
        return Kachellauf::abgebrochen;
    if (d_.fortschritt)
        d_.fortschritt(9000);

    if (falsche > 0 || dateiende) {
        std::string t = datei + ":";
        if (falsche > 0)
            t += "\r\n" + IntStr(falsche) + sp(" Datenzeilen hatten nicht genau ", " data rows did not hold exactly ") +
                 IntStr(kopf.spalten) + sp(" Höhendaten (erste: Datenzeile ", " heights (first: data row ") +
                 IntStr(ersteFalsche + 1) + ").";
        if (dateiende && !leser.fehler().empty()) // it grew past the limit while it was read
            t = leser.fehler() + "\r\n" + sp(folgeDe, folgeEn);
        else if (dateiende)
            t += "\r\n" + sp("Die Datei endet nach ", "The file ends after ") + IntStr(k) + sp(" von ", " of ") +
                 IntStr(kopf.Zeilenzahl) + sp(" Datenzeilen.", " data rows.") + "\r\n" + sp(folgeDe, folgeEn);
        if (dateiende)
            meldung(PromptTitle::Fehler, PromptIcon::Error, t);
        else
            meldung(PromptTitle::Information, PromptIcon::Information, t);
    }
    return dateiende ? Kachellauf::unvollstaendig : Kachellauf::fertig;
}

Kachellauf Horizontrechnung::rechneErsteKachel()
{
    const Kachellauf l = verarbeiteKachel(erste_, datei_, "Das Horizontprofil wird nicht berechnet.",
                                          "The horizon profile is not calculated.");
    if (l == Kachellauf::fertig)
        nahfeld();
    return l;
}

void Horizontrechnung::nahfeld() { HorizontNahfeld(z_, fenster_, erste_.einBogensekunde(), profil_); }

bool Horizontrechnung::LadeHoehenTabelle()
{
    const std::string datei = d_.waehleKachel ? d_.waehleKachel() : std::string();
    if (datei.empty())
        return true;
    Kachelkopf kopf;
    std::string fehler;
    if (!leseKachelkopfDatei(datei, e_.sprachspalte, kopf, fehler)) {
        meldung(PromptTitle::Fehler, PromptIcon::Error, fehler);
        return true;
    }
    const int code = nachbarCode(erste_, kopf);
    if (code == 0 || std::find(fehlende_.begin(), fehlende_.end(), code) == fehlende_.end()) {
        meldung(PromptTitle::Fehler, PromptIcon::Error,
                datei + "\r\n" + sp("Falsche Datendatei!", "Area of dataset is wrong! false!"));
        return true;
    }
    if (std::fabs(kopf.Zellgroesse - erste_.Zellgroesse) > 0.0001L) {
        meldung(PromptTitle::Fehler, PromptIcon::Error,
                datei + "\r\n" + sp("Es muss ein gleichartiger Tabellentyp nachgeladne werden",
                                     "A table of the same type (the same cell size) has to be loaded!"));
        return true;
    }
    // A neighbour that ends early is left out whole: what its rows added is taken back.
    const Horizontprofil profilVorher = profil_;
    const Arbeitsmatrix fensterVorher = fenster_;
    const Kachellauf l = verarbeiteKachel(kopf, datei, "Die Kachel wird nicht übernommen.", "The tile is not used.");
    if (l == Kachellauf::abgebrochen)
        return false;
    if (l == Kachellauf::unvollstaendig) {
        profil_ = profilVorher;
        fenster_ = fensterVorher;
        return true;
    }
    fehlende_.erase(std::find(fehlende_.begin(), fehlende_.end(), code));
    return true;
}

HorizontErgebnis BerechneHorizont(const HorizontEingabe& eingabe, const std::string& datei, HorizontDienste& dienste)
{
    HorizontErgebnis erg;
    Horizontrechnung r(eingabe, dienste);
    if (!r.beginne(datei))
        return erg;
    switch (r.rechneErsteKachel()) {
    case Kachellauf::fertig: break;
    case Kachellauf::abgebrochen: erg.abgebrochen = true; return erg;
    case Kachellauf::unvollstaendig: return erg;
    }
    const int sp = eingabe.sprachspalte;
    if (r.fehlende().empty() && dienste.prompt)
        dienste.prompt->ask(PromptTitle::Information, PromptIcon::Information, fertigText(r.Bodenhoehe(), {}, sp),
                            PromptButtons::Ok);
    bool geladen = false;
    while (!r.fehlende().empty() && dienste.prompt &&
           dienste.prompt->ask(PromptTitle::WasNun, PromptIcon::Question, fertigText(r.Bodenhoehe(), r.fehlende(), sp),
                               PromptButtons::YesNo) == PromptAnswer::Yes) {
        const std::size_t vorher = r.fehlende().size();
        if (!r.LadeHoehenTabelle()) {
            erg.abgebrochen = true;
            return erg;
        }
        geladen = geladen || r.fehlende().size() < vorher;
    }
    if (geladen)
        r.nahfeld();
    erg.AbbruchHorizont = false;
    erg.profil = r.profil();
    erg.Bodenhoehe = r.Bodenhoehe();
    erg.Breite = static_cast<double>(r.zentrum().phi);
    erg.LaengeOst = static_cast<double>(r.zentrum().lambda);
    return erg;
}

} // namespace umbrin
