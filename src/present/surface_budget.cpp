// Cutting sizes and positions to the surface budget.
#include "present/surface_budget.h"

#include <algorithm>

namespace taluvin {

int boundedSide(int64_t side) { return static_cast<int>(std::clamp<int64_t>(side, 0, kMaxSurfaceSide)); }

int boundedCoordinate(int64_t position) {
  return static_cast<int>(std::clamp<int64_t>(position, -kMaxCoordinate, kMaxCoordinate));
}

int boundedFontSize(int64_t points) {
  return static_cast<int>(std::clamp<int64_t>(points, -kMaxFontPoints, kMaxFontPoints));
}

QSize boundedSurface(int64_t width, int64_t height) {
  const int w = boundedSide(width);
  int h = boundedSide(height);
  if (w > 0 && int64_t{w} * h > kMaxSurfacePixels) h = static_cast<int>(kMaxSurfacePixels / w);
  return QSize(w, h);
}

bool surfaceWithinBudget(int64_t width, int64_t height) {
  if (!sideWithinBudget(width) || !sideWithinBudget(height)) return false;
  return std::max<int64_t>(width, 0) * std::max<int64_t>(height, 0) <= kMaxSurfacePixels;
}

int scaledBounded(double value) {
  if (!(value == value)) return 0;  // NaN
  return static_cast<int>(std::clamp(value, double{-kMaxCoordinate}, double{kMaxCoordinate}));
}

int commandSide(std::string& markers, int64_t side) {
  if (!sideWithinBudget(side)) markers += beyondBudgetMarker(side);
  return static_cast<int>(std::clamp<int64_t>(side, -kMaxSurfaceSide, kMaxSurfaceSide));
}

int commandPosition(std::string& markers, int64_t position) {
  if (!coordinateWithinBudget(position)) markers += beyondBudgetMarker(position);
  return boundedCoordinate(position);
}

int commandFontSize(std::string& markers, int64_t points) {
  if (points > kMaxFontPoints || points < -kMaxFontPoints) markers += beyondBudgetMarker(points);
  return boundedFontSize(points);
}

std::string beyondBudgetMarker(int64_t value) { return " <--- tamanho fora do limite: " + std::to_string(value); }

std::string settingsBeyondBudget(size_t line, const std::string& text) {
  return "settings line " + std::to_string(line) + ": '" + text + "' is past the size limit";
}

}  // namespace taluvin
