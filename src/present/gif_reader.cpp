// GIF decoding through giflib: the first frame only, with its transparent colour keyed to magenta.
#include "present/picture_decoders.h"

#include <gif_lib.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace taluvin {

namespace {

// LZW codes are at most 12 bits and none stands for more than 4096 pixels.
constexpr int64_t kGifPixelsPerByte = 4096 * 8 / 12;
// A logical screen larger than its first frame is legitimately left mostly empty, so a canvas up to
// this size is allowed whatever the file's length; a larger one must be one the data could fill.
constexpr int64_t kGifCanvasPixelsAlwaysAllowed = int64_t{4} << 20;

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int ignoredError = 0;
    DGifCloseFile(gif, &ignoredError);
  }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

PictureLoad gifFailure(int errorCode) {
  const char* reason = GifErrorString(errorCode);
  return pictureFailure(std::string("GIF: ") + (reason ? reason : "cannot decode"));
}

// Interlaced frames store every 8th row from 0, every 8th from 4, every 4th from 2, every 2nd from 1.
std::vector<int> rowOrder(int height, bool interlaced) {
  std::vector<int> order;
  order.reserve(static_cast<size_t>(height));
  if (!interlaced) {
    for (int y = 0; y < height; ++y) order.push_back(y);
    return order;
  }
  constexpr int kFirstRow[] = {0, 4, 2, 1};
  constexpr int kRowStep[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass)
    for (int y = kFirstRow[pass]; y < height; y += kRowStep[pass]) order.push_back(y);
  return order;
}

// The canvas is the logical screen, grown if the frame pokes out of it; whatever the first frame
// leaves uncovered shows through, as transparent parts do.
PictureLoad decodeFirstFrame(GifFileType* gif, int transparentIndex, int64_t fileBytes) {
  if (DGifGetImageDesc(gif) == GIF_ERROR) return gifFailure(gif->Error);
  const GifImageDesc& frame = gif->Image;
  if (std::string refusal = pictureSizeError(frame.Width, frame.Height); !refusal.empty())
    return pictureFailure("GIF: " + refusal);
  const ColorMapObject* colours = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
  if (!colours || !colours->Colors) return pictureFailure("GIF: the picture has no colour table");

  PictureLoad loaded;
  const int64_t canvasWidth = std::max<int64_t>(gif->SWidth, int64_t{frame.Left} + frame.Width);
  const int64_t canvasHeight = std::max<int64_t>(gif->SHeight, int64_t{frame.Top} + frame.Height);
  const int64_t canvasPixels = canvasWidth * canvasHeight;
  std::string refusal = pictureSizeError(canvasWidth, canvasHeight);
  if (refusal.empty() && canvasPixels > kGifCanvasPixelsAlwaysAllowed)
    refusal = pictureDataError(canvasWidth, canvasHeight, fileBytes, canvasPixels / kGifPixelsPerByte);
  if (refusal.empty()) refusal = allocatePicture(loaded.image, canvasWidth, canvasHeight);
  if (!refusal.empty()) return pictureFailure("GIF: " + refusal);
  loaded.image.fill(QColor(0xFF, 0x00, 0xFF));

  std::vector<GifPixelType> line(static_cast<size_t>(frame.Width));
  for (int row : rowOrder(frame.Height, frame.Interlace)) {
    if (DGifGetLine(gif, line.data(), frame.Width) == GIF_ERROR) return gifFailure(gif->Error);
    uchar* target = loaded.image.scanLine(frame.Top + row) + size_t{3} * static_cast<size_t>(frame.Left);
    for (GifPixelType index : line) {
      if (index == transparentIndex) {
        putTransparentKey(target);
      } else if (index < colours->ColorCount) {
        const GifColorType& colour = colours->Colors[index];
        putRgb(target, colour.Red, colour.Green, colour.Blue);
      } else {
        putRgb(target, 0, 0, 0);  // an index past the table has no colour; black is least surprising
      }
      target += 3;
    }
  }
  return loaded;
}

// Reads up to the first frame's pixels; only a graphic control block before it can make one of
// its colours transparent.
PictureLoad decodeGif(GifFileType* gif, int64_t fileBytes) {
  int transparentIndex = NO_TRANSPARENT_COLOR;
  for (;;) {
    GifRecordType record = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif, &record) == GIF_ERROR) return gifFailure(gif->Error);
    if (record == IMAGE_DESC_RECORD_TYPE) return decodeFirstFrame(gif, transparentIndex, fileBytes);
    if (record == TERMINATE_RECORD_TYPE) return pictureFailure("GIF: the file holds no picture");
    if (record != EXTENSION_RECORD_TYPE) continue;

    int function = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif, &function, &block) == GIF_ERROR) return gifFailure(gif->Error);
    GraphicsControlBlock control;
    if (function == GRAPHICS_EXT_FUNC_CODE && block &&
        DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK)
      transparentIndex = control.TransparentColor;
    while (block)
      if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) return gifFailure(gif->Error);
  }
}

}  // namespace

PictureLoad readGifFile(const std::string& utf8Path) {
  int openError = 0;
  GifHandle gif(DGifOpenFileName(utf8Path.c_str(), &openError));
  if (!gif) return gifFailure(openError);
  return decodeGif(gif.get(), pictureFileBytes(utf8Path));
}

}  // namespace taluvin
