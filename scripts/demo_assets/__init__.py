# Picture and sound writers and a small canvas for drawing the demo game's assets.
