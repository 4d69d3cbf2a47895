// Draws the gallery's pictures into a folder as baseline JPEG files named <id>.jpg (quality 90,
// every colour channel at full resolution). An id whose dial family cannot be drawn yet gets no
// file and is listed, so that running the tool again later adds it.
// Usage: umbrin_pictures <folder>
#include "Bildauftraege.h"

#include "shell/JpegSchreiber.h"

#include <QApplication>

#include <cstdio>
#include <filesystem>
#include <fstream>

using namespace umbrin;

namespace {

JpegBild alsJpegBild(const QImage& bild)
{
    const QImage rgb = bild.convertToFormat(QImage::Format_RGB888);
    JpegBild j{rgb.width(), rgb.height(), {}};
    j.rgb.reserve(static_cast<std::size_t>(j.breite) * static_cast<std::size_t>(j.hoehe) * 3);
    for (int y = 0; y < rgb.height(); ++y) {
        const uchar* zeile = rgb.constScanLine(y);
        j.rgb.insert(j.rgb.end(), zeile, zeile + j.breite * 3);
    }
    return j;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: umbrin_pictures <folder>\n");
        return 2;
    }
    const std::filesystem::path ordner = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(ordner, ec);
    int fehlend = 0;
    for (const Bildauftrag& a : bildauftraege()) {
        const auto bild = zeichneBild(a);
        if (!bild) {
            std::printf("no picture yet: %d (its dial family cannot be drawn yet)\n", a.id);
            ++fehlend;
            continue;
        }
        std::string fehler;
        const std::string bytes = kodiereJpeg(alsJpegBild(*bild), 90, fehler);
        const std::filesystem::path datei = ordner / (std::to_string(a.id) + ".jpg");
        std::ofstream aus(datei, std::ios::binary);
        if (bytes.empty() || !(aus << bytes) || !(aus.close(), aus)) {
            std::fprintf(stderr, "%s: %s\n", datei.string().c_str(), fehler.empty() ? "cannot be written" : fehler.c_str());
            return 1;
        }
        std::printf("%s\n", datei.string().c_str());
    }
    std::printf("%d of %zu pictures drawn\n", static_cast<int>(bildauftraege().size()) - fehlend,
                bildauftraege().size());
    return 0;
}
