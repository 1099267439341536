// Appending to the read-only memos.
#include "present/memo_text.h"

#include <QPlainTextEdit>
#include <QTextCursor>

namespace taluvin {

void appendToMemo(QPlainTextEdit* memo, const QString& text) {
  QTextCursor cursor(memo->document());
  cursor.movePosition(QTextCursor::End);
  QString plain = text;
  plain.remove('\r');
  cursor.insertText(plain);
  memo->setTextCursor(cursor);
  // A hidden memo has no settled viewport yet; it keeps its top line until it is shown.
  if (memo->isVisible()) memo->ensureCursorVisible();
}

}  // namespace taluvin
