#include "drawing/DxfAusgabe.h"

#include "core/SafeSave.h"

namespace umbrin {
namespace {

constexpr std::size_t kPuffergroesse = std::size_t{1} << 20;

} // namespace

bool DxfTextSenke::schreibe(std::string_view bytes)
{
    ziel_.append(bytes);
    return true;
}

bool DxfDateiSenke::schreibe(std::string_view bytes)
{
    return datei_.write(bytes);
}

DxfAusgabe::DxfAusgabe(DxfSenke& senke)
    : senke_(senke), daten_(new char[kPuffergroesse]), kapazitaet_(kPuffergroesse)
{
}

void DxfAusgabe::leeren()
{
    if (ok_ && benutzt_ > 0)
        ok_ = senke_.schreibe(std::string_view(daten_.get(), benutzt_));
    benutzt_ = 0;
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
    return ok_;
}

} // namespace umbrin
