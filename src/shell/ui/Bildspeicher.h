#pragma once
// The gallery's embedded pictures and the start picture file, decoded with the program's own
// JPEG decoder when first asked for (the start of the program decodes none).
#include <QImage>
#include <QString>

#include <atomic>
#include <cstdint>
#include <map>

namespace umbrin {

class Bildspeicher {
public:
    // The embedded picture of an id; a null image when there is none.
    const QImage& bild(std::int32_t id);
    // Whether an id has an embedded picture (without decoding it).
    static bool vorhanden(std::int32_t id);
    // The resource path of an id's picture.
    static QString pfad(std::int32_t id);

private:
    std::map<std::int32_t, QImage> bilder_;
};

// A JPEG in memory or in a file as a Qt image; a null image (and fehler) when it cannot be
// decoded. halt, when set by another thread, stops the decoding.
QImage jpegAlsBild(const QByteArray& daten, std::string* fehler = nullptr, const std::atomic<bool>* halt = nullptr);
QImage ladeJpegDatei(const QString& pfad, std::string* fehler = nullptr, const std::atomic<bool>* halt = nullptr);

} // namespace umbrin
