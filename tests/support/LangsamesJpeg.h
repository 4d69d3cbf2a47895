#pragma once
// A progressive JPEG of one flat grey whose scans are repeated: small on disk, but every
// repetition makes the decoder walk the whole picture again.
#include <jpeglib.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace umbrin::test {

inline std::vector<std::uint8_t> langsamesJpeg(int seite, int wiederholungen)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr fehler{};
    info.err = jpeg_std_error(&fehler);
    jpeg_create_compress(&info);
    unsigned char* puffer = nullptr;
    unsigned long groesse = 0;
    jpeg_mem_dest(&info, &puffer, &groesse);
    info.image_width = static_cast<JDIMENSION>(seite);
    info.image_height = static_cast<JDIMENSION>(seite);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    for (int c = 0; c < 3; ++c)
        info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
    jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> zeile(static_cast<std::size_t>(seite) * 3, 128);
    while (info.next_scanline < info.image_height) {
        JSAMPROW z = zeile.data();
        jpeg_write_scanlines(&info, &z, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    const std::vector<std::uint8_t> ganz(puffer, puffer + groesse);
    std::free(puffer);

    // The scans (with their Huffman tables) run from the first table or scan after the frame
    // header up to the end marker.
    std::size_t anfang = 2;
    while (anfang + 4 <= ganz.size() && !(ganz[anfang + 1] == 0xC4 || ganz[anfang + 1] == 0xDA))
        anfang += 2 + (std::size_t(ganz[anfang + 2]) << 8 | ganz[anfang + 3]);
    std::vector<std::uint8_t> bytes(ganz.begin(), ganz.begin() + static_cast<std::ptrdiff_t>(anfang));
    for (int i = 0; i < wiederholungen; ++i)
        bytes.insert(bytes.end(), ganz.begin() + static_cast<std::ptrdiff_t>(anfang), ganz.end() - 2);
    bytes.push_back(0xFF);
    bytes.push_back(0xD9);
    return bytes;
}

} // namespace umbrin::test
