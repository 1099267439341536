// The hotspot reveal's key: Ctrl held down shows the outlines of every zone until it is let go.
#pragma once

namespace taluvin {

class KeyRouter;
class ZoneReveal;

// Watches every key the router sees; takes none.
void watchRevealKey(ZoneReveal& reveal, KeyRouter& router);

}  // namespace taluvin
