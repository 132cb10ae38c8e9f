// Any bytes as a tileset bitmap, through what loading a tileset does in the game: the bitmap
// reader, then the renderer's texture, sprite column and tile stamp built from whatever
// picture came out. A tileset of any size is taken, so every region must be read inside the
// picture only.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "assets/bmp_reader.h"
#include "fuzz/picture_promise.h"
#include "view/board_renderer.h"

namespace {

using namespace sorimo;

void Require(bool promise) {
  if (!promise) std::abort();
}

// The game keeps one renderer and changes its tileset in place, so the fuzzer does too: each
// input's texture is built over the previous input's.
BoardRenderer& Renderer() {
  static BoardRenderer renderer;
  return renderer;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  PictureOrError read = ReadBmp(std::span<const uint8_t>(data, size));
  if (!CheckPicturePromise(read)) return 0;
  BoardRenderer& renderer = Renderer();
  renderer.setTileset(std::move(read.picture));
  const PixelBuffer& texture = renderer.texture();
  Require(texture.width() == kTextureWidth && texture.height() == kTextureHeight);

  // A tile drawn half off a small picture: the stamp clips, and only plain colours come out.
  PixelBuffer panel(kSpriteWidth, kSpriteHeight, kWhite);
  const int tile = size > 0 ? data[size - 1] % 145 : 1;
  renderer.DrawTileSprite(panel, -kSpriteWidth / 2, kSpriteHeight / 3, tile);
  uint32_t all = 0;
  for (uint32_t c : panel.pixels()) all |= c;
  Require(all <= kColourMask);
  return 0;
}
