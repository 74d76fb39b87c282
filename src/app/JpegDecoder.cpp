#include "app/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>

// libjpeg's header needs <cstdio> before it.
#include <jpeglib.h>

namespace {

// Pictures larger than this are refused rather than allocated.
constexpr unsigned long long MaxPixels = 64ULL * 1024 * 1024;

// libjpeg's default error handler ends the process. This one jumps back into
// the decoder instead, and takes warnings (corrupt or missing data) as errors
// too, so that a damaged picture is dropped rather than shown half grey.
struct JumpingErrorManager {
  jpeg_error_mgr Base;
  std::jmp_buf Return;
};

[[noreturn]] void JumpBack(j_common_ptr info) {
  std::longjmp(reinterpret_cast<JumpingErrorManager*>(info->err)->Return, 1);
}

void JumpBackOnWarning(j_common_ptr info, int level) {
  if (level < 0) JumpBack(info);
}

// Each step that may fail inside libjpeg keeps its setjmp to itself and holds
// nothing that needs destroying, so that the jump skips no destructor.

bool ReadHeader(jpeg_decompress_struct& info, JumpingErrorManager& errors,
                const QByteArray& bytes) {
  if (setjmp(errors.Return)) return false;
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
               static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_EXT_RGBX;
  jpeg_calc_output_dimensions(&info);
  return true;
}

bool ReadScanlines(jpeg_decompress_struct& info, JumpingErrorManager& errors, QImage& image) {
  if (setjmp(errors.Return)) return false;
  jpeg_start_decompress(&info);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  return true;
}

bool IsReasonableSize(const jpeg_decompress_struct& info) {
  const unsigned long long pixels =
      static_cast<unsigned long long>(info.output_width) * info.output_height;
  return pixels > 0 && pixels <= MaxPixels;
}

}  // namespace

QImage DecodeJpeg(const QByteArray& bytes) {
  if (bytes.isEmpty()) return {};
  jpeg_decompress_struct info{};
  JumpingErrorManager errors{};
  info.err = jpeg_std_error(&errors.Base);
  errors.Base.error_exit = JumpBack;
  errors.Base.emit_message = JumpBackOnWarning;

  QImage image;
  if (ReadHeader(info, errors, bytes) && IsReasonableSize(info)) {
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   QImage::Format_RGBX8888);
    if (image.isNull() || !ReadScanlines(info, errors, image)) image = QImage();
  }
  jpeg_destroy_decompress(&info);
  return image;
}
