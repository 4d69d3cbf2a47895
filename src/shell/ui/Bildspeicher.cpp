#include "shell/ui/Bildspeicher.h"

#include "core/Dateigroesse.h"
#include "shell/JpegBild.h"

#include <QFile>

#include <string>

// The pictures live in a static library: their resource is registered explicitly.
static void registriereBilder() { Q_INIT_RESOURCE(bilder); }

namespace umbrin {

namespace {

QString resourcePfad(std::int32_t id)
{
    static const bool registriert = (registriereBilder(), true);
    (void)registriert;
    return QStringLiteral(":/bilder/%1.jpg").arg(id);
}

} // namespace

QImage jpegAlsBild(const QByteArray& daten, std::string* fehler, const std::atomic<bool>* halt)
{
    std::string grund;
    const auto j = dekodiereJpeg(
        std::span(reinterpret_cast<const std::uint8_t*>(daten.constData()), static_cast<std::size_t>(daten.size())), grund,
        halt);
    if (!j) {
        if (fehler)
            *fehler = grund;
        return {};
    }
    QImage bild(j->breite, j->hoehe, QImage::Format_RGB888);
    for (int y = 0; y < j->hoehe; ++y)
        std::copy_n(j->rgb.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(j->breite) * 3,
                    static_cast<std::size_t>(j->breite) * 3, bild.scanLine(y));
    return bild;
}

QImage ladeJpegDatei(const QString& pfad, std::string* fehler, const std::atomic<bool>* halt)
{
    if (pfad.startsWith(QLatin1Char(':'))) {
        QFile datei(pfad);
        if (!datei.open(QIODevice::ReadOnly)) {
            if (fehler)
                *fehler = datei.errorString().toStdString();
            return {};
        }
        return jpegAlsBild(datei.readAll(), fehler, halt);
    }
    // A file on disk only when it is a regular one no larger than a picture can be: a pipe
    // would never answer, a device never end, and a huge file would fill the memory.
    std::string bytes;
    std::string grund;
    if (!leseDateiDerArt(pfad.toStdString(), Dateiart::Startbild, bytes, grund, true)) {
        if (fehler)
            *fehler = grund;
        return {};
    }
    return jpegAlsBild(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())), fehler, halt);
}

bool Bildspeicher::vorhanden(std::int32_t id) { return QFile::exists(resourcePfad(id)); }

QString Bildspeicher::pfad(std::int32_t id) { return resourcePfad(id); }

const QImage& Bildspeicher::bild(std::int32_t id)
{
    auto it = bilder_.find(id);
    if (it == bilder_.end())
        it = bilder_.emplace(id, vorhanden(id) ? ladeJpegDatei(resourcePfad(id)) : QImage()).first;
    return it->second;
}

} // namespace umbrin
