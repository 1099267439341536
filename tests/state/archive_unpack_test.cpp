// Zip archives unpacked: names in every encoding, entries that lead out left out, budgets and damage refused.
#include "state/archive_names.h"
#include "state/archive_unpack.h"
#include "support/zip_maker.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using taluvin::testing::makeDeflatedZip;
using taluvin::testing::makeZip;
using taluvin::testing::writeFileBytes;
using taluvin::testing::ZipEntry;
using Kind = taluvin::testing::ZipEntry::Kind;

namespace taluvin {
namespace {

namespace fs = std::filesystem;

// The test's own folder, which the tests' main makes the working folder; what is unpacked goes
// into "into/" there, so anything written beside it has climbed out.
std::string intoFolder() {
  const std::string into = fs::current_path().string() + "/into/";
  fs::create_directory(into);
  return into;
}

std::vector<std::string> namesBeside() {
  std::vector<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(fs::current_path()))
    names.push_back(fs::relative(entry.path(), fs::current_path()).string());
  std::sort(names.begin(), names.end());
  return names;
}

std::string bytesOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(ArchiveUnpack, NamesInEveryEncodingComeOutAsUtf8) {
  const std::string into = intoFolder();
  const std::string zip = makeZip({
      {"Jogo/", "", Kind::Folder},
      {"Jogo/a\xc3\xa7\xc3\xa3o.txt", "utf8 marked", Kind::File, true},
      {"Jogo/p\xc3\xa3o.txt", "utf8 unmarked"},
      {"Jogo/caf\x82\x87.txt", "cp437"},                 // é ç in CP437
      {"Jogo/cora\xe7\xe3o.txt", "windows-1252"},      // ç ã: Greek letters in CP437, none of a name
      {"Jogo\\img\\Porta.BMP", "backslashes"},
  });
  const UnpackResult result = unpackArchiveBytes(zip.data(), zip.size(), into);
  ASSERT_EQ(result.error, "");
  EXPECT_TRUE(result.leftOut.empty());
  EXPECT_EQ(result.files, 5u);
  EXPECT_EQ(bytesOf(into + "Jogo/ação.txt"), "utf8 marked");
  EXPECT_EQ(bytesOf(into + "Jogo/pão.txt"), "utf8 unmarked");
  EXPECT_EQ(bytesOf(into + "Jogo/caféç.txt"), "cp437");
  EXPECT_EQ(bytesOf(into + "Jogo/coração.txt"), "windows-1252");
  EXPECT_EQ(bytesOf(into + "Jogo/img/Porta.BMP"), "backslashes");

  EXPECT_EQ(decodeEntryName("\x8e\x99\x9a"), "ÄÖÜ");
  EXPECT_EQ(decodeEntryName("\xe1"), "ß");
  EXPECT_EQ(decodeEntryName("\xc9l\xe8ve"), "Élève");
}

TEST(ArchiveUnpack, EntriesLeadingOutAreLeftOutAndNothingIsWrittenOutside) {
  const std::string into = intoFolder();
  const std::string zip = makeZip({
      {"jogo/start.scp", "fim\r\n"},
      {"jogo/../../../fora.txt", "climbed"},
      {"../fora2.txt", "climbed"},
      {"/tmp/absoluto.txt", "absolute"},
      {"C:\\fora3.txt", "drive"},
      {"jogo/sai", "../../..", Kind::Link},
      {"jogo/raiz", "/etc", Kind::Link},
      {"jogo/atalho", "img/porta.bmp", Kind::Link},
      {"jogo/img/porta.bmp", "BM"},
      {"jogo/start.scp", "second"},
      {"jogo/sai/dentro.txt", "through the link"},
  });
  const auto before = namesBeside();
  const UnpackResult result = unpackArchiveBytes(zip.data(), zip.size(), into);
  ASSERT_EQ(result.error, "");
  EXPECT_EQ(result.leftOut, (std::vector<std::string>{"jogo/../../../fora.txt", "../fora2.txt", "/tmp/absoluto.txt",
                                                      "C:/fora3.txt", "jogo/sai", "jogo/raiz", "jogo/start.scp"}));
  EXPECT_EQ(bytesOf(into + "jogo/start.scp"), "fim\r\n");  // the first of two entries of one name
  EXPECT_EQ(fs::read_symlink(into + "jogo/atalho"), "img/porta.bmp");
  EXPECT_EQ(bytesOf(into + "jogo/sai/dentro.txt"), "through the link");  // a folder, not the link
  EXPECT_FALSE(fs::exists("/tmp/absoluto.txt"));
  std::vector<std::string> after = namesBeside();
  std::erase_if(after, [](const std::string& name) { return name.rfind("into", 0) == 0; });
  std::vector<std::string> expected = before;
  std::erase_if(expected, [](const std::string& name) { return name.rfind("into", 0) == 0; });
  EXPECT_EQ(after, expected);
}

TEST(ArchiveUnpack, ArchivesPastTheirBudgetOrDamagedAreRefused) {
  const std::string into = intoFolder();
  const std::string three = makeZip({{"a", "1"}, {"b", "2"}, {"c", "3"}});
  UnpackBudget budget;
  budget.maxEntries = 2;
  EXPECT_EQ(unpackArchiveBytes(three.data(), three.size(), into + "", budget).error, "it holds more than 2 entries");

  fs::remove_all(into);
  fs::create_directory(into);
  budget = UnpackBudget{};
  budget.maxBytes = 1024 * 1024;
  budget.ratioFloor = 2 * 1024 * 1024;
  const std::string big = makeZip({{"big.bin", std::string(1024 * 1024 + 1, 'x')}});
  EXPECT_EQ(unpackArchiveBytes(big.data(), big.size(), into, budget).error, "it unpacks to more than 1 MB");

  fs::remove_all(into);
  fs::create_directory(into);
  budget = UnpackBudget{};
  budget.ratioFloor = 64 * 1024;
  const std::string bomb = makeDeflatedZip({{"zeros.bin", std::string(8 * 1024 * 1024, '\0')}});
  ASSERT_LT(bomb.size(), 64 * 1024u);
  EXPECT_EQ(unpackArchiveBytes(bomb.data(), bomb.size(), into, budget).error,
            "it unpacks to more than 200 times its own size, as a zip bomb does");
  // The same archive within the ratio's floor unpacks whole.
  fs::remove_all(into);
  fs::create_directory(into);
  EXPECT_EQ(unpackArchiveBytes(bomb.data(), bomb.size(), into).error, "");
  EXPECT_EQ(fs::file_size(into + "zeros.bin"), 8u * 1024 * 1024);

  const std::string notZip = "this is no archive at all";
  EXPECT_EQ(unpackArchiveBytes(notZip.data(), notZip.size(), into).error.rfind("it is not a zip archive", 0), 0u);
  std::string damaged = makeDeflatedZip({{"texto.txt", std::string(100000, 'a') + "b"}});
  for (size_t i = 80; i < 100; ++i) damaged[i] = static_cast<char>(damaged[i] ^ 0x5A);
  fs::remove_all(into);
  fs::create_directory(into);
  EXPECT_EQ(unpackArchiveBytes(damaged.data(), damaged.size(), into).error,
            "it is damaged (texto.txt: ZIP uncompressed data is wrong size (read 85322, expected 100001))");

  // From a file, the archive is only read: its bytes and time stay as they were.
  writeFileBytes("jogo.zip", three);
  const auto stamp = fs::last_write_time("jogo.zip");
  fs::remove_all(into);
  fs::create_directory(into);
  EXPECT_EQ(unpackArchive("jogo.zip", into).error, "");
  EXPECT_EQ(bytesOf("jogo.zip"), three);
  EXPECT_EQ(fs::last_write_time("jogo.zip"), stamp);
  EXPECT_EQ(unpackArchive("nada.zip", into).error, "it cannot be read (No such file or directory)");
}

}  // namespace
}  // namespace taluvin
