#include "tables/Kalendertage.h"

namespace umbrin {

bool Schaltjahr(int jahr)
{
    if (jahr % 400 == 0)
        return true;
    return jahr % 4 == 0 && (jahr % 100 != 0 || jahr <= 1590);
}

int TageImMonat(int jahr, int monat)
{
    switch (monat) {
    case 2: return Schaltjahr(jahr) ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11: return 30;
    default: return 31;
    }
}

bool Entfallen1582(int jahr, int monat, int tag)
{
    return jahr == 1582 && monat == 10 && tag > 4 && tag < 15;
}

} // namespace umbrin
