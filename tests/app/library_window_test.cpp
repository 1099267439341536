// The games library window: adding by name or by drop, thumbnails, Play and Continue, same names, removing.
#include "app/library/games_library.h"
#include "app/library/library_window.h"
#include "support/zip_maker.h"

#include <QBuffer>
#include <QDropEvent>
#include <QImage>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <filesystem>
#include <gtest/gtest.h>

using taluvin::LibraryWindow;
using taluvin::testing::makeZip;
using taluvin::testing::writeFileBytes;
using taluvin::testing::ZipEntry;

namespace {

namespace fs = std::filesystem;

std::string pngOf(QColor colour) {
  QImage image(90, 42, QImage::Format_RGB32);
  image.fill(colour);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes.toStdString();
}

// A game whose program settings name its opening picture (line 13), in a folder of the archive.
std::string gameZip(QColor opening, const std::string& start = "reg= 1,ok\r\n") {
  std::string settings;
  for (int line = 0; line < 14; ++line)
    settings += std::string(line == 4 ? "jogo" : line == 13 ? "abertura.png" : "0") + "\r\n";
  return makeZip({{"jogo/taluvin.ini", settings},
                  {"jogo/jogo.ini", "0\r\n"},
                  {"jogo/start.scp", start},
                  {"jogo/abertura.png", pngOf(opening)}});
}

QListWidget* listOf(LibraryWindow& window) { return window.findChild<QListWidget*>("LibraryList"); }
QPushButton* button(LibraryWindow& window, const char* name) { return window.findChild<QPushButton*>(name); }

QRgb thumbnailCentre(QListWidget* list, int row) {
  const QImage icon = list->item(row)->icon().pixmap(150, 70).toImage();
  return icon.pixel(icon.width() / 2, icon.height() / 2);
}

TEST(LibraryWindow, AddsShowsPlaysAndRemovesGames) {
  LibraryWindow window("taluvin");
  QListWidget* list = listOf(window);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->count(), 0);
  EXPECT_TRUE(window.status().startsWith("No games yet"));
  EXPECT_FALSE(button(window, "LibraryPlay")->isEnabled());
  EXPECT_FALSE(button(window, "LibraryRemove")->isEnabled());

  writeFileBytes("jogo.zip", gameZip(Qt::red));
  window.addGame(fs::absolute("jogo.zip").string());
  ASSERT_EQ(list->count(), 1);
  EXPECT_EQ(window.status(), "Added jogo.zip as jogo.");
  EXPECT_EQ(window.chosenGame(), "jogo");
  EXPECT_TRUE(list->item(0)->text().contains("Last played: never"));
  EXPECT_EQ(qRed(thumbnailCentre(list, 0)), 255);
  EXPECT_EQ(qGreen(thumbnailCentre(list, 0)), 0);
  EXPECT_TRUE(button(window, "LibraryPlay")->isEnabled());
  // Nothing to continue from a game never played.
  EXPECT_FALSE(button(window, "LibraryContinue")->isEnabled());

  // The same archive again brings nothing new.
  window.addGame(fs::absolute("jogo.zip").string());
  EXPECT_EQ(window.status(), "jogo.zip is already in the library as jogo.");
  EXPECT_EQ(list->count(), 1);

  taluvin::notePlayed("jogo", "sala2");
  window.refresh();
  EXPECT_TRUE(list->item(0)->text().contains(" — at sala2")) << list->item(0)->text().toStdString();
  EXPECT_TRUE(button(window, "LibraryContinue")->isEnabled());
  std::vector<std::pair<QString, bool>> played;
  QObject::connect(&window, &LibraryWindow::playChosen,
                   [&](const QString& folder, bool resume) { played.emplace_back(folder, resume); });
  button(window, "LibraryPlay")->click();
  button(window, "LibraryContinue")->click();
  const QString folder = QString::fromStdString(fs::current_path().string() + "/user-data/taluvin/games/jogo/");
  EXPECT_EQ(played, (std::vector<std::pair<QString, bool>>{{folder, false}, {folder, true}}));

  // A removal the player declines removes nothing.
  window.confirmRemove = [](const QString&) { return false; };
  button(window, "LibraryRemove")->click();
  EXPECT_EQ(list->count(), 1);
  window.confirmRemove = [](const QString&) { return true; };
  button(window, "LibraryRemove")->click();
  EXPECT_EQ(list->count(), 0);
  EXPECT_EQ(window.status(), "Removed jogo.");
  EXPECT_FALSE(fs::exists(folder.toStdString()));
}

TEST(LibraryWindow, AnotherGameOfTheSameNameIsKeptBesideReplacesOrIsLeftAndADropAddsOne) {
  LibraryWindow window("taluvin");
  QListWidget* list = listOf(window);
  fs::create_directories("a");
  fs::create_directories("b");
  writeFileBytes("a/jogo.zip", gameZip(Qt::red));
  writeFileBytes("b/jogo.zip", gameZip(Qt::blue, "reg= 1,azul\r\n"));
  window.addGame(fs::absolute("a/jogo.zip").string());

  std::vector<QString> asked;
  window.askSameName = [&](const QString& name) {
    asked.push_back(name);
    return LibraryWindow::SameNameAnswer::Cancel;
  };
  window.addGame(fs::absolute("b/jogo.zip").string());
  EXPECT_EQ(asked, std::vector<QString>{"jogo"});
  EXPECT_EQ(list->count(), 1);

  window.askSameName = [](const QString&) { return LibraryWindow::SameNameAnswer::KeepBoth; };
  window.addGame(fs::absolute("b/jogo.zip").string());
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(window.chosenGame(), "jogo-2");
  EXPECT_EQ(qBlue(thumbnailCentre(list, 1)), 255);

  // Replaced, the game under the name is the new one once it is whole.
  writeFileBytes("b/jogo.zip", gameZip(Qt::green));
  window.askSameName = [](const QString&) { return LibraryWindow::SameNameAnswer::Replace; };
  window.addGame(fs::absolute("b/jogo.zip").string());
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(qGreen(thumbnailCentre(list, 0)), 255);
  EXPECT_EQ(qRed(thumbnailCentre(list, 0)), 0);

  // A damaged archive says why and adds nothing.
  writeFileBytes("quebrado.zip", "PK\x03\x04 not really");
  window.addGame(fs::absolute("quebrado.zip").string());
  EXPECT_TRUE(window.status().startsWith("Could not add quebrado.zip: it ")) << window.status().toStdString();
  EXPECT_EQ(list->count(), 2);

  // Dropped on the window: a game folder is copied in; anything else is not taken.
  fs::create_directories("outro");
  writeFileBytes("outro/taluvin.ini", "0\r\n0\r\n\r\n\r\noutro\r\n");
  writeFileBytes("outro/outro.ini", "0\r\n");
  writeFileBytes("outro/start.scp", "reg= 1,x\r\n");
  writeFileBytes("leia.txt", "not a game");
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(fs::absolute("leia.txt").string())),
                QUrl::fromLocalFile(QString::fromStdString(fs::absolute("outro").string()))});
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  // Handed to the window as the platform's drag and drop does, past the application's own routing,
  // which sends a drop only at the end of a real drag.
  static_cast<QObject&>(window).event(&drop);
  ASSERT_EQ(list->count(), 3) << window.status().toStdString();
  EXPECT_EQ(window.chosenGame(), "outro");
  EXPECT_TRUE(fs::exists("outro/start.scp"));
}

}  // namespace
