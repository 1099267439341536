// The games library window: a list with thumbnails, its four buttons, the dialogs and dropping a game on it.
#include "app/library/library_window.h"

#include "app/library/game_source.h"
#include "app/library/library_listing.h"
#include "base/text.h"
#include "present/picture_file.h"
#include "state/game_paths.h"
#include "state/player_data.h"
#include "state/text_file.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include <filesystem>

namespace taluvin {

namespace {

constexpr int kThumbWidth = 150;
constexpr int kThumbHeight = 70;  // the window's 900 × 420 at a sixth
constexpr int kOpeningPictureLine = 13;
constexpr size_t kMaxSettingsLines = 200;
constexpr size_t kMaxSettingsLineBytes = 4096;
constexpr int kNameRole = Qt::UserRole;
constexpr int kPlayedRole = Qt::UserRole + 1;

QString qtPath(const std::string& native) { return QString::fromLocal8Bit(native.c_str()); }
std::string nativePathOf(const QString& path) { return path.toLocal8Bit().toStdString(); }

// The opening picture the game shows before its start click: the program settings' line 13, found
// and decoded as the player would.
QPixmap thumbnailOf(const std::string& folder, const std::string& programName) {
  QPixmap thumbnail(kThumbWidth, kThumbHeight);
  thumbnail.fill(Qt::black);
  const auto settings = resolveInFolder(folder, utf8ToCp1252(programName) + ".ini");
  if (!settings) return thumbnail;
  const Lines lines = readLinesWithin(*settings, kMaxSettingsLines, kMaxSettingsLineBytes).lines;
  if (lines.size() <= kOpeningPictureLine || lines[kOpeningPictureLine].empty()) return thumbnail;
  const std::string& name = lines[kOpeningPictureLine];
  const auto path = resolveInFolder(folder, name);
  if (!path) return thumbnail;
  const PictureLoad picture = loadPictureFile(*path, name);
  if (!picture.ok()) return thumbnail;
  return QPixmap::fromImage(picture.image.scaled(kThumbWidth, kThumbHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

bool isGameSource(const QString& path) {
  const std::string native = nativePathOf(path);
  std::error_code ec;
  return isArchivePath(native) || std::filesystem::is_directory(native, ec);
}

}  // namespace

LibraryWindow::LibraryWindow(std::string programName, QWidget* parent)
    : QWidget(parent), programName_(std::move(programName)) {
  setObjectName("Library");
  setWindowTitle("Taluvin — games");
  setAcceptDrops(true);
  list_ = new QListWidget(this);
  list_->setObjectName("LibraryList");
  list_->setIconSize(QSize(kThumbWidth, kThumbHeight));
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  play_ = new QPushButton("&Play", this);
  play_->setObjectName("LibraryPlay");
  continue_ = new QPushButton("&Continue", this);
  continue_->setObjectName("LibraryContinue");
  remove_ = new QPushButton("&Remove…", this);
  remove_->setObjectName("LibraryRemove");
  add_ = new QPushButton("&Add…", this);
  add_->setObjectName("LibraryAdd");
  auto* addMenu = new QMenu(add_);
  addMenu->addAction("A game folder…", this, [this] { chooseAndAdd(false); });
  addMenu->addAction("A .zip archive…", this, [this] { chooseAndAdd(true); });
  add_->setMenu(addMenu);
  status_ = new QLabel(this);
  status_->setObjectName("LibraryStatus");
  status_->setWordWrap(true);

  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {play_, continue_, remove_, add_}) buttons->addWidget(button);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addLayout(buttons);
  layout->addWidget(status_);
  resize(560, 460);

  connect(play_, &QPushButton::clicked, this, [this] { playSelected(false); });
  connect(continue_, &QPushButton::clicked, this, [this] { playSelected(true); });
  connect(remove_, &QPushButton::clicked, this, [this] { removeSelected(); });
  connect(list_, &QListWidget::itemSelectionChanged, this, [this] { updateButtons(); });
  connect(list_, &QListWidget::itemActivated, this, [this] { playSelected(false); });

  askSameName = [this](const QString& name) {
    QMessageBox box(QMessageBox::Question, "Taluvin", QString("A game named %1 is already in the library.").arg(name),
                    QMessageBox::NoButton, this);
    QPushButton* replace = box.addButton("Replace it", QMessageBox::DestructiveRole);
    QPushButton* both = box.addButton("Keep both", QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.exec();
    if (box.clickedButton() == replace) return SameNameAnswer::Replace;
    if (box.clickedButton() == both) return SameNameAnswer::KeepBoth;
    return SameNameAnswer::Cancel;
  };
  confirmRemove = [this](const QString& name) {
    return QMessageBox::question(this, "Taluvin",
                                 QString("Remove %1 and its saved place from the games folder?\n"
                                         "Its save slots are kept.").arg(name)) == QMessageBox::Yes;
  };
  refresh();
}

void LibraryWindow::refresh() {
  const std::string chosen = chosenGame();
  list_->clear();
  std::string problem;
  const std::string games = gamesFolder(problem);
  const std::string data = games.empty() ? std::string() : playerDataFolder(problem);
  if (data.empty()) {
    say(QString::fromStdString(problem));
    updateButtons();
    return;
  }
  for (const LibraryGame& game : listLibrary(games, LibraryIndex(data))) {
    QString text = QString::fromStdString(game.name) + "\nLast played: " +
                   QString::fromStdString(playedWhen(game.record.lastPlayed));
    if (!game.record.place.empty()) text += " — at " + QString::fromStdString(game.record.place);
    auto* item = new QListWidgetItem(QIcon(thumbnailOf(game.folder, programName_)), text, list_);
    item->setData(kNameRole, QString::fromStdString(game.name));
    item->setData(kPlayedRole, game.record.lastPlayed > 0);
    item->setToolTip(qtPath(game.folder));
  }
  if (list_->count() == 0)
    say("No games yet: add a game folder or a .zip archive with Add, or drop one on this window.");
  choose(chosen);
  if (!list_->currentItem() && list_->count() > 0) list_->setCurrentRow(0);
  updateButtons();
}

std::string LibraryWindow::chosenGame() const {
  const QListWidgetItem* item = list_->currentItem();
  return item && item->isSelected() ? item->data(kNameRole).toString().toStdString() : std::string();
}

void LibraryWindow::choose(const std::string& name) {
  for (int row = 0; row < list_->count(); ++row)
    if (list_->item(row)->data(kNameRole).toString().toStdString() == name) list_->setCurrentRow(row);
}

QString LibraryWindow::status() const { return status_->text(); }

void LibraryWindow::say(const QString& text) { status_->setText(text); }

void LibraryWindow::updateButtons() {
  const QListWidgetItem* item = list_->currentItem();
  const bool chosen = item && item->isSelected();
  play_->setEnabled(chosen);
  continue_->setEnabled(chosen && item->data(kPlayedRole).toBool());
  remove_->setEnabled(chosen);
}

void LibraryWindow::playSelected(bool resume) {
  const std::string name = chosenGame();
  if (name.empty()) return;
  std::string problem;
  const std::string games = gamesFolder(problem);
  if (games.empty()) {
    say(QString::fromStdString(problem));
    return;
  }
  emit playChosen(qtPath(games + name + "/"), resume);
}

void LibraryWindow::removeSelected() {
  const std::string name = chosenGame();
  if (name.empty() || !confirmRemove(QString::fromStdString(name))) return;
  const std::string problem = removeFromLibrary(name);
  refresh();
  say(problem.empty() ? QString("Removed %1.").arg(QString::fromStdString(name))
                      : QString("Could not remove %1: %2").arg(QString::fromStdString(name), QString::fromStdString(problem)));
}

void LibraryWindow::addGame(const std::string& path) {
  SameName sameName = SameName::AddSuffix;
  std::string problem;
  const std::string games = gamesFolder(problem);
  std::error_code ec;
  const std::string name = libraryName(path);
  const std::string hash = isArchivePath(path) ? fileHash(path) : std::string();
  const std::string data = games.empty() ? std::string() : playerDataFolder(problem);
  const bool sameArchive = !data.empty() && LibraryIndex(data).findSource(hash) != nullptr;
  if (!games.empty() && !sameArchive && std::filesystem::exists(std::filesystem::symlink_status(games + name, ec))) {
    switch (askSameName(QString::fromStdString(name))) {
      case SameNameAnswer::Replace: sameName = SameName::Replace; break;
      case SameNameAnswer::KeepBoth: break;
      case SameNameAnswer::Cancel: return;
    }
  }
  const QString shown = qtPath(std::filesystem::path(path).filename().string());
  const AddedGame added = addToLibrary(path, sameName, programName_);
  refresh();
  if (!added.error.empty()) {
    say(QString("Could not add %1: %2").arg(shown, QString::fromStdString(added.error)));
    return;
  }
  choose(added.name);
  QString text = added.alreadyThere ? QString("%1 is already in the library as %2.")
                                    : QString("Added %1 as %2.");
  text = text.arg(shown, QString::fromStdString(added.name));
  if (const std::string notice = leftOutNotice(path, added.leftOut); !notice.empty())
    text += " " + QString::fromStdString(notice);
  say(text);
}

void LibraryWindow::chooseAndAdd(bool archive) {
  const QString path = archive ? QFileDialog::getOpenFileName(this, "Add a zipped game", QString(), "Zip archives (*.zip *.ZIP)")
                               : QFileDialog::getExistingDirectory(this, "Add a game folder");
  if (!path.isEmpty()) addGame(nativePathOf(path));
}

void LibraryWindow::dragEnterEvent(QDragEnterEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  for (const QUrl& url : urls)
    if (url.isLocalFile() && isGameSource(url.toLocalFile())) {
      event->acceptProposedAction();
      return;
    }
}

void LibraryWindow::dropEvent(QDropEvent* event) {
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile() && isGameSource(url.toLocalFile())) addGame(nativePathOf(url.toLocalFile()));
  event->acceptProposedAction();
}

}  // namespace taluvin
