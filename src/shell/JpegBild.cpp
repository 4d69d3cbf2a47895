#include "shell/JpegBild.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

namespace umbrin {

namespace {

// libjpeg reports a fatal error by calling error_exit, whose default ends the process. This one
// jumps back to the decoder, which gives up on the picture.
struct Fehlerfalle {
    jpeg_error_mgr basis;
    std::jmp_buf zurueck;
    char text[JMSG_LENGTH_MAX];
};

void fehlerAus(j_common_ptr info)
{
    auto* f = reinterpret_cast<Fehlerfalle*>(info->err);
    (*info->err->format_message)(info, f->text);
    std::longjmp(f->zurueck, 1);
}

// Warnings (a corrupt but readable stream) are neither printed nor fatal.
void keineMeldung(j_common_ptr) {}

// The part that runs under the error trap: no object with a destructor lives in this frame.
bool dekodiere(jpeg_decompress_struct& info, Fehlerfalle& falle, std::span<const std::uint8_t> daten,
               JpegBild& bild, std::string& fehler)
{
    if (setjmp(falle.zurueck)) {
        fehler = falle.text;
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, daten.data(), static_cast<unsigned long>(daten.size()));
    jpeg_read_header(&info, TRUE);
    if (info.image_width > static_cast<JDIMENSION>(JpegGroessteSeite)
        || info.image_height > static_cast<JDIMENSION>(JpegGroessteSeite)) {
        fehler = "picture too large";
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_components != 3) {
        fehler = "unsupported colour kind";
        return false;
    }
    bild.breite = static_cast<int>(info.output_width);
    bild.hoehe = static_cast<int>(info.output_height);
    const std::size_t zeile = static_cast<std::size_t>(bild.breite) * 3;
    bild.rgb.assign(zeile * static_cast<std::size_t>(bild.hoehe), 0);
    while (info.output_scanline < info.output_height) {
        JSAMPROW ziel = bild.rgb.data() + zeile * info.output_scanline;
        jpeg_read_scanlines(&info, &ziel, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

std::optional<JpegBild> dekodiereJpeg(std::span<const std::uint8_t> daten, std::string& fehler)
{
    if (daten.empty()) {
        fehler = "empty file";
        return std::nullopt;
    }
    jpeg_decompress_struct info{};
    Fehlerfalle falle{};
    info.err = jpeg_std_error(&falle.basis);
    falle.basis.error_exit = fehlerAus;
    falle.basis.output_message = keineMeldung;
    JpegBild bild;
    const bool ok = dekodiere(info, falle, daten, bild, fehler);
    jpeg_destroy_decompress(&info);
    if (!ok)
        return std::nullopt;
    return bild;
}

} // namespace umbrin
