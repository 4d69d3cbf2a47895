#pragma once
// Reading a plot as its text arrives, piece by piece: the commands handed whole to the
// converter, the check that a text is HPGL at all, the cut of a UTF-8 stream at whole
// characters, and a plot file read in pieces of a fixed size. Only a piece and the command
// not yet complete are held, whatever the plot's size.
#include "core/Dateifehler.h"
#include "core/SafeSave.h"
#include "drawing/DxfKonverter.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <unistd.h>

namespace umbrin {

// The characters that end a command's parameters or stand around them.
inline bool istTrennzeichen(char c)
{
    return c == '\x03' || c == '\n' || c == '\r' || c == ' ' || c == ';';
}

inline std::string_view ohneTrennzeichen(std::string_view text)
{
    while (!text.empty() && istTrennzeichen(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && istTrennzeichen(text.back()))
        text.remove_suffix(1);
    return text;
}

// A letter of a command: any character above "@" (code 64).
inline bool istBefehlsZeichen(char c)
{
    return static_cast<unsigned char>(c) > 64;
}

// Whether any byte of the text is 128 or above; eight bytes at a time.
inline bool hatHoheBytes(std::string_view text)
{
    constexpr std::uint64_t kHoch = 0x8080808080808080ULL;
    const char* p = text.data();
    const char* const e = p + text.size();
    while (e - p >= 64) {
        std::uint64_t w[8];
        std::memcpy(w, p, 64);
        if (((w[0] | w[1] | w[2] | w[3] | w[4] | w[5] | w[6] | w[7]) & kHoch) != 0)
            return true;
        p += 64;
    }
    for (; p < e; ++p) {
        if (static_cast<unsigned char>(*p) >= 0x80)
            return true;
    }
    return false;
}

inline bool istLeerOderSteuerzeichen(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

// Hands the commands of a plot to the converter as its text arrives, piece by piece, and
// holds only the command not yet complete. Every command is taken whole, however long: its
// parameters run to ";", a carriage return or the character 3, a label to the character 3.
// Before the first command and between commands everything up to a command letter is
// skipped; a letter as the very last character starts no command.
class BefehlsStrom {
public:
    explicit BefehlsStrom(DxfKonverter& konverter) : konverter_(konverter) {}

    void lies(std::string_view stueck)
    {
        for (bool& g : gesucht_)
            g = false;
        const std::size_t n = stueck.size();
        std::size_t i = 0;
        while (i < n) {
            switch (stand_) {
            case Stand::Suche:
                while (i < n && !istBefehlsZeichen(stueck[i]))
                    ++i;
                if (i < n) {
                    befehl_[0] = stueck[i++];
                    stand_ = Stand::Zweites;
                }
                break;
            case Stand::Zweites:
                befehl_[1] = stueck[i++];
                label_ = befehl_[0] == 'L' && befehl_[1] == 'B';
                stand_ = Stand::Parameter;
                break;
            case Stand::Parameter: {
                std::size_t j = i;
                if (label_) {
                    const void* etx = std::memchr(stueck.data() + i, '\x03', n - i);
                    j = etx ? static_cast<std::size_t>(static_cast<const char*>(etx) - stueck.data()) : n;
                } else {
                    j = std::min({naechstes(stueck, i, 0), naechstes(stueck, i, 1), naechstes(stueck, i, 2)});
                }
                if (j == n) {
                    offen_.append(stueck.substr(i));
                    i = n;
                    break;
                }
                const std::string_view teil = stueck.substr(i, j + 1 - i);
                i = j + 1;
                if (offen_.empty()) {
                    gib(teil);
                } else {
                    offen_.append(teil);
                    gib(offen_);
                }
                break;
            }
            }
        }
    }

    // The end of the text ends the parameters of the last command.
    void ende()
    {
        if (stand_ == Stand::Parameter)
            gib(offen_);
        stand_ = Stand::Suche;
    }

private:
    enum class Stand { Suche, Zweites, Parameter };

    void gib(std::string_view parameter)
    {
        konverter_.befehl(std::string_view(befehl_, 2), ohneTrennzeichen(parameter));
        offen_.clear();
        stand_ = Stand::Suche;
    }

    // Where the next ";", carriage return or character 3 stands in the piece from i on (the
    // piece's size when there is none). A find is kept while it lies ahead, so that a piece
    // is searched for each of them once, however its commands end.
    std::size_t naechstes(std::string_view stueck, std::size_t i, int k)
    {
        static constexpr char kStopp[3] = {';', '\r', '\x03'};
        std::size_t& f = fund_[k];
        if (gesucht_[k] && f >= i)
            return f;
        const void* p = std::memchr(stueck.data() + i, kStopp[k], stueck.size() - i);
        f = p ? static_cast<std::size_t>(static_cast<const char*>(p) - stueck.data()) : stueck.size();
        gesucht_[k] = true;
        return f;
    }

    DxfKonverter& konverter_;
    std::size_t fund_[3] = {0, 0, 0};
    bool gesucht_[3] = {false, false, false};
    Stand stand_ = Stand::Suche;
    char befehl_[2] = {0, 0};
    bool label_ = false;
    std::string offen_; // the parameters read so far of a command that began in an earlier piece
};

// Whether a text is HPGL at all, seen piece by piece: a command letter, and after it
// something other than blanks and control characters.
class HpglPruefung {
public:
    void lies(std::string_view stueck)
    {
        for (char c : stueck) {
            if (!letter_)
                letter_ = istBefehlsZeichen(c);
            else if (!istLeerOderSteuerzeichen(c)) {
                hpgl_ = true;
                return;
            }
        }
    }
    bool hpgl() const { return hpgl_; }

private:
    bool letter_ = false;
    bool hpgl_ = false;
};

// Cuts a stream of UTF-8 into pieces that end with a whole character: the bytes of a
// character begun at the end of one piece wait for the next.
class Utf8Zeichengrenze {
public:
    std::string_view ganze(std::string_view stueck)
    {
        std::size_t ende = stueck.size();
        for (std::size_t k = 1; k <= 3 && k <= stueck.size(); ++k) {
            const auto b = static_cast<unsigned char>(stueck[stueck.size() - k]);
            if ((b & 0xC0) == 0x80)
                continue;
            const std::size_t laenge = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
            if (laenge > k)
                ende = stueck.size() - k;
            break;
        }
        arbeit_.assign(rest_);
        arbeit_.append(stueck.substr(0, ende));
        rest_.assign(stueck.substr(ende));
        return arbeit_;
    }
    // What is left at the end of the stream: an unfinished character.
    std::string_view rest() const { return rest_; }

private:
    std::string arbeit_;
    std::string rest_;
};

// A plot file read in pieces of a fixed size.
class PlotDatei {
public:
    static constexpr std::size_t kStueck = std::size_t{1} << 20;

    // name names the file in messages (the path itself when empty), in German or English.
    explicit PlotDatei(const std::filesystem::path& datei, std::string name = {}, bool deutsch = true)
        : datei_(datei), name_(name.empty() ? datei.string() : std::move(name)), deutsch_(deutsch),
          puffer_(new char[kStueck])
    {
    }
    ~PlotDatei()
    {
        if (f_)
            std::fclose(f_);
    }
    PlotDatei(const PlotDatei&) = delete;
    PlotDatei& operator=(const PlotDatei&) = delete;

    // Reads the file from its start, handing every piece to lies(piece). False, with the
    // message, when it cannot be opened or read.
    template <class Lies>
    bool durch(Lies&& lies, std::string& fehler)
    {
        if (f_) {
            std::rewind(f_);
        } else {
            const int handle = openFileForReading(datei_, fehler, deutsch_, name_);
            if (handle < 0)
                return false;
            f_ = ::fdopen(handle, "rb");
            if (!f_) {
                fehler = dateifehlerText(Dateivorgang::Lesen, name_, errno, deutsch_);
                ::close(handle);
                return false;
            }
        }
        while (true) {
            const std::size_t n = std::fread(puffer_.get(), 1, kStueck, f_);
            if (n > 0 && !lies(std::string_view(puffer_.get(), n)))
                return true;
            if (n < kStueck) {
                if (std::ferror(f_)) {
                    fehler = dateifehlerText(Dateivorgang::Lesen, name_, errno, deutsch_);
                    return false;
                }
                return true;
            }
        }
    }

private:
    std::filesystem::path datei_;
    std::string name_;
    bool deutsch_;
    std::unique_ptr<char[]> puffer_;
    std::FILE* f_ = nullptr;
};

} // namespace umbrin
