// Run-length BMPs (4 and 8 bits) draw as their uncompressed twins; broken runs stay inside the picture.
#include "present/picture_file.h"

#include "present/picture_samples.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace taluvin {
namespace {

using test::Bytes;

class BmpRunLength : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "taluvin-rle-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::string at(const std::string& name) const { return (folder_ / name).string(); }

  PictureLoad load(const std::string& name, const Bytes& bytes) {
    test::writeBytes(at(name), bytes);
    return loadPictureFile(at(name));
  }

  std::filesystem::path folder_;
};

using IndexRows = std::vector<std::vector<uint8_t>>;  // top row first

const std::vector<uint32_t> kPalette = {0x102030, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0x00FFFF,
                                        0xFF00FF, 0xFFFFFF, 0x808080, 0x400000, 0x004000, 0x000040,
                                        0x404000, 0x004040, 0x400040, 0x404040};

// The same rows packed as an uncompressed BMP stores them, each padded to 32 bits.
Bytes packedRows(const IndexRows& rows, int bits) {
  const size_t width = rows.front().size();
  const size_t stride = (width * size_t(bits) + 31) / 32 * 4;
  Bytes packed;
  for (const auto& row : rows) {
    Bytes line(stride);
    for (size_t x = 0; x < width; ++x) {
      if (bits == 8)
        line[x] = row[x];
      else
        line[x / 2] |= static_cast<uint8_t>(row[x] << (x % 2 == 0 ? 4 : 0));
    }
    packed.insert(packed.end(), line.begin(), line.end());
  }
  return packed;
}

// A small encoder: runs of three or more equal pixels become encoded runs, stretches of differing
// ones absolute runs (odd lengths included, so their padding is exercised), rows end with an end of
// line and the last with an end of picture.
Bytes encodeRunLength(const IndexRows& rows, int bits) {
  const auto packedPair = [bits](uint8_t first, uint8_t second) {
    return bits == 8 ? first : static_cast<uint8_t>(first << 4 | second);
  };
  Bytes out;
  for (size_t r = rows.size(); r-- > 0;) {  // bottom row first
    const auto& row = rows[r];
    size_t x = 0;
    while (x < row.size()) {
      size_t same = 1;
      while (x + same < row.size() && row[x + same] == row[x] && same < 255) ++same;
      if (same >= 3) {
        out.insert(out.end(), {static_cast<uint8_t>(same), packedPair(row[x], row[x])});
        x += same;
        continue;
      }
      size_t stretch = 1;
      while (x + stretch < row.size() && stretch < 255 &&
             !(x + stretch + 2 < row.size() && row[x + stretch] == row[x + stretch + 1] &&
               row[x + stretch] == row[x + stretch + 2]))
        ++stretch;
      if (stretch < 3) {
        for (size_t i = 0; i < stretch; ++i) out.insert(out.end(), {1, packedPair(row[x + i], 0)});
        x += stretch;
        continue;
      }
      out.insert(out.end(), {0, static_cast<uint8_t>(stretch)});
      Bytes literal;
      for (size_t i = 0; i < stretch; ++i) {
        if (bits == 8)
          literal.push_back(row[x + i]);
        else if (i % 2 == 0)
          literal.push_back(static_cast<uint8_t>(row[x + i] << 4));
        else
          literal.back() |= row[x + i];
      }
      if (literal.size() % 2) literal.push_back(0);
      out.insert(out.end(), literal.begin(), literal.end());
      x += stretch;
    }
    out.insert(out.end(), {0, static_cast<uint8_t>(r == 0 ? 1 : 0)});
  }
  return out;
}

IndexRows samplePicture(int width, int height, int colours) {
  IndexRows rows(static_cast<size_t>(height), std::vector<uint8_t>(static_cast<size_t>(width)));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      // Long runs on the left, noise on the right, a run crossing the middle on every third row.
      rows[size_t(y)][size_t(x)] = static_cast<uint8_t>(
          x < width / 3 ? y % colours : (y % 3 == 0 && x < 2 * width / 3) ? 5 : (x * 7 + y * 3) % colours);
  return rows;
}

TEST_F(BmpRunLength, FourAndEightBitFilesDrawAsTheirUncompressedTwins) {
  for (int bits : {8, 4}) {
    for (int width : {37, 38, 300}) {
      const IndexRows rows = samplePicture(width, 7, 16);
      const std::string twin = "twin" + std::to_string(bits) + "-" + std::to_string(width) + ".bmp";
      const std::string packed = "rle" + std::to_string(bits) + "-" + std::to_string(width) + ".bmp";
      const PictureLoad expected =
          load(twin, test::bmpFile(width, 7, bits, kPalette, packedRows(rows, bits), false));
      const Bytes runs = encodeRunLength(rows, bits);
      const PictureLoad decoded = load(packed, test::runLengthBmpFile(width, 7, bits, kPalette, runs));
      ASSERT_TRUE(expected.ok()) << expected.error;
      ASSERT_TRUE(decoded.ok()) << bits << " bits, " << width << " wide: " << decoded.error;
      EXPECT_EQ(decoded.image, expected.image) << bits << " bits, " << width << " wide";
    }
  }
}

