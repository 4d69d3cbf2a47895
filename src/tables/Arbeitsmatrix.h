#pragma once
// The work matrix of the profile computation: the heights of the window around the centre
// as whole metres, row by row, with the latitude of every row and the longitude of every
// column. Every access is checked: a cell outside the shape reads as no data and is never
// written.
#include <cstdint>
#include <vector>

namespace umbrin {

class Arbeitsmatrix {
public:
    static constexpr std::int32_t kKeinWert = -9999;

    Arbeitsmatrix() { neueIntMatrix(1, 1); }

    // Allocates rows x cols cells, all no data; GitterBreiten and GitterLaengen get one entry
    // per row and column. Non-positive sizes give the 1 x 1 matrix.
    void neueIntMatrix(std::int32_t zeilen, std::int32_t spalten);
    // Back to 1 x 1.
    void freiIntMatrix() { neueIntMatrix(1, 1); }

    void setzeInt(std::int32_t zeile, std::int32_t spalte, std::int32_t wert);
    std::int32_t holeInt(std::int32_t zeile, std::int32_t spalte) const;
    bool innerhalb(std::int32_t zeile, std::int32_t spalte) const
    {
        return zeile >= 0 && spalte >= 0 && zeile < MatrixZeilen && spalte < MatrixSpalten;
    }

    std::int32_t zeilen() const { return MatrixZeilen; }
    std::int32_t spalten() const { return MatrixSpalten; }
    // Pointer to the cells of one row (spalten() of them); null outside the shape.
    std::int32_t* zeile(std::int32_t z);

    std::vector<long double> GitterBreiten; // latitude of each row, degrees
    std::vector<long double> GitterLaengen; // longitude of each column, degrees, east positive

private:
    std::int32_t MatrixZeilen = 0;
    std::int32_t MatrixSpalten = 0;
    std::vector<std::int32_t> zellen_;
};

} // namespace umbrin
