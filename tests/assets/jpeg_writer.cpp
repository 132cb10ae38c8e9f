#include "jpeg_writer.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace sorimo::testing {

std::vector<uint8_t> EncodeJpeg(const PixelBuffer& picture, JpegKind kind, int quality) {
  jpeg_compress_struct info{};
  jpeg_error_mgr err{};
  info.err = jpeg_std_error(&err);  // an error here is a broken test: exit() is fine
  jpeg_create_compress(&info);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &out, &size);
  info.image_width = JDIMENSION(picture.width());
  info.image_height = JDIMENSION(picture.height());
  const bool grey = kind == JpegKind::Grey, cmyk = kind == JpegKind::Cmyk;
  info.input_components = grey ? 1 : cmyk ? 4 : 3;
  info.in_color_space = grey ? JCS_GRAYSCALE : cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  if (kind == JpegKind::Progressive) jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
  std::vector<uint8_t> row(size_t(picture.width()) * size_t(info.input_components));
  while (info.next_scanline < info.image_height) {
    const uint32_t* p = picture.row(int(info.next_scanline));
    for (int x = 0; x < picture.width(); ++x) {
      const int r = RedOf(p[x]), g = GreenOf(p[x]), b = BlueOf(p[x]);
      if (grey) {
        row[size_t(x)] = uint8_t(g);
      } else if (cmyk) {
        row[4 * size_t(x)] = uint8_t(255 - r), row[4 * size_t(x) + 1] = uint8_t(255 - g);
        row[4 * size_t(x) + 2] = uint8_t(255 - b), row[4 * size_t(x) + 3] = 0;
      } else {
        row[3 * size_t(x)] = uint8_t(r), row[3 * size_t(x) + 1] = uint8_t(g), row[3 * size_t(x) + 2] = uint8_t(b);
      }
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::vector<uint8_t> bytes(out, out + size);
  std::free(out);
  return bytes;
}

void SetJpegSize(std::vector<uint8_t>& jpeg, int width, int height) {
  for (size_t i = 2; i + 9 < jpeg.size(); ++i)
    if (jpeg[i] == 0xFF && (jpeg[i + 1] == 0xC0 || jpeg[i + 1] == 0xC2)) {
      jpeg[i + 5] = uint8_t(height >> 8), jpeg[i + 6] = uint8_t(height);
      jpeg[i + 7] = uint8_t(width >> 8), jpeg[i + 8] = uint8_t(width);
      return;
    }
}

}  // namespace sorimo::testing