TEST_F(BmpRunLength, MovesAndAnEarlyEndLeaveThePalettesFirstColour) {
  // 4 x 3, bottom row first: two red, end of line; a move two right, one blue, end of picture.
  const Bytes runs = {2, 1, 0, 0, 0, 2, 2, 0, 1, 3, 0, 1};
  const PictureLoad moved = load("moved.bmp", test::runLengthBmpFile(4, 3, 8, kPalette, runs));
  ASSERT_TRUE(moved.ok()) << moved.error;
  const IndexRows expected = {{0, 0, 0, 0}, {0, 0, 3, 0}, {1, 1, 0, 0}};
  const PictureLoad twin = load("twin.bmp", test::bmpFile(4, 3, 8, kPalette, packedRows(expected, 8), false));
  EXPECT_EQ(moved.image, twin.image);

  // 4 bits: a move one right and one row up, then an absolute run of five (three bytes and a pad).
  const Bytes nibbleRuns = {0, 2, 1, 1, 0, 5, 0x12, 0x34, 0x50, 0, 0, 1};
  const PictureLoad nibbles = load("nibbles.bmp", test::runLengthBmpFile(7, 2, 4, kPalette, nibbleRuns));
  ASSERT_TRUE(nibbles.ok()) << nibbles.error;
  const IndexRows nibbleRows = {{0, 1, 2, 3, 4, 5, 0}, {0, 0, 0, 0, 0, 0, 0}};
  EXPECT_EQ(nibbles.image,
            load("nibbles-twin.bmp", test::bmpFile(7, 2, 4, kPalette, packedRows(nibbleRows, 4), false)).image);
}

TEST_F(BmpRunLength, BrokenRunsStayInsideThePictureAndCutDataIsRefused) {
  // Runs past the row's end are cut there: the next row starts only at an end of line.
  const Bytes longRuns = {200, 2, 0, 9, 1, 2, 3, 4, 5, 6, 7, 1, 2, 0, 0, 0, 255, 4, 0, 1};
  const PictureLoad cut = load("cut.bmp", test::runLengthBmpFile(4, 2, 8, kPalette, longRuns));
  ASSERT_TRUE(cut.ok()) << cut.error;
  const IndexRows cutRows = {{4, 4, 4, 4}, {2, 2, 2, 2}};
  EXPECT_EQ(cut.image, load("cut-twin.bmp", test::bmpFile(4, 2, 8, kPalette, packedRows(cutRows, 8), false)).image);

  // Moves past the right edge and past the last row: the picture simply ends.
  for (const Bytes& runs : {Bytes{0, 2, 255, 0, 3, 1, 0, 0, 1, 2, 0, 1}, Bytes{1, 1, 0, 2, 0, 255, 1, 7},
                            Bytes{0, 0, 0, 0, 0, 0, 4, 4}}) {
    const PictureLoad ended = load("ended.bmp", test::runLengthBmpFile(4, 2, 8, kPalette, runs));
    EXPECT_TRUE(ended.ok()) << ended.error;
    EXPECT_EQ(ended.image.size(), QSize(4, 2));
  }

  // Data that stops before the picture does is a truncated file, as an uncompressed one would be.
  for (const Bytes& runs : {Bytes{2, 1, 0, 0}, Bytes{2, 1, 0}, Bytes{0, 5, 1, 2}, Bytes{0, 2, 1}, Bytes{}}) {
    const PictureLoad refused = load("short.bmp", test::runLengthBmpFile(4, 2, 8, kPalette, runs));
    EXPECT_EQ(refused.error, "BMP: the file is truncated") << runs.size() << " bytes";
    EXPECT_TRUE(refused.image.isNull());
  }

  // A huge picture from a few bytes is refused before its rows are allocated; a large one that
  // could be mostly blank is read.
  const PictureLoad huge = load("huge.bmp", test::runLengthBmpFile(16000, 4000, 8, kPalette, {0, 1}));
  EXPECT_NE(huge.error.find("is more than a file of"), std::string::npos) << huge.error;
  const PictureLoad blank = load("blank.bmp", test::runLengthBmpFile(2000, 2000, 8, kPalette, {0, 1}));
  ASSERT_TRUE(blank.ok()) << blank.error;
  EXPECT_EQ(blank.image.pixelColor(1999, 0), QColor(0x10, 0x20, 0x30));

  // Run-length coding belongs to one depth each.
  Bytes wrongDepth = test::runLengthBmpFile(4, 1, 4, kPalette, {4, 1, 0, 1});
  wrongDepth[30] = 1;  // run-length 8 on a 4-bit picture
  EXPECT_EQ(load("depth.bmp", wrongDepth).error, "BMP: unsupported compression");
}

}  // namespace
}  // namespace taluvin
