// Windows nobody can see: under --headless they are shown to Qt but never painted to a screen.
#pragma once

class QWidget;

namespace taluvin {

// The window keeps everything a shown window has (visible, sized, active, focus, events); only its
// paints to the screen's buffer are left out. Under --headless there is no screen to see them, and
// a first paint of a whole window costs more than the rest of a short run's drawing. Screenshots
// are unaffected: they draw the widgets afresh when taken. Called once per window, before its first
// show.
void leaveUnpainted(QWidget& window);

}  // namespace taluvin
