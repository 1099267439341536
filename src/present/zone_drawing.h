// Drawing what a hot zone shows: its picture or its label, and the pressed picture on a click.
#pragma once

#include "present/screen.h"
#include "state/zone_table.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QSize>
#include <string>

namespace taluvin {

struct GameSession;

// Writes text with its top-left corner at (x, y), keeping the pixels around the letters; returns
// the extent the text takes.
QSize writeLabel(QImage& target, int x, int y, const QString& text, const QFont& font, QColor colour);
QSize measureLabel(const QString& text, const QFont& font);

// The message font of the current text style, scaled for the monitor when scale is not 1.
QFont styleFont(const GameSession& session, double scale = 1.0);

// Loads a picture into the loading image and returns it. A name that gives no readable picture
// empties the loading image, so drawing it draws nothing; the reason goes to error when one is
// asked for.
const QImage& loadIntoLoadingImage(Screen& screen, const std::string& name, std::string* error = nullptr);
// After the loading image's picture was drawn on a surface of that size: a picture larger than the
// surface is let go by the cache and the loading image, which reads it again only if it is asked
// for it, so a huge picture shown in a small screen does not hold its full size in memory.
void releaseLargerThan(Screen& screen, const std::string& name, QSize surface);

// A zone's picture (normal or pressed) drawn onto a visible surface into the zone's rectangle.
void drawZonePicture(Screen& screen, QImage& surface, const HotZone& zone, const std::string& name);

// The frame picture as a canvas: a game without one draws on a blank picture of Imp's size.
QImage& frameCanvas(Screen& screen);

// The pointer shape a cursor type stands for.
Qt::CursorShape cursorShapeFor(int cursorType);

// Fills the surface's next slot with zone, made active; returns the slot.
int recordZoneIn(ZoneState& zones, Surface surface, const HotZone& zone);
// A clickable rectangle other presentation code drew, stored in its surface's range.
int recordLinkZone(ZoneState& zones, Surface surface, const LinkZone& zone);

}  // namespace taluvin
