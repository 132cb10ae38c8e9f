#include "assets/jpeg_reader.h"

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include <jpeglib.h>  // before jerror.h, whose message list depends on its settings
#include <jerror.h>

namespace sorimo {

namespace {

constexpr int kMaxScans = 1000;            // a normal progressive file has about ten
constexpr int kMaxToleratedWarnings = 100;  // harmless ones, such as stray bytes between markers
constexpr long kMaxLibraryMemory = 256L * 1024 * 1024;

// Everything that must survive a longjmp lives here, outside the function that calls setjmp.
struct DecodeState {
  jpeg_decompress_struct info{};
  jpeg_error_mgr errorManager{};
  jpeg_progress_mgr progress{};
  std::jmp_buf jump{};
  std::string error;
  int warnings = 0;
  std::vector<uint32_t> pixels;
  std::vector<uint8_t> row;
  int width = 0, height = 0;
};

DecodeState& StateOf(j_common_ptr info) { return *static_cast<DecodeState*>(info->client_data); }

// The jumps below leave no object with a destructor behind in the frames they skip.
[[noreturn]] void OnError(j_common_ptr info) {
  char text[JMSG_LENGTH_MAX] = {};
  (*info->err->format_message)(info, text);
  DecodeState& s = StateOf(info);
  s.error = "JPEG error: ";
  s.error += text;
  std::longjmp(s.jump, 1);
}

bool IsDamage(int code) {
  switch (code) {
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
#if JPEG_LIB_VERSION >= 70 || defined(D_ARITH_CODING_SUPPORTED)
    case JWRN_ARITH_BAD_CODE:
#endif
    case JWRN_MUST_RESYNC:
    case JWRN_BOGUS_PROGRESSION:
    case JWRN_NOT_SEQUENTIAL:
      return true;
    default:
      return false;
  }
}

void OnMessage(j_common_ptr info, int level) {
  if (level >= 0) return;  // trace messages
  DecodeState& s = StateOf(info);
  if (IsDamage(info->err->msg_code) || ++s.warnings > kMaxToleratedWarnings) OnError(info);
}

void OnOutputMessage(j_common_ptr) {}  // nothing goes to the console

void OnProgress(j_common_ptr info) {
  const auto* d = reinterpret_cast<j_decompress_ptr>(info);
  if (d->input_scan_number <= kMaxScans) return;
  DecodeState& s = StateOf(info);
  s.error = "JPEG error: too many scans";
  std::longjmp(s.jump, 1);
}

// Returns normally in both cases; on failure s.error says why. libjpeg's own clean-up runs
// in the caller.
void Decode(DecodeState& s, const uint8_t* data, size_t size) {
  if (setjmp(s.jump)) return;
  jpeg_mem_src(&s.info, data, static_cast<unsigned long>(size));
  jpeg_read_header(&s.info, TRUE);

  const long long w = s.info.image_width, h = s.info.image_height;
  if (w <= 0 || h <= 0) {
    s.error = "JPEG error: empty picture";
    return;
  }
  if (w > kMaxPictureSide || h > kMaxPictureSide || w * h > kMaxPicturePixels) {
    s.error = "JPEG picture too large: " + std::to_string(w) + " x " + std::to_string(h) + " pixels";
    return;
  }
  switch (s.info.jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_YCbCr:
    case JCS_RGB:
      break;
    case JCS_CMYK:
    case JCS_YCCK:
      s.error = "JPEG pictures in CMYK colours are not supported";
      return;
    default:
      s.error = "JPEG picture of an unknown colour space";
      return;
  }
  s.info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&s.info);
  if (s.info.output_components != 3) {
    s.error = "JPEG error: unexpected colour components";
    return;
  }

  s.width = int(s.info.output_width);
  s.height = int(s.info.output_height);
  s.row.resize(size_t(s.width) * 3);
  // The picture grows row by row, so a file that lies about its size and breaks off early
  // never costs the memory it promised.
  while (s.info.output_scanline < s.info.output_height) {
    JSAMPROW rows[1] = {s.row.data()};
    if (jpeg_read_scanlines(&s.info, rows, 1) != 1) {
      s.error = "JPEG error: no more scanlines";
      return;
    }
    const uint8_t* p = s.row.data();
    for (int x = 0; x < s.width; ++x, p += 3) s.pixels.push_back(uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2]);
  }
  jpeg_finish_decompress(&s.info);
}

}  // namespace

PictureOrError ReadJpeg(std::span<const uint8_t> bytes) {
  if (bytes.empty()) return PictureOrError::Fail("JPEG error: empty file");
  auto s = std::make_unique<DecodeState>();
  s->info.err = jpeg_std_error(&s->errorManager);
  s->errorManager.error_exit = OnError;
  s->errorManager.emit_message = OnMessage;
  s->errorManager.output_message = OnOutputMessage;
  s->progress.progress_monitor = OnProgress;
  s->info.client_data = s.get();  // kept by jpeg_create_decompress
  if (setjmp(s->jump)) {  // creation itself failed (out of memory)
    jpeg_destroy_decompress(&s->info);
    return PictureOrError::Fail(s->error);
  }
  jpeg_create_decompress(&s->info);
  s->info.progress = &s->progress;
  s->info.mem->max_memory_to_use = kMaxLibraryMemory;
  try {
    Decode(*s, bytes.data(), bytes.size());
  } catch (const std::bad_alloc&) {
    s->error = "JPEG error: out of memory";
  }
  jpeg_destroy_decompress(&s->info);
  if (!s->error.empty()) return PictureOrError::Fail(s->error);

  return {PixelBuffer::FromPixels(s->width, s->height, std::move(s->pixels)), {}};
}

}  // namespace sorimo
