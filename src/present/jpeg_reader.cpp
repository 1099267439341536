// JPEG decoding through libjpeg into 24-bit RGB, including greyscale and CMYK files.
#include "present/growing_picture.h"
#include "present/picture_decoders.h"

#include <cstdio>
#include <vector>
// libjpeg's headers rely on FILE and size_t being declared first.
#include <jpeglib.h>
#include <jerror.h>

#include <csetjmp>

namespace taluvin {

namespace {

// A file in several scans makes libjpeg hold every coefficient of the picture before the first row
// comes out, so its declared size must be one its data could describe: no Huffman-coded file
// packs more than 8192 pixels into a byte, and real ones stay far below 4096.
constexpr int64_t kMultiScanPixelsPerByte = 4096;
// Each scan of a progressive file is a pass over every coefficient; real files have about ten.
constexpr int kMostScans = 100;
// Grey, RGB (or YCbCr) and CMYK (or YCCK); more components would each be buffered in vain.
constexpr int kMostComponents = 4;

// The manager comes first so the library's error pointer leads back to the whole trap.
struct JpegErrorTrap {
  jpeg_error_mgr manager;
  std::jmp_buf escape;
  char message[JMSG_LENGTH_MAX];
};

// libjpeg leaves by longjmp, which skips destructors, so everything owning memory lives here,
// in the caller's frame, and is released by this destructor whichever way decoding ends.
struct JpegDecode {
  JpegErrorTrap trap{};
  FILE* file = nullptr;
  jpeg_decompress_struct info{};
  bool created = false;
  jpeg_progress_mgr progress{};
  std::vector<JSAMPLE> cmykRow;
  GrowingPicture rows;
  std::string error;

  ~JpegDecode() {
    if (created) jpeg_destroy_decompress(&info);
    if (file) std::fclose(file);
  }
};

[[noreturn]] void failJpeg(j_common_ptr info) {
  auto* trap = reinterpret_cast<JpegErrorTrap*>(info->err);
  (*info->err->format_message)(info, trap->message);
  std::longjmp(trap->escape, 1);
}

// libjpeg only warns when the data ends early (at the end of the file or at a marker) and fills
// the rest with grey; a half picture on screen is worse than a reported error, and rows made of
// nothing would cost memory the file never paid for, so those warnings fail. Other warnings are
// tolerated because many tools write slightly irregular files that still decode fully.
void onJpegMessage(j_common_ptr info, int level) {
  if (level >= 0) return;
  const int code = info->err->msg_code;
  if (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER) failJpeg(info);
}

void limitScans(j_common_ptr info) {
  auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
  if (decompress->input_scan_number > kMostScans) {
    auto* trap = reinterpret_cast<JpegErrorTrap*>(info->err);
    std::snprintf(trap->message, sizeof trap->message, "more than %d scans", kMostScans);
    std::longjmp(trap->escape, 1);
  }
}

// Adobe's tools store CMYK inverted (255 = no ink), and those are nearly all CMYK JPEGs met.
void cmykRowToRgb(const JSAMPLE* source, JDIMENSION width, bool inverted, uchar* target) {
  for (JDIMENSION x = 0; x < width; ++x, source += 4, target += 3) {
    int cyan = source[0], magenta = source[1], yellow = source[2], black = source[3];
    if (!inverted) {
      cyan = 255 - cyan;
      magenta = 255 - magenta;
      yellow = 255 - yellow;
      black = 255 - black;
    }
    putRgb(target, static_cast<uchar>(cyan * black / 255), static_cast<uchar>(magenta * black / 255),
           static_cast<uchar>(yellow * black / 255));
  }
}

bool decodeJpeg(JpegDecode& decode, int64_t fileBytes) {
  if (setjmp(decode.trap.escape)) return false;
  jpeg_create_decompress(&decode.info);
  decode.created = true;
  jpeg_stdio_src(&decode.info, decode.file);
  jpeg_read_header(&decode.info, TRUE);

  // Progressive files make libjpeg buffer the whole picture, so the size is judged before that.
  const int64_t width = decode.info.image_width;
  const int64_t height = decode.info.image_height;
  decode.error = pictureSizeError(width, height);
  if (decode.error.empty() && decode.info.num_components > kMostComponents)
    decode.error = std::to_string(decode.info.num_components) + " colour components are not supported";
  if (decode.error.empty() && jpeg_has_multiple_scans(&decode.info))
    decode.error = pictureDataError(width, height, fileBytes, width * height / kMultiScanPixelsPerByte);
  if (!decode.error.empty()) return false;
  decode.info.progress = &decode.progress;
  decode.progress.progress_monitor = limitScans;
  const bool cmyk = decode.info.jpeg_color_space == JCS_CMYK || decode.info.jpeg_color_space == JCS_YCCK;
  decode.info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_start_decompress(&decode.info);
  if (decode.info.output_components != (cmyk ? 4 : 3)) {
    decode.error = "unsupported colour layout";
    return false;
  }
  decode.error = pictureSizeError(decode.info.output_width, decode.info.output_height);
  if (!decode.error.empty()) return false;

  // Rows are allocated as they are decoded: a file that declares more than its data holds fails
  // when the data runs out, having cost only the rows it held.
  decode.rows.begin(static_cast<int>(decode.info.output_width), static_cast<int>(decode.info.output_height));
  if (cmyk) decode.cmykRow.resize(size_t{decode.info.output_width} * 4);
  while (decode.info.output_scanline < decode.info.output_height) {
    uchar* target = decode.rows.nextRow();
    if (!target) {
      decode.error = "not enough memory for the picture";
      return false;
    }
    JSAMPROW row = cmyk ? decode.cmykRow.data() : target;
    if (jpeg_read_scanlines(&decode.info, &row, 1) != 1) {
      decode.error = "the data ends early";
      return false;
    }
    if (cmyk) cmykRowToRgb(row, decode.info.output_width, decode.info.saw_Adobe_marker, target);
  }
  return true;
}

}  // namespace

PictureLoad readJpegFile(const std::string& utf8Path) {
  JpegDecode decode;
  decode.file = std::fopen(utf8Path.c_str(), "rb");
  if (!decode.file) return openFailure("JPEG");
  decode.info.err = jpeg_std_error(&decode.trap.manager);
  decode.trap.manager.error_exit = failJpeg;
  decode.trap.manager.emit_message = onJpegMessage;
  if (!decodeJpeg(decode, pictureFileBytes(utf8Path)))
    return pictureFailure("JPEG: " + (decode.error.empty() ? std::string(decode.trap.message) : decode.error));
  PictureLoad loaded;
  loaded.image = decode.rows.finish();
  return loaded;
}

}  // namespace taluvin
