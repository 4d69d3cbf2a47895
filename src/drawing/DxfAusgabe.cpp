#include "drawing/DxfAusgabe.h"

#include "core/SafeSave.h"

namespace umbrin {

bool DxfTextSenke::schreibe(std::string_view bytes)
{
    ziel_.append(bytes);
    return true;
}

bool DxfDateiSenke::schreibe(std::string_view bytes)
{
    return datei_.write(bytes);
}

DxfAusgabe::DxfAusgabe(DxfSenke& senke) : senke_(senke)
{
    puffer_.reserve(kSchwelle + 4096);
}

void DxfAusgabe::leeren()
{
    if (ok_ && !puffer_.empty())
        ok_ = senke_.schreibe(puffer_);
    puffer_.clear();
}

bool DxfAusgabe::beende()
{
    leeren();
    return ok_;
}

} // namespace umbrin
