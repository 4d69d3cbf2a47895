#include "tables/Rechenpruefung.h"

#include "tables/Kalendertage.h"

#include <cmath>
#include <vector>

namespace umbrin {
namespace {

std::string_view ohneRand(std::string_view t)
{
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
        t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t'))
        t.remove_suffix(1);
    return t;
}

std::optional<int> ziffern(std::string_view t, std::size_t maxLaenge)
{
    if (t.empty() || t.size() > maxLaenge)
        return std::nullopt;
    int n = 0;
    for (char c : t) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

} // namespace

bool JahrZulaessig(int jahr) { return jahr >= JahrMin && jahr <= JahrMax; }
bool MonatZulaessig(int monat) { return monat >= 1 && monat <= 12; }
bool TagZulaessig(int tag) { return tag >= 1 && tag <= 31; }
bool LaengeZulaessig(double grad) { return std::isfinite(grad) && std::fabs(grad) < 180.0; }
bool AzimutZulaessig(double grad) { return std::isfinite(grad) && std::fabs(grad) <= 180.0; }
bool BreiteZulaessig(double grad) { return std::isfinite(grad) && grad >= -90.0 && grad <= 90.0; }

std::optional<double> liesUhrzeit(std::string_view text)
{
    std::string t(ohneRand(text));
    for (char& c : t)
        if (c == ' ')
            c = ':';
    std::vector<std::string_view> teile;
    std::string_view rest(t);
    for (;;) {
        const auto pos = rest.find(':');
        teile.push_back(rest.substr(0, pos));
        if (pos == std::string_view::npos)
            break;
        rest.remove_prefix(pos + 1);
    }
    if (teile.size() > 3)
        return std::nullopt;
    const auto h = ziffern(teile[0], 2);
    if (!h || *h > 23)
        return std::nullopt;
    int m = 0;
    int sek = 0;
    if (teile.size() > 1) {
        const auto mm = ziffern(teile[1], 2);
        if (!mm || *mm > 59)
            return std::nullopt;
        m = *mm;
    }
    if (teile.size() > 2) {
        const auto ss = ziffern(teile[2], 2);
        if (!ss || *ss > 59)
            return std::nullopt;
        sek = *ss;
    }
    return (*h * 3600.0 + m * 60.0 + sek) / 86400.0;
}

std::string Uhrzeittext(double tagesbruchteil)
{
    long long s = std::llround(tagesbruchteil * 86400.0);
    s %= 86400;
    if (s < 0)
        s += 86400;
    auto zwei = [](long long n) {
        std::string z = std::to_string(n);
        return z.size() < 2 ? "0" + z : z;
    };
    return zwei(s / 3600) + ":" + zwei(s / 60 % 60) + ":" + zwei(s % 60);
}

bool controlGregor(int jahr, int monat, int& tag)
{
    if (!Entfallen1582(jahr, monat, tag))
        return false;
    tag = 15;
    return true;
}

} // namespace umbrin
