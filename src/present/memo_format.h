// The memo formatter: text with directives, inline pictures and links laid out in the memo box.
#pragma once

#include <string>

namespace taluvin {

class Screen;
class MemoBox;

struct MemoRequest {
  std::string text;
  int x = 0, y = 0, width = 0, height = 0;
  int lineHeight = 0;        // 0: size + size div 2 of the scaled font
  std::string thumbColour;   // RRGGBB
  std::string trackColour;   // RRGGBB
  std::string decoration;    // link decoration code: empty, "4", "5" or anything else for none
};

void formatMemo(Screen& screen, MemoBox& box, const MemoRequest& request);

// A register value as "#,##0.00" with the game's separators ("1.234,50"); empty when it is no number.
std::string formatMoney(const std::string& value);

}  // namespace taluvin
