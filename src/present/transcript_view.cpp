// The transcript window and its search.
#include "present/transcript_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextCursor>
#include <QVBoxLayout>

namespace taluvin {

TranscriptView::TranscriptView(QWidget* parent) : QDialog(parent) {
  setObjectName("Transcript");
  resize(640, 480);
  text_ = new QPlainTextEdit(this);
  text_->setObjectName("TranscriptText");
  text_->setReadOnly(true);
  // Read-only text still takes the keyboard, so a reader without a mouse can move through it.
  text_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
  search_ = new QLineEdit(this);
  search_->setObjectName("TranscriptSearch");
  search_->setPlaceholderText(tr("Find"));
  search_->setAccessibleName(tr("Find in the transcript"));
  auto* previous = new QPushButton(tr("Previous"), this);
  auto* next = new QPushButton(tr("Next"), this);
  status_ = new QLabel(this);
  auto* row = new QHBoxLayout;
  row->addWidget(search_, 1);
  row->addWidget(previous);
  row->addWidget(next);
  row->addWidget(status_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_, 1);
  layout->addLayout(row);
  connect(search_, &QLineEdit::returnPressed, this, [this] { findNext(); });
  connect(next, &QPushButton::clicked, this, [this] { findNext(); });
  connect(previous, &QPushButton::clicked, this, [this] { findPrevious(); });
  auto* findKey = new QShortcut(QKeySequence::Find, this);
  connect(findKey, &QShortcut::activated, this, [this] { search_->setFocus(); search_->selectAll(); });
  auto* nextKey = new QShortcut(QKeySequence::FindNext, this);
  connect(nextKey, &QShortcut::activated, this, [this] { findNext(); });
  auto* previousKey = new QShortcut(QKeySequence::FindPrevious, this);
  connect(previousKey, &QShortcut::activated, this, [this] { findPrevious(); });
}

void TranscriptView::showTranscript(const QString& gameName, const QString& text) {
  setWindowTitle(tr("Transcript: %1").arg(gameName));
  text_->setPlainText(text);
  text_->moveCursor(QTextCursor::End);
  status_->clear();
}

bool TranscriptView::findNext() { return find(false); }
bool TranscriptView::findPrevious() { return find(true); }

bool TranscriptView::find(bool backward) {
  const QString phrase = search_->text();
  if (phrase.isEmpty()) return false;
  const QTextDocument::FindFlags flags = backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
  bool found = text_->find(phrase, flags);
  if (!found) {
    const QTextCursor kept = text_->textCursor();
    text_->moveCursor(backward ? QTextCursor::End : QTextCursor::Start);
    found = text_->find(phrase, flags);
    if (!found) text_->setTextCursor(kept);
  }
  status_->setText(found ? QString() : tr("not found"));
  return found;
}

}  // namespace taluvin
