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

// Called by the decoder for every row of blocks of every scan: the place to stop a picture
// that takes too long or is no longer wanted.
struct Fortschritt {
    jpeg_progress_mgr basis;
    Fehlerfalle* falle;
    const std::atomic<bool>* halt;
};

void aufhoeren(Fehlerfalle& falle, const char* grund)
{
    std::snprintf(falle.text, sizeof falle.text, "%s", grund);
    std::longjmp(falle.zurueck, 1);
}

void pruefeFortschritt(j_common_ptr info)
{
    auto* f = reinterpret_cast<Fortschritt*>(info->progress);
    if (f->halt && f->halt->load(std::memory_order_relaxed))
        aufhoeren(*f->falle, "decoding stopped");
    if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > JpegGroessteScans)
        aufhoeren(*f->falle, "too many scans");
}

// The part that runs under the error trap: no object with a destructor lives in this frame.
bool dekodiere(jpeg_decompress_struct& info, Fehlerfalle& falle, jpeg_progress_mgr& fortschritt,
               std::span<const std::uint8_t> daten, JpegBild& bild, std::string& fehler)
{
    if (setjmp(falle.zurueck)) {
        fehler = falle.text;
        return false;
    }
    jpeg_create_decompress(&info); // clears every field but the error handler
    info.progress = &fortschritt;
    // Beyond the budget the decoder would need a backing store, which it refuses.
    info.mem->max_memory_to_use = JpegSpeicherBudget;
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

std::optional<JpegBild> dekodiereJpeg(std::span<const std::uint8_t> daten, std::string& fehler,
                                      const std::atomic<bool>* halt)
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
    Fortschritt fortschritt{{}, &falle, halt};
    fortschritt.basis.progress_monitor = pruefeFortschritt;
    JpegBild bild;
    const bool ok = dekodiere(info, falle, fortschritt.basis, daten, bild, fehler);
    jpeg_destroy_decompress(&info);
    if (!ok)
        return std::nullopt;
    return bild;
}

} // namespace umbrin
