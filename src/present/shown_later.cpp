// Size and font changes held back until a hidden widget is shown.
#include "present/shown_later.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <optional>

namespace taluvin {

namespace {

// One per widget with work pending; it removes itself once the work is done or overtaken.
class ShownLater : public QObject {
 public:
  explicit ShownLater(QWidget* widget) : QObject(widget), widget_(widget) {
    setObjectName(kName);
    widget->installEventFilter(this);
  }

  // Found by name: without a meta-object of its own, a search by type would match any child.
  static ShownLater* of(const QWidget* widget) {
    return dynamic_cast<ShownLater*>(widget->findChild<QObject*>(kName, Qt::FindDirectChildrenOnly));
  }
  static ShownLater* forWidget(QWidget* widget) {
    if (ShownLater* pending = of(widget)) return pending;
    return new ShownLater(widget);
  }

  bool adjustSize = false;
  std::optional<QFont> font;

  void applyFont() {
    if (!font) return;
    const QFont pending = *font;
    font.reset();
    // The widget's own change notice finds nothing pending and leaves the size work waiting.
    widget_->setFont(pending);
    finishIfDone();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != widget_) return false;
    if (event->type() == QEvent::FontChange && font) {
      // A font set directly since: the pending one is out of date.
      font.reset();
      finishIfDone();
    } else if (event->type() == QEvent::Show) {
      run();
    }
    return false;
  }

 private:
  void run() {
    QWidget* widget = widget_;
    const std::optional<QFont> pendingFont = font;
    const bool pendingSize = adjustSize;
    leave();
    if (pendingFont) widget->setFont(*pendingFont);
    if (pendingSize) widget->adjustSize();
  }
  void finishIfDone() {
    if (!font && !adjustSize) leave();
  }
  // Off the widget at once, so new work finds no finished helper; deleted once the event is done.
  void leave() {
    widget_->removeEventFilter(this);
    setParent(nullptr);
    deleteLater();
  }

  static constexpr const char* kName = "taluvin-shown-later";
  QWidget* widget_;
};

}  // namespace

void adjustSizeWhenShown(QWidget* widget) {
  if (widget->isVisible()) {
    widget->adjustSize();
    return;
  }
  ShownLater::forWidget(widget)->adjustSize = true;
}

void setFontWhenShown(QWidget* widget, const QFont& font) {
  if (widget->isVisible()) {
    widget->setFont(font);
    return;
  }
  ShownLater::forWidget(widget)->font = font;
}

void applyPendingFont(QWidget* widget) {
  if (ShownLater* pending = ShownLater::of(widget)) pending->applyFont();
}

MadeInFont::MadeInFont(const QFont& font) : applicationFont_(QApplication::font()) {
  QApplication::setFont(font);
  holder_.setFont(font);
}

// The application's font given back as it was. From here on it counts as set by the program: a
// later change of the desktop's font no longer reaches it, where the player's pages, which set
// fonts of their own, would not follow it anyway.
MadeInFont::~MadeInFont() { QApplication::setFont(applicationFont_); }

QFont shownFont(const QWidget* widget) {
  if (const ShownLater* pending = ShownLater::of(widget); pending && pending->font) return *pending->font;
  return widget->font();
}

}  // namespace taluvin
