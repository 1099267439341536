// The slot list over the main window: a row per slot, chosen with the keyboard or the pointer.
#include "app/saves/save_slot_list.h"

#include "base/text.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
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

QString rowText(const SlotListing& slot, const std::string& gameFolder) {
  QString text = QStringLiteral("Slot %1").arg(QString::fromStdString(slot.name));
  if (!slot.problem.empty()) return text + "\ndamaged: " + QString::fromStdString(slot.problem);
  const SlotManifest& m = slot.manifest;
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
  selected_ = -1;
  returnDown_ = false;
  title_->setText(listed.empty() ? QStringLiteral("No saves yet: Ctrl+S saves the game. Esc closes.")
                                : QStringLiteral("Saves: Up and Down choose, Return restores, Esc closes."));
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

void SaveSlotList::keyPressEvent(QKeyEvent* event) {
  // Every key is the list's while it is open: none reaches the game behind it.
  switch (event->key()) {
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
