// The size budget of every surface, page and window a script or settings line can size.
#pragma once

#include <QSize>
#include <cstdint>
#include <string>

namespace taluvin {

// One script line or settings value must not be able to ask for gigabytes: a surface side is at
// most 16384 pixels and a surface at most 64 M pixels (192 MB at 24 bits per pixel).
inline constexpr int kMaxSurfaceSide = 16384;
inline constexpr int64_t kMaxSurfacePixels = int64_t{64} * 1024 * 1024;
// Positions stay within this distance of the origin, so a position plus a side (or a few of them)
// never leaves the int range.
inline constexpr int kMaxCoordinate = 1 << 24;
// Font sizes in points; line heights and pixel sizes are computed from them without overflow.
inline constexpr int kMaxFontPoints = 2048;

// A side cut into 0 .. kMaxSurfaceSide (negative sizes are empty).
int boundedSide(int64_t side);
// A position cut into -kMaxCoordinate .. kMaxCoordinate.
int boundedCoordinate(int64_t position);
// A font size cut into -kMaxFontPoints .. kMaxFontPoints.
int boundedFontSize(int64_t points);
// Each side bounded, then the height cut so that width x height stays within the pixel budget.
QSize boundedSurface(int64_t width, int64_t height);

inline bool sideWithinBudget(int64_t side) { return side <= kMaxSurfaceSide; }
inline bool coordinateWithinBudget(int64_t position) {
  return position >= -kMaxCoordinate && position <= kMaxCoordinate;
}
bool surfaceWithinBudget(int64_t width, int64_t height);

// A value multiplied by the monitor scale, truncated toward zero and cut to the position budget
// (a double past the int range must not be converted as it is).
int scaledBounded(double value);

// A size, position or font size a command was given, cut to the budget; a value past it appends
// the marker naming it to markers (the command's trace line).
int commandSide(std::string& markers, int64_t side);
int commandPosition(std::string& markers, int64_t position);
int commandFontSize(std::string& markers, int64_t points);

// What a command's trace line gets when a size or position it was given lies past the budget.
std::string beyondBudgetMarker(int64_t value);
// The line said (trace and stderr) when a settings line's size or position lies past the budget.
std::string settingsBeyondBudget(size_t line, const std::string& text);

}  // namespace taluvin
