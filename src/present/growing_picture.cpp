// Rows of a decoded picture grown with realloc, handed to a QImage that frees them.
#include "present/growing_picture.h"

#include <algorithm>
#include <cstdlib>

namespace taluvin {

namespace {

// The first allocation holds about this much, the whole picture when it is smaller.
constexpr size_t kFirstBytes = size_t{1} << 20;

void freeRows(void* data) { std::free(data); }

}  // namespace

void GrowingPicture::begin(int width, int height) {
  std::free(data_);
  data_ = nullptr;
  width_ = width;
  height_ = height;
  rows_ = capacity_ = 0;
  stride_ = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;  // QImage wants rows on 32-bit boundaries
}

GrowingPicture::~GrowingPicture() { std::free(data_); }

uchar* GrowingPicture::nextRow() {
  if (rows_ >= height_) return nullptr;
  if (rows_ == capacity_) {
    // Doubling keeps the copies few; large blocks are remapped rather than copied by most allocators.
    const int first = static_cast<int>(std::max<size_t>(1, kFirstBytes / stride_));
    const int wanted = std::min(height_, capacity_ == 0 ? first : capacity_ * 2);
    void* grown = std::realloc(data_, stride_ * static_cast<size_t>(wanted));
    if (!grown) return nullptr;
    data_ = static_cast<uchar*>(grown);
    capacity_ = wanted;
  }
  return data_ + stride_ * static_cast<size_t>(rows_++);
}

QImage GrowingPicture::finish() {
  if (rows_ != height_ || !data_) return {};
  QImage image(data_, width_, height_, static_cast<qsizetype>(stride_), QImage::Format_RGB888, freeRows, data_);
  if (image.isNull()) return {};
  data_ = nullptr;  // the image frees the rows from now on
  rows_ = capacity_ = 0;
  return image;
}

}  // namespace taluvin
