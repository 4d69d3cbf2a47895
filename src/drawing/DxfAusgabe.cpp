#include "drawing/DxfAusgabe.h"

#include "core/SafeSave.h"

#include <system_error>

namespace umbrin {
namespace {

constexpr std::size_t kPuffergroesse = std::size_t{1} << 20;

// Buffers handed to the file writer that may wait to be written: enough to keep the writer
// busy while the converter fills the next one, few enough that memory stays small.
constexpr int kStueckeImFlug = 3;

} // namespace

bool DxfTextSenke::nimm(std::unique_ptr<char[]>& puffer, std::size_t n, std::size_t&)
{
    ziel_.append(puffer.get(), n);
    return true;
}

DxfDateiSenke::DxfDateiSenke(SafeFileWriter& datei) : datei_(datei) {}

DxfDateiSenke::~DxfDateiSenke()
{
    beende();
}

bool DxfDateiSenke::schreibe(const char* daten, std::size_t n)
{
    if (!datei_.write(std::string_view(daten, n)))
        return false;
    datei_.streamToDisk();
    return datei_.ok();
}

bool DxfDateiSenke::nimm(std::unique_ptr<char[]>& puffer, std::size_t n, std::size_t& kapazitaet)
{
    std::unique_lock<std::mutex> sperre(mutex_);
    if (fehler_)
        return false;
    if (ohneFaden_) {
        fehler_ = !schreibe(puffer.get(), n);
        return !fehler_;
    }
    if (!schreiber_.joinable()) {
        try {
            schreiber_ = std::thread([this] { arbeite(); });
        } catch (const std::system_error&) {
            ohneFaden_ = true;
            sperre.unlock();
            return nimm(puffer, n, kapazitaet);
        }
    }
    voll_.push_back(Stueck{std::move(puffer), n, kapazitaet});
    signal_.notify_all();
    if (frei_.empty() && stuecke_ < kStueckeImFlug) {
        ++stuecke_;
        puffer.reset(new char[kPuffergroesse]);
        kapazitaet = kPuffergroesse;
        return true;
    }
    // Every buffer handed back, written or not, so this wait always ends.
    signal_.wait(sperre, [this] { return !frei_.empty(); });
    puffer = std::move(frei_.back().daten);
    kapazitaet = frei_.back().kapazitaet;
    frei_.pop_back();
    return !fehler_;
}

void DxfDateiSenke::arbeite()
{
    std::unique_lock<std::mutex> sperre(mutex_);
    while (true) {
        signal_.wait(sperre, [this] { return !voll_.empty() || schluss_; });
        if (voll_.empty())
            return;
        Stueck stueck = std::move(voll_.front());
        voll_.pop_front();
        const bool schreiben = !fehler_;
        sperre.unlock();
        const bool gut = !schreiben || schreibe(stueck.daten.get(), stueck.n);
        sperre.lock();
        fehler_ = fehler_ || !gut;
        frei_.push_back(std::move(stueck));
        signal_.notify_all();
    }
}

bool DxfDateiSenke::beende()
{
    {
        const std::lock_guard<std::mutex> sperre(mutex_);
        schluss_ = true;
    }
    signal_.notify_all();
    if (schreiber_.joinable())
        schreiber_.join();
    return !fehler_;
}

DxfAusgabe::DxfAusgabe(DxfSenke& senke)
    : senke_(senke), daten_(new char[kPuffergroesse]), kapazitaet_(kPuffergroesse)
{
}

void DxfAusgabe::leeren()
{
    if (ok_ && benutzt_ > 0) {
        ok_ = senke_.nimm(daten_, benutzt_, kapazitaet_);
        abgegeben_ = true;
    }
    benutzt_ = 0;
}

bool DxfAusgabe::ersetzeAnfang(std::size_t alt, std::string_view neu)
{
    if (abgegeben_ || alt > benutzt_)
        return false;
    const std::size_t rest = benutzt_ - alt;
    if (rest + neu.size() > kapazitaet_) {
        std::unique_ptr<char[]> groesser(new char[rest + neu.size()]);
        std::memcpy(groesser.get() + neu.size(), daten_.get() + alt, rest);
        daten_ = std::move(groesser);
        kapazitaet_ = rest + neu.size();
    } else {
        std::memmove(daten_.get() + neu.size(), daten_.get() + alt, rest);
    }
    std::memcpy(daten_.get(), neu.data(), neu.size());
    benutzt_ = rest + neu.size();
    return true;
}

void DxfAusgabe::machePlatz(std::size_t n)
{
    leeren();
    if (n > kapazitaet_) { // one piece larger than the buffer: a very long label
        daten_.reset(new char[n]);
        kapazitaet_ = n;
    }
}

bool DxfAusgabe::beende()
{
    leeren();
    const bool angekommen = senke_.beende();
    return ok_ && angekommen;
}

} // namespace umbrin
