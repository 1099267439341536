// The player's window onto the transcript: the text read-only, newest at the bottom, and a search
// field that finds the next or previous place a phrase occurs.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace taluvin {

class TranscriptView : public QDialog {
 public:
  explicit TranscriptView(QWidget* parent);

  // The transcript as it is now, scrolled to its end.
  void showTranscript(const QString& gameName, const QString& text);
  // From the cursor on (or back), wrapping round once; false when the phrase is nowhere.
  bool findNext();
  bool findPrevious();

  QPlainTextEdit* text() const { return text_; }     // TranscriptText
  QLineEdit* search() const { return search_; }      // TranscriptSearch

 private:
  bool find(bool backward);

  QPlainTextEdit* text_;
  QLineEdit* search_;
  QLabel* status_;
};

}  // namespace taluvin
