// The hotspot reveal's key: Ctrl held down shows the outlines of every zone until it is let go.
#pragma once

class QObject;

namespace taluvin {

class ZoneReveal;

// Watches every key the program receives; the watcher belongs to owner.
void watchRevealKey(ZoneReveal& reveal, QObject* owner);

}  // namespace taluvin
