// Telling the listeners of a shown text.
#include "state/text_listener.h"

#include "state/plain_text.h"

namespace taluvin {

void TextListeners::tell(TextKind kind, const std::string& shown) const {
  if (listeners_.empty()) return;
  const std::string text = plainShownText(kind, shown);
  if (text.empty()) return;
  for (TextListener* listener : listeners_) listener->textShown(kind, text);
}

void TextListeners::tellMessage(ScreenModel model, const std::string& shown, bool writtenOnScrollPage) const {
  if (model == ScreenModel::Console)
    tell(TextKind::Console, shown);
  else if (model == ScreenModel::PictureScreen)
    tell(TextKind::Message, shown);
  else if (model == ScreenModel::ScrollPage && writtenOnScrollPage)
    tell(TextKind::ScrollPage, shown);
}

}  // namespace taluvin
