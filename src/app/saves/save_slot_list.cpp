// The slot list over the main window: a row per slot, chosen with the keyboard or the pointer.
#include "app/saves/save_slot_list.h"

#include "base/text.h"
#include "state/slot_edits.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <utility>

namespace taluvin {

namespace {

constexpr int kListWidth = 460;
constexpr int kListHeight = 320;
constexpr int kThumbnailWidth = 128;
constexpr int kThumbnailHeight = 60;

const char kListStyle[] =
    "QFrame#SaveSlots { background: #202020; border: 2px solid #a0a0a0; }"
    "QLabel { color: #f0f0f0; }"
    "QScrollArea, QScrollArea > QWidget > QWidget { background: #202020; border: none; }";
// By the row's own name, so the labels inside it keep no frame of their own.
QString rowStyle(const QFrame* row, bool chosen) {
  return QStringLiteral("#%1 { background: %2; border: 1px solid %3; }")
      .arg(row->objectName(), chosen ? "#3a4a6a" : "#202020", chosen ? "#c0c0ff" : "#202020");
}

// A row restores its slot on a click, as Return restores the chosen one.
class SlotRow : public QFrame {
 public:
  SlotRow(QWidget* parent, std::function<void()> clicked) : QFrame(parent), clicked_(std::move(clicked)) {}

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) clicked_();
  }

 private:
  std::function<void()> clicked_;
};

// A name the player gave is UTF-8; the default one is made of the place, which is the game's text.
QString titleOf(const SlotManifest& m) {
  return m.label.empty() ? toQt(slotTitle(m)) : QString::fromStdString(m.label);
}

QString rowText(const SlotListing& slot, const std::string& gameFolder) {
  QString text = QStringLiteral("Slot %1").arg(QString::fromStdString(slot.name));
  if (!slot.problem.empty()) return text + "\ndamaged: " + QString::fromStdString(slot.problem);
  const SlotManifest& m = slot.manifest;
  if (!m.label.empty()) text += QStringLiteral(": ") + titleOf(m);
  text += "\n" + QString::fromStdString(m.time);
  text += "\n" + (m.posic.empty() ? QStringLiteral("(no place)") : toQt(m.posic));
  if (!sameFolder(m.folder, gameFolder)) text += "\n(saved from another game folder)";
  return text;
}

}  // namespace

SaveSlotList::SaveSlotList(QWidget* window) : QFrame(window) {
  setObjectName("SaveSlots");
  setStyleSheet(kListStyle);
  setFocusPolicy(Qt::StrongFocus);
  auto* outer = new QVBoxLayout(this);
  title_ = new QLabel(this);
  title_->setObjectName("SaveSlotsTitle");
  title_->setWordWrap(true);
  outer->addWidget(title_);
  nameEdit_ = new QLineEdit(this);
  nameEdit_->setObjectName("SaveSlotName");
  nameEdit_->setMaxLength(static_cast<int>(kMaxSlotLabelBytes) / 2);
  nameEdit_->hide();
  nameEdit_->installEventFilter(this);
  outer->addWidget(nameEdit_);
  scroll_ = new QScrollArea(this);
  scroll_->setWidgetResizable(true);
  scroll_->setFocusPolicy(Qt::NoFocus);
  rows_ = new QWidget;
  layout_ = new QVBoxLayout(rows_);
  layout_->setContentsMargins(0, 0, 0, 0);
  layout_->setSpacing(2);
  scroll_->setWidget(rows_);
  outer->addWidget(scroll_);
  hide();
}

