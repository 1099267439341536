// Chooses a picture decoder by file name and holds the limits every decoder shares.
#include "present/picture_decoders.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <new>

namespace taluvin {

namespace {

// Folder names must not decide the format, so only the last path component is searched; game
// scripts may separate folders with either slash.
std::string_view fileNameOf(std::string_view path) {
  size_t slash = path.find_last_of("/\\");
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace

PictureLoad pictureFailure(std::string error) {
  PictureLoad failed;
  failed.error = error.empty() ? "the picture cannot be decoded" : std::move(error);
  return failed;
}

PictureLoad openFailure(const char* kind) {
  const int reason = errno;  // before any allocation below can disturb it
  return pictureFailure(std::string("cannot open the ") + kind + " file: " + std::strerror(reason));
}

namespace {

std::string sizeText(int64_t width, int64_t height) {
  return std::to_string(width) + " x " + std::to_string(height);
}

}  // namespace

std::string pictureSizeError(int64_t width, int64_t height) {
  if (width <= 0 || height <= 0) return "picture has no pixels";
  if (width > kMaxPictureSide || height > kMaxPictureSide)
    return sizeText(width, height) + " is more than " + std::to_string(kMaxPictureSide) + " pixels on a side";
  if (width * height > kMaxPicturePixels)
    return sizeText(width, height) + " is more than " + std::to_string(kMaxPicturePixels >> 20) + " M pixels";
  return {};
}

int64_t pictureFileBytes(const std::string& utf8Path) {
  std::error_code failed;
  const auto bytes = std::filesystem::file_size(std::filesystem::path(utf8Path), failed);
  return failed ? -1 : static_cast<int64_t>(bytes);
}

std::string pictureDataError(int64_t width, int64_t height, int64_t fileBytes, int64_t leastBytes) {
  if (fileBytes < 0 || fileBytes >= leastBytes) return {};
  return sizeText(width, height) + " is more than a file of " + std::to_string(fileBytes) + " bytes can hold";
}

std::string allocatePicture(QImage& image, int64_t width, int64_t height) {
  if (std::string refusal = pictureSizeError(width, height); !refusal.empty()) return refusal;
  image = QImage(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB888);
  if (image.isNull()) return "not enough memory for the picture";
  return {};
}

bool namesPicture(std::string_view label) {
  return label.find(".gif") != std::string_view::npos || label.find(".png") != std::string_view::npos ||
         label.find(".jpg") != std::string_view::npos;
}

bool choosesPictureDecoder(std::string_view writtenName) {
  const std::string_view name = fileNameOf(writtenName);
  for (const char* extension : {".png", ".jpg", ".bmp", ".gif"})
    if (name.find(extension) != std::string_view::npos) return true;
  return false;
}

PictureLoad loadPictureFile(const std::string& path) { return loadPictureFile(path, path); }

PictureLoad loadPictureFile(const std::string& path, std::string_view writtenName) {
  const std::string_view name = fileNameOf(writtenName);
  try {
    if (name.find(".png") != std::string_view::npos) return readPngFile(path);
    if (name.find(".jpg") != std::string_view::npos) return readJpegFile(path);
    if (name.find(".bmp") != std::string_view::npos) return readBmpFile(path);
    if (name.find(".gif") != std::string_view::npos) return readGifFile(path);
  } catch (const std::bad_alloc&) {
    return pictureFailure("not enough memory for the picture");
  }
  return pictureFailure("unsupported");
}

}  // namespace taluvin
