// The screen model: which page of the game screen shows the game, and how text reaches it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace taluvin {

enum class ScreenModel : uint8_t {
  Console,        // "0": text typed out into the console
  PictureScreen,  // "1": the picture screen with its message strip
  WebPage,        // "2": a page of HTML put together by the commands
  ScrollPage,     // "3": a tall page of pictures and text that scrolls
  Monitor,        // "4": the full-screen monitor window
  None            // any other text: no page of the game screen is named by it
};

ScreenModel screenModelOf(std::string_view text);

// `Modelo`: the text a script or settings line gave, which "getvar=" reads back as written, and
// the model it names.
class ModelSetting {
 public:
  ModelSetting() = default;
  ModelSetting& operator=(std::string text) {
    kind_ = screenModelOf(text);
    text_ = std::move(text);
    return *this;
  }

  const std::string& text() const { return text_; }
  ScreenModel kind() const { return kind_; }
  operator ScreenModel() const { return kind_; }

 private:
  std::string text_ = "1";
  ScreenModel kind_ = ScreenModel::PictureScreen;
};

inline ScreenModel screenModelOf(std::string_view text) {
  if (text.size() != 1 || text[0] < '0' || text[0] > '4') return ScreenModel::None;
  return static_cast<ScreenModel>(text[0] - '0');
}

}  // namespace taluvin
