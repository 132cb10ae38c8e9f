// Any bytes through the JPEG reader: libjpeg's errors and warnings must all come back as an
// error text, never as an exit, a crash, a hang or a read out of bounds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "assets/jpeg_reader.h"
#include "fuzz/picture_promise.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace sorimo;
  CheckPicturePromise(ReadJpeg(std::span<const uint8_t>(data, size)));
  return 0;
}
