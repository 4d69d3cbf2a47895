#include "shell/JpegSchreiber.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace umbrin {

namespace {

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

// Runs under the error trap; the output buffer belongs to libjpeg until the caller frees it.
bool kodiere(jpeg_compress_struct& info, Fehlerfalle& falle, const JpegBild& bild, int qualitaet,
             unsigned char** puffer, unsigned long* laenge, std::string& fehler)
{
    if (setjmp(falle.zurueck)) {
        fehler = falle.text;
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, puffer, laenge);
    info.image_width = static_cast<JDIMENSION>(bild.breite);
    info.image_height = static_cast<JDIMENSION>(bild.hoehe);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, qualitaet, TRUE);
    for (int c = 0; c < info.num_components; ++c) {
        info.comp_info[c].h_samp_factor = 1;
        info.comp_info[c].v_samp_factor = 1;
    }
    jpeg_start_compress(&info, TRUE);
    const std::size_t zeile = static_cast<std::size_t>(bild.breite) * 3;
    while (info.next_scanline < info.image_height) {
        auto* quelle = const_cast<JSAMPLE*>(bild.rgb.data() + zeile * info.next_scanline);
        jpeg_write_scanlines(&info, &quelle, 1);
    }
    jpeg_finish_compress(&info);
    return true;
}

} // namespace

std::string kodiereJpeg(const JpegBild& bild, int qualitaet, std::string& fehler)
{
    if (bild.breite <= 0 || bild.hoehe <= 0
        || bild.rgb.size() != static_cast<std::size_t>(bild.breite) * static_cast<std::size_t>(bild.hoehe) * 3) {
        fehler = "no picture to encode";
        return {};
    }
    jpeg_compress_struct info{};
    Fehlerfalle falle{};
    info.err = jpeg_std_error(&falle.basis);
    falle.basis.error_exit = fehlerAus;
    unsigned char* puffer = nullptr;
    unsigned long laenge = 0;
    const bool ok = kodiere(info, falle, bild, qualitaet, &puffer, &laenge, fehler);
    jpeg_destroy_compress(&info);
    std::string bytes;
    if (ok && puffer)
        bytes.assign(reinterpret_cast<const char*>(puffer), laenge);
    std::free(puffer);
    return bytes;
}

} // namespace umbrin
