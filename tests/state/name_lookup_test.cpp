// The resolver finds names as their authors meant them: any letter case, "\" between folders, inside the folder only.
#include "base/text.h"
#include "state/folder_names.h"
#include "state/game_paths.h"
#include "support/test_game.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using taluvin::testing::TestGame;

namespace taluvin {
namespace {

namespace fs = std::filesystem;

// A file whose name is the bytes given, as the file system keeps them.
void touch(const std::string& folder, const std::string& nativeName) { std::ofstream(folder + nativeName) << "x"; }

TEST(NameLookup, ANameNotFoundAsWrittenFindsItsFileInAnyLetterCaseTheExactOneFirst) {
  TestGame game;
  const std::string& folder = game.folder();
  FolderNames names;
  fs::create_directories(folder + "IMG/Sub");
  for (const char* name : {"Foto.PNG", "IMG/Verde.png", "IMG/Sub/Fundo.bmp", "azul.png", "AZUL.png", "b.txt", "B.txt"})
    touch(folder, name);
  const auto found = [&](const std::string& name) { return resolveInFolder(folder, name, names).value_or("(none)"); };

  EXPECT_EQ(found("foto.png"), folder + "Foto.PNG");
  EXPECT_EQ(found("Foto.PNG"), folder + "Foto.PNG");
  EXPECT_EQ(found("img\\verde.png"), folder + "IMG/Verde.png");
  EXPECT_EQ(found("IMG/VERDE.PNG"), folder + "IMG/Verde.png");
  EXPECT_EQ(found("img/./sub//FUNDO.BMP"), folder + "IMG/Sub/Fundo.bmp");
  // Several names differ only in case: the one spelled so, else the first in byte order.
  EXPECT_EQ(found("azul.png"), folder + "azul.png");
  EXPECT_EQ(found("AZUL.png"), folder + "AZUL.png");
  EXPECT_EQ(found("Azul.PNG"), folder + "AZUL.png");
  EXPECT_EQ(found("b.TXT"), folder + "B.txt");
  fs::create_directory(folder + "Cena");
  fs::create_directory(folder + "cena");
  EXPECT_EQ(found("cena/Novo.txt"), folder + "cena/Novo.txt") << "a folder spelled exactly wins too";
  // A new file keeps the folders found and takes the rest of the name as written.
  EXPECT_EQ(found("Novo.txt"), folder + "Novo.txt");
  EXPECT_EQ(found("img\\sub\\Novo.txt"), folder + "IMG/Sub/Novo.txt");
  EXPECT_EQ(found("outra\\Novo.txt"), folder + "outra/Novo.txt");
  // A part naming a folder passes over a plain file of the same letters.
  touch(folder, "PASTA");
  fs::create_directory(folder + "pasta");
  names.clear();
  EXPECT_EQ(found("Pasta/a.txt"), folder + "pasta/a.txt");
  EXPECT_EQ(found("Pasta"), folder + "PASTA");
  EXPECT_EQ(resolveInFolder(folder, "FOTO.png"), folder + "Foto.PNG") << "the lookup of its own listings";
}

TEST(NameLookup, Windows1252LettersMatchInAnyCaseWhetherTheDiskSpellsThemInUtf8OrInWindows1252) {
  TestGame game;
  const std::string& folder = game.folder();
  FolderNames names;
  touch(folder, "A\xC3\x87\xC3\x83O.txt");         // "AÇÃO.txt" in UTF-8, as written here
  touch(folder, "CORA\xC7\xC3O.txt");              // "CORAÇÃO.txt" in Windows-1252, unpacked from elsewhere
  touch(folder, "\xC5\x92UVRE-\xC5\xA0-\xC5\xB8");  // "ŒUVRE-Š-Ÿ"
  touch(folder, "x\xC3\x97");                      // "x×": × is no letter and ÷ no small ×
  const auto found = [&](const std::string& name) { return resolveInFolder(folder, name, names).value_or("(none)"); };
  EXPECT_EQ(found("a\xE7\xE3o.txt"), folder + "A\xC3\x87\xC3\x83O.txt");
  EXPECT_EQ(found("cora\xE7\xE3o.TXT"), folder + "CORA\xC7\xC3O.txt");
  EXPECT_EQ(found("\x9Cuvre-\x9A-\xFF"), folder + "\xC5\x92UVRE-\xC5\xA0-\xC5\xB8");
  EXPECT_EQ(found("X\xF7"), folder + "X\xC3\xB7") << "not found: the name as written";
}

TEST(NameLookup, CaseVariantsThatLeadOutOfTheFolderAreRefusedAndNothingOutsideIsListed) {
  TestGame game;
  const std::string& folder = game.folder();
  FolderNames names;
  const std::string outside = game.beside() + "fora/";
  fs::create_directories(outside + "sub");
  touch(outside, "segredo.txt");
  touch(outside, "sub/fundo.txt");
  fs::create_symlink(outside + "segredo.txt", folder + "SEGREDO.TXT");
  fs::create_symlink(outside, folder + "PASTA");
  fs::create_symlink(game.beside() + "ainda-nao.txt", folder + "NOVO.TXT");  // dangling: a write would create it
  fs::create_directory(folder + "interna");
  touch(folder, "interna/Sala.scp");
  fs::create_symlink("interna", folder + "ATALHO");
  fs::create_symlink("interna/Sala.scp", folder + "APELIDO.SCP");

  for (const std::string& name : std::vector<std::string>{"segredo.txt", "pasta/segredo.txt", "Pasta\\sub\\fundo.txt", "pasta/novo.txt",
                                 "novo.txt", "PASTA/../jogo.ini", "..\\fora\\segredo.txt", "\\etc\\passwd",
                                 "C:segredo.txt", std::string("foto\0.png", 9)})
    EXPECT_FALSE(resolveInFolder(folder, name, names)) << name;
  EXPECT_EQ(names.keptFolders(), 2u) << "the game folder, and the refusal of the folder outside; nothing listed there";
  EXPECT_EQ(resolveInFolder(folder, "atalho/sala.SCP", names), folder + "ATALHO/Sala.scp");
  EXPECT_EQ(resolveInFolder(folder, "apelido.scp", names), folder + "APELIDO.SCP");
  EXPECT_FALSE(fs::exists(game.beside() + "ainda-nao.txt"));
}

TEST(NameLookup, ListingsAreReadOncePerRunWithinTheirBudgetAndAHugeFolderIsSearchedInstead) {
  TestGame game;
  const std::string& folder = game.folder();
  fs::create_directories(folder + "a");
  fs::create_directories(folder + "b");
  fs::create_directories(folder + "grande");
  for (int k = 0; k < 6; ++k) {
    touch(folder, "a/A" + std::to_string(k));
    touch(folder, "b/B" + std::to_string(k));
  }
  for (int k = 0; k < 40; ++k) touch(folder, "grande/G" + std::to_string(k));
  FolderNames names(16);
  EXPECT_EQ(resolveInFolder(folder, "a/a3", names), folder + "a/A3");
  EXPECT_EQ(resolveInFolder(folder, "b/b3", names), folder + "b/B3");
  EXPECT_LE(names.keptNames(), 16u);
  EXPECT_EQ(resolveInFolder(folder, "grande/g39", names), folder + "grande/G39");
  EXPECT_EQ(resolveInFolder(folder, "grande/g7", names), folder + "grande/G7");
  EXPECT_EQ(resolveInFolder(folder, "grande/g40", names), folder + "grande/g40");
  EXPECT_LE(names.keptNames(), 16u) << "the huge folder is searched, never kept";
  EXPECT_EQ(resolveInFolder(folder, "a/a5", names), folder + "a/A5") << "a folder let go is read again";

  // A file the listing did not hold is found once the listings are dropped, as each run drops them.
  touch(folder, "a/Tarde");
  names.clear();
  EXPECT_EQ(names.keptNames(), 0u);
  EXPECT_EQ(resolveInFolder(folder, "a/TARDE", names), folder + "a/Tarde");
}

}  // namespace
}  // namespace taluvin
