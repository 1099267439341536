// The games list printed by --list-games.
#include "app/library/library_listing.h"

#include "state/player_data.h"

#include <algorithm>
#include <array>
#include <ctime>

namespace taluvin {

namespace {

size_t shownWidth(const std::string& utf8) {
  return static_cast<size_t>(std::count_if(utf8.begin(), utf8.end(),
                                           [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}  // namespace

std::string playedWhen(long long secondsSince1970) {
  if (secondsSince1970 <= 0) return "never";
  const auto when = static_cast<std::time_t>(secondsSince1970);
  std::tm local {};
  if (!::localtime_r(&when, &local)) return "never";
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
  return text;
}

int printGameList(std::ostream& out, std::ostream& err) {
  std::string problem;
  const std::string games = gamesFolder(problem);
  const std::string data = games.empty() ? std::string() : playerDataFolder(problem);
  if (data.empty()) {
    err << "taluvin: " << problem << '\n';
    return 2;
  }
  const std::vector<LibraryGame> list = listLibrary(games, LibraryIndex(data));
  if (list.empty()) {
    out << "No games in " << games << " yet: taluvin --add-game PATH adds a game folder or a .zip archive.\n";
    return 0;
  }
  using Row = std::array<std::string, 4>;
  std::vector<Row> rows{{"NAME", "LAST PLAYED", "PLACE", "FOLDER"}};
  for (const LibraryGame& game : list)
    rows.push_back({game.name, playedWhen(game.record.lastPlayed), game.record.place.empty() ? "-" : game.record.place,
                    game.folder});
  std::array<size_t, 3> widths{};
  for (const Row& row : rows)
    for (size_t column = 0; column < widths.size(); ++column) widths[column] = std::max(widths[column], shownWidth(row[column]));
  for (const Row& row : rows) {
    for (size_t column = 0; column < widths.size(); ++column)
      out << row[column] << std::string(widths[column] - shownWidth(row[column]) + 2, ' ');
    out << row[3] << '\n';
  }
  return 0;
}

}  // namespace taluvin
