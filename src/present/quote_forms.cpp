// Inline forms of quote text in the web-page model.
#include "present/quote_forms.h"

#include "base/number_format.h"
#include "base/numbers.h"
#include "state/game_session.h"

#include <array>

namespace taluvin {

namespace {

std::string registerText(const GameSession& session, std::string_view number) {
  auto k = parseInt(number);
  if (!k || !session.registers.has(*k)) return {};
  return session.registers.at(*k);
}

std::string picture(const GameSession& session, const std::string& file, const std::string& width,
                    const std::string& height, const std::string& align) {
  std::string html = "<img src=" + session.FolderUrl + file;
  if (!width.empty()) html += " width=" + width;
  if (!height.empty()) html += " height=" + height;
  if (!align.empty()) html += " align=" + align;
  html += " border=0>";
  return html;
}

}  // namespace

QuoteForm readQuoteForm(std::string_view line) {
  QuoteForm form;
  const auto comma = line.find(',');
  if (comma == std::string_view::npos) {
    form.name = std::string(line.substr(1));
    form.a[1] = std::string(line);
    return form;
  }
  form.name = std::string(line.substr(1, comma - 1));
  std::string_view rest = line.substr(comma + 1);
  for (size_t slot = 1; slot <= 9; ++slot) {
    const auto next = rest.find(',');
    form.a[slot] = std::string(rest.substr(0, next));
    if (next == std::string_view::npos) break;
    rest.remove_prefix(next + 1);
  }
  return form;
}

std::string expandQuoteForm(const GameSession& session, std::string_view line) {
  const QuoteForm form = readQuoteForm(line);
  const std::string& name = form.name;
  const auto& a = form.a;
  if (name == "lnk") return "<a href= " + session.FolderUrl + "Scp=" + a[1] + ">" + a[2] + "</a>";
  if (name == "shp") return picture(session, a[1], a[2], a[3], a[4]);
  if (name == "fig")
    return "<a href= " + session.FolderUrl + "Scp=" + a[2] + ">" + picture(session, a[1], a[3], a[4], a[5]) + "</a>";
  if (name == "reg?") return registerText(session, a[1]);
  if (name == "reg$") {
    auto text = registerText(session, a[1]);
    return formatGroupedNumber(text).value_or(std::string());
  }
  if (name == "url" || name == "web") return "<a href= " + a[1] + " target=_blank>" + a[2] + "</a>";
  return registerText(session, name);
}

}  // namespace taluvin