void SaveSlotList::open(const std::vector<SlotListing>& listed, const std::string& gameFolder) {
  while (QLayoutItem* item = layout_->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  rowFrames_.clear();
  names_.clear();
  titles_.clear();
  selected_ = -1;
  returnDown_ = false;
  askingDelete_ = false;
  nameEdit_->hide();
  empty_ = listed.empty();
  showTitle();
  // Newest first: the save a player wants back is most often the last one.
  for (auto it = listed.rbegin(); it != listed.rend(); ++it) {
    const SlotListing& slot = *it;
    const std::string name = slot.name;
    auto* row = new SlotRow(rows_, [this, name] { choose(name); });
    row->setObjectName(QString::fromStdString("SaveSlot" + name));
    auto* line = new QHBoxLayout(row);
    auto* picture = new QLabel(row);
    picture->setFixedSize(kThumbnailWidth, kThumbnailHeight);
    if (slot.problem.empty() && !slot.manifest.thumbnail.empty()) {
      const QPixmap thumbnail(QString::fromStdString(slot.path + slot.manifest.thumbnail));
      if (!thumbnail.isNull())
        picture->setPixmap(thumbnail.scaled(picture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    line->addWidget(picture);
    auto* text = new QLabel(rowText(slot, gameFolder), row);
    text->setEnabled(slot.problem.empty());
    line->addWidget(text, 1);
    layout_->addWidget(row);
    rowFrames_.push_back(row);
    names_.push_back(name);
    titles_.push_back(slot.problem.empty() ? titleOf(slot.manifest) : QString());
  }
  layout_->addStretch(1);

  QWidget* window = parentWidget();
  resize(std::min(kListWidth, window->width()), std::min(kListHeight, window->height()));
  move((window->width() - width()) / 2, (window->height() - height()) / 2);
  if (!isVisible()) previousFocus_ = window->focusWidget();
  show();
  raise();
  setFocus(Qt::OtherFocusReason);
  select(0);
}

bool SaveSlotList::eventFilter(QObject* watched, QEvent* event) {
  // The name field answers Return and Escape itself, before they could restore or close the list.
  if (watched == nameEdit_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
      finishRenaming(key != Qt::Key_Escape);
      return true;
    }
  }
  return QFrame::eventFilter(watched, event);
}

void SaveSlotList::dismiss() {
  hide();
  if (previousFocus_ && previousFocus_->isVisible()) previousFocus_->setFocus(Qt::OtherFocusReason);
}

void SaveSlotList::select(int index) {
  if (rowFrames_.empty()) return;
  selected_ = std::clamp(index, 0, static_cast<int>(rowFrames_.size()) - 1);
  for (size_t i = 0; i < rowFrames_.size(); ++i)
    rowFrames_[i]->setStyleSheet(rowStyle(rowFrames_[i], static_cast<int>(i) == selected_));
  scroll_->ensureWidgetVisible(rowFrames_[static_cast<size_t>(selected_)]);
}

void SaveSlotList::choose(const std::string& slot) {
  dismiss();
  if (onChoose) onChoose(slot);
}

void SaveSlotList::showTitle() {
  if (askingDelete_ && selected_ >= 0) {
    title_->setText(QStringLiteral("Delete slot %1? Return deletes it, Esc keeps it.")
                        .arg(QString::fromStdString(names_[static_cast<size_t>(selected_)])));
    return;
  }
  title_->setText(empty_ ? QStringLiteral("No saves yet: Ctrl+S saves the game. Esc closes.")
                         : QStringLiteral("Saves: Up and Down choose, Return restores, F2 renames, Delete deletes, "
                                          "Esc closes."));
}

void SaveSlotList::startRenaming() {
  if (selected_ < 0) return;
  nameEdit_->setText(titles_[static_cast<size_t>(selected_)]);
  nameEdit_->selectAll();
  nameEdit_->show();
  title_->setText(QStringLiteral("Name of slot %1: Return keeps it, Esc leaves it as it was.")
                      .arg(QString::fromStdString(names_[static_cast<size_t>(selected_)])));
  nameEdit_->setFocus(Qt::OtherFocusReason);
}

void SaveSlotList::finishRenaming(bool keep) {
  nameEdit_->hide();
  setFocus(Qt::OtherFocusReason);
  showTitle();
  if (keep && selected_ >= 0 && onRename)
    onRename(names_[static_cast<size_t>(selected_)], nameEdit_->text().toStdString());
}

void SaveSlotList::keyPressEvent(QKeyEvent* event) {
  // Every key is the list's while it is open: none reaches the game behind it.
  if (askingDelete_) {
    event->accept();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
      askingDelete_ = false;
      if (selected_ >= 0 && onDelete) onDelete(names_[static_cast<size_t>(selected_)]);
    } else if (event->key() == Qt::Key_Escape) {
      askingDelete_ = false;
      showTitle();
    }
    return;
  }
  switch (event->key()) {
    case Qt::Key_F2: startRenaming(); break;
    case Qt::Key_Delete:
      if (selected_ >= 0) {
        askingDelete_ = true;
        showTitle();
      }
      break;
    case Qt::Key_Up: select(selected_ - 1); break;
    case Qt::Key_Down: select(selected_ + 1); break;
    case Qt::Key_Home:
    case Qt::Key_PageUp: select(0); break;
    case Qt::Key_End:
    case Qt::Key_PageDown: select(static_cast<int>(rowFrames_.size()) - 1); break;
    case Qt::Key_Escape: dismiss(); break;
    case Qt::Key_Return:
    case Qt::Key_Enter: returnDown_ = true; break;
    default: break;
  }
  event->accept();
}

void SaveSlotList::keyReleaseEvent(QKeyEvent* event) {
  event->accept();
  if (event->isAutoRepeat()) return;
  const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  // The release restores, so it cannot land in the command line the keyboard goes back to.
  if (isReturn && std::exchange(returnDown_, false) && selected_ >= 0)
    choose(names_[static_cast<size_t>(selected_)]);
}

}  // namespace taluvin
