// Text appended to the read-only memos (the console and the message strip).
#pragma once

#include <QString>

class QPlainTextEdit;

namespace taluvin {

// Appends at the end without a separator; CRs are dropped because the memo breaks lines at LF.
void appendToMemo(QPlainTextEdit* memo, const QString& text);

}  // namespace taluvin
