// A decoded picture whose rows are allocated only as the decoder delivers them.
#pragma once

#include <QImage>

#include <cstddef>

namespace taluvin {

// A 24-bit picture of a checked size whose rows are allocated as the decoder delivers them, top to
// bottom: a file whose data runs out long before its declared height fails having cost only the
// rows it really held.
class GrowingPicture {
 public:
  GrowingPicture() = default;
  GrowingPicture(const GrowingPicture&) = delete;
  GrowingPicture& operator=(const GrowingPicture&) = delete;
  ~GrowingPicture();

  // Forgets any rows delivered so far and expects a picture of this size.
  void begin(int width, int height);
  // Storage for the next row, or nullptr when memory runs out.
  uchar* nextRow();
  int rowsDelivered() const { return rows_; }
  // The picture, once every row was delivered; a null image before that.
  QImage finish();

 private:
  int width_ = 0, height_ = 0, rows_ = 0, capacity_ = 0;
  size_t stride_ = 0;
  uchar* data_ = nullptr;
};

}  // namespace taluvin
