// Any bytes through the bitmap reader: it must answer with a picture or an error text,
// never crash, read out of bounds or hang. A picture it accepts must survive being written
// and read back, and must fill a background without trouble.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "assets/background_fill.h"
#include "assets/bmp_reader.h"
#include "assets/bmp_writer.h"
#include "fuzz/picture_promise.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace sorimo;
  const PictureOrError r = ReadBmp(std::span<const uint8_t>(data, size));
  if (!CheckPicturePromise(r)) return 0;
  const PixelBuffer& p = r.picture;
  if (p.pixels().size() <= 4096) {
    const PictureOrError again = ReadBmp(WriteBmp24(p));
    if (!again.ok() || !(again.picture == p)) std::abort();
    PixelBuffer background(70, 47);
    FillBackground(background, p);
  }
  return 0;
}
