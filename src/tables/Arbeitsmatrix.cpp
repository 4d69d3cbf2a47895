#include "tables/Arbeitsmatrix.h"

namespace umbrin {

void Arbeitsmatrix::neueIntMatrix(std::int32_t zeilen, std::int32_t spalten)
{
    if (zeilen <= 0 || spalten <= 0)
        zeilen = spalten = 1;
    MatrixZeilen = zeilen;
    MatrixSpalten = spalten;
    zellen_.assign(static_cast<std::size_t>(zeilen) * static_cast<std::size_t>(spalten), kKeinWert);
    GitterBreiten.assign(static_cast<std::size_t>(zeilen), 0.0L);
    GitterLaengen.assign(static_cast<std::size_t>(spalten), 0.0L);
}

void Arbeitsmatrix::setzeInt(std::int32_t zeile, std::int32_t spalte, std::int32_t wert)
{
    if (innerhalb(zeile, spalte))
        zellen_[static_cast<std::size_t>(zeile) * static_cast<std::size_t>(MatrixSpalten) +
                static_cast<std::size_t>(spalte)] = wert;
}

std::int32_t Arbeitsmatrix::holeInt(std::int32_t zeile, std::int32_t spalte) const
{
    if (!innerhalb(zeile, spalte))
        return kKeinWert;
    return zellen_[static_cast<std::size_t>(zeile) * static_cast<std::size_t>(MatrixSpalten) +
                   static_cast<std::size_t>(spalte)];
}

std::int32_t* Arbeitsmatrix::zeile(std::int32_t z)
{
    if (z < 0 || z >= MatrixZeilen)
        return nullptr;
    return zellen_.data() + static_cast<std::size_t>(z) * static_cast<std::size_t>(MatrixSpalten);
}

} // namespace umbrin
