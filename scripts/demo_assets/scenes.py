# The demo game's rooms, frame, opening picture, buttons and the key, painted on canvases.
import math

from .canvas import Canvas, Random, mix, shade

WIDTH, HEIGHT = 596, 271
MAGENTA = (255, 0, 255)


def _bricks(c, x0, y0, x1, y1, base, rng, row=22, length=44, darken=1.0):
    mortar = shade(base, 0.55 * darken)
    c.rect(x0, y0, x1, y1, mortar)
    for r, y in enumerate(range(y0, y1, row)):
        offset = (length // 2) * (r % 2)
        for x in range(x0 - offset, x1, length):
            tone = shade(base, darken * rng.range(0.8, 1.15))
            c.rect(max(x0, x + 2), y + 2, min(x1, x + length - 1), min(y1, y + row - 1), tone)
    c.noise(x0, y0, x1, y1, 0.06, rng)


def _wood_door(c, x, y, w, h, rng):
    arch = w // 2
    c.ellipse(x + w / 2, y + arch, w / 2 + 6, arch + 6, (60, 45, 35))
    c.rect(x - 6, y + arch, x + w + 6, y + h, (60, 45, 35))
    planks = 5
    for i in range(planks):
        px0 = x + i * w // planks
        px1 = x + (i + 1) * w // planks - 1
        tone = shade((130, 82, 45), rng.range(0.85, 1.1))
        for py in range(y, y + h):
            for px in range(px0, px1):
                dx = (px - (x + w / 2)) / (w / 2)
                if py < y + arch and dx * dx + ((py - (y + arch)) / arch) ** 2 > 1.0:
                    continue
                c.put(px, py, shade(tone, 1.0 + 0.05 * math.sin(py * 0.7 + i)))
    for band in (y + arch + 8, y + h - 22):
        c.rect(x, band, x + w, band + 6, (45, 45, 50))
        for rx in range(x + 6, x + w, 14):
            c.ellipse(rx, band + 3, 2, 2, (150, 150, 160))
    c.ellipse(x + w - 14, y + h * 0.6, 5, 5, (200, 170, 60))


def hall():
    rng = Random(11)
    c = Canvas(WIDTH, HEIGHT)
    _bricks(c, 0, 0, WIDTH, HEIGHT, (125, 112, 98), rng)
    # Side walls: the same stones, darker, cut by the floor's perspective.
    c.polygon([(0, 0), (130, 0), (130, 190), (0, 271)], None, lambda x, y: shade(c.get(x, y), 0.55 + 0.2 * x / 130))
    c.polygon([(466, 0), (596, 0), (596, 271), (466, 190)], None,
              lambda x, y: shade(c.get(x, y), 0.55 + 0.2 * (596 - x) / 130))

    def tiles(x, y):
        t = (y - 190) / 81.0
        z = 1.0 / (0.2 + 0.8 * t)
        u = (x - 298) / (168 + 130 * t) * 4
        light = 0.55 + 0.45 * t
        colour = (150, 45, 40) if (int(math.floor(u)) + int(z * 2)) % 2 else (205, 185, 150)
        return shade(colour, light)

    c.polygon([(0, 271), (130, 190), (466, 190), (596, 271)], None, tiles)
    # Rug before the north door.
    c.polygon([(230, 200), (366, 200), (400, 250), (196, 250)], (150, 120, 40))
    c.polygon([(236, 204), (360, 204), (390, 246), (206, 246)], (40, 50, 110))
    _wood_door(c, 258, 60, 80, 130, rng)
    # The east arch opens on the garden's light.
    arch = [(505, 75), (550, 52), (550, 238), (505, 210)]
    c.polygon([(498, 68), (557, 42), (557, 245), (498, 216)], (70, 62, 55))
    c.polygon(arch, None, lambda x, y: mix((150, 200, 240), (90, 170, 70), (y - 60) / 160.0))
    c.ellipse(528, 150, 14, 30, (40, 110, 40))
    # Torches with their light on the stones.
    for tx in (175, 420):
        c.rect(tx - 3, 95, tx + 3, 125, (60, 40, 25))
        c.ellipse(tx, 88, 7, 12, (240, 140, 30))
        c.ellipse(tx, 91, 4, 7, (255, 230, 120))
        c.glow(tx, 90, 70, (255, 180, 90), 0.45)
    return c


def library():
    rng = Random(23)
    c = Canvas(WIDTH, HEIGHT)
    c.vertical_gradient(0, 0, WIDTH, 200, (95, 60, 35), (60, 38, 22))
    for y in range(200, HEIGHT, 12):
        c.rect(0, y, WIDTH, y + 11, shade((120, 78, 45), 0.8 + 0.3 * (y - 200) / 71))
        c.rect(0, y + 11, WIDTH, y + 12, (60, 38, 22))
    # Shelves full of books.
    c.rect(80, 14, 560, 178, (70, 42, 24))
    palette = [(130, 30, 30), (30, 70, 120), (40, 100, 50), (150, 120, 40), (90, 40, 90), (160, 90, 40),
               (50, 50, 60), (120, 110, 90)]
    for shelf in range(4):
        top = 20 + shelf * 40
        c.rect(84, top + 34, 556, top + 40, (110, 70, 40))
        x = 88
        while x < 548:
            w = int(rng.range(6, 13))
            h = int(rng.range(22, 33))
            colour = palette[int(rng.range(0, len(palette)))]
            c.rect(x, top + 34 - h, min(548, x + w), top + 34, colour)
            c.rect(x + 1, top + 38 - h, min(548, x + w - 1), top + 40 - h, shade(colour, 1.5))
            x += w + 1
    c.noise(80, 14, 560, 178, 0.05, rng)
    # Doorway back to the hall, on the left.
    c.rect(6, 50, 62, 232, (50, 32, 18))
    c.vertical_gradient(14, 58, 54, 232, (40, 36, 34), (20, 18, 16))
    c.glow(34, 150, 40, (255, 170, 80), 0.15)
    # The desk with its candle.
    c.polygon([(175, 188), (425, 188), (450, 212), (150, 212)], (140, 90, 50))
    c.rect(160, 212, 440, 228, (100, 62, 34))
    c.rect(170, 228, 186, 262, (80, 50, 28))
    c.rect(414, 228, 430, 262, (80, 50, 28))
    c.rect(388, 168, 396, 192, (235, 230, 210))
    c.ellipse(392, 162, 3, 6, (255, 200, 80))
    c.glow(392, 165, 120, (255, 200, 120), 0.35)
    c.rect(200, 194, 250, 200, (230, 225, 205))
    return c


def garden():
    rng = Random(37)
    c = Canvas(WIDTH, HEIGHT)
    c.vertical_gradient(0, 0, WIDTH, 150, (110, 170, 235), (205, 230, 245))
    for cx, cy in ((140, 40), (180, 35), (420, 55), (455, 50)):
        c.ellipse(cx, cy, 35, 12, (250, 250, 255), 0.8)
    c.polygon([(0, 150), (120, 110), (260, 140), (400, 100), (596, 140), (596, 175), (0, 175)], (120, 150, 160))
    c.vertical_gradient(0, 160, WIDTH, HEIGHT, (110, 175, 70), (50, 110, 35))
    c.noise(0, 160, WIDTH, HEIGHT, 0.12, rng)
    c.polygon([(290, 180), (306, 180), (380, 271), (230, 271)], (190, 170, 130))
    # The gate at the garden's end, locked.
    for px in (250, 336):
        _bricks(c, px, 95, px + 14, 190, (150, 140, 125), rng, row=10, length=14)
        c.rect(px - 3, 88, px + 17, 96, (120, 112, 100))
    for bx in range(266, 334, 7):
        c.rect(bx, 108, bx + 3, 188, (40, 40, 48))
    c.rect(264, 112, 336, 116, (40, 40, 48))
    c.rect(264, 150, 336, 154, (40, 40, 48))
    c.rect(296, 140, 304, 160, (150, 120, 40))
    # The tower wall with the arch back to the hall.
    _bricks(c, 0, 0, 92, HEIGHT, (125, 112, 98), rng)
    c.ellipse(46, 138, 28, 24, (30, 26, 24))
    c.rect(18, 138, 74, 240, (30, 26, 24))
    c.glow(46, 190, 40, (255, 170, 80), 0.25)
    # Trees and flowers.
    for tx, ty, size in ((150, 175, 1.0), (470, 185, 1.2), (560, 170, 0.9)):
        c.rect(int(tx - 5 * size), int(ty - 40 * size), int(tx + 5 * size), ty, (90, 60, 35))
        for dx, dy, r in ((0, -70, 30), (-22, -55, 24), (22, -55, 24), (0, -45, 26)):
            c.ellipse(tx + dx * size, ty + dy * size, r * size, r * size * 0.85, shade((50, 120, 45), rng.range(0.8, 1.2)))
    for _ in range(90):
        x, y = int(rng.range(100, 590)), int(rng.range(195, 268))
        colour = ((230, 60, 60), (250, 220, 60), (240, 240, 250), (200, 90, 200))[int(rng.range(0, 4))]
        c.ellipse(x, y, 2, 2, colour)
    return c


def overlook():
    rng = Random(41)
    c = Canvas(WIDTH, HEIGHT)
    c.vertical_gradient(0, 0, WIDTH, 90, (40, 40, 100), (200, 90, 80))
    c.vertical_gradient(0, 90, WIDTH, 170, (200, 90, 80), (250, 200, 110))
    c.glow(330, 165, 160, (255, 230, 150), 0.6)
    c.ellipse(330, 160, 26, 26, (255, 240, 190))
    c.vertical_gradient(0, 170, WIDTH, HEIGHT, (60, 70, 120), (20, 25, 60))
    for i in range(40):
        y = 174 + i * 2 + int(i * i / 20)
        half = 30 - i * 0.5 + rng.range(-6, 6)
        if half > 2 and y < HEIGHT:
            c.rect(int(330 - half), y, int(330 + half), y + 1, (250, 200, 130))
    c.polygon([(0, 200), (90, 185), (170, 215), (230, 271), (0, 271)], (25, 20, 22))
    c.polygon([(596, 190), (520, 200), (470, 240), (440, 271), (596, 271)], (30, 24, 26))
    for bx, by in ((250, 60), (275, 70), (420, 45)):
        c.line(bx - 8, by - 3, bx, by, (30, 20, 30))
        c.line(bx, by, bx + 8, by - 3, (30, 20, 30))
    return c


def frame():
    rng = Random(5)
    c = Canvas(900, 420, (70, 45, 28))
    for y in range(420):
        for x in range(900):
            grain = 0.85 + 0.15 * math.sin(x * 0.05 + math.sin(y * 0.02) * 3)
            c.put(x, y, shade((90, 58, 34), grain))
    c.noise(0, 0, 900, 420, 0.05, rng)
    c.rect(4, 4, 896, 8, (200, 165, 80))
    c.rect(4, 412, 896, 416, (200, 165, 80))
    c.rect(4, 4, 8, 416, (200, 165, 80))
    c.rect(892, 4, 896, 416, (200, 165, 80))
    # Recesses under the game screen, the panel and the end button.
    for x0, y0, x1, y1 in ((31, 28, 643, 367), (667, 37, 893, 319), (752, 357, 890, 410)):
        c.rect(x0, y0, x1, y1, (30, 18, 10))
        c.rect(x0 + 3, y0 + 3, x1 - 3, y1 - 3, (16, 16, 24))
    return c


def opening():
    c = overlook()
    big = Canvas(900, 420)
    for y in range(420):
        for x in range(900):
            big.put(x, y, c.get(x * WIDTH // 900, y * HEIGHT // 420))
    # The tower's silhouette against the sunset.
    big.rect(120, 90, 200, 420, (20, 15, 20))
    big.polygon([(110, 90), (160, 30), (210, 90)], (20, 15, 20))
    big.rect(150, 150, 166, 180, (250, 200, 110))
    big.glow(158, 165, 40, (255, 200, 120), 0.4)
    return big


def end_button(pressed):
    c = Canvas(40, 40, (16, 16, 24))  # the frame's recess shows around the button
    rim = (150, 120, 60)
    face = (170, 30, 30) if not pressed else (110, 15, 15)
    c.ellipse(20, 20, 18, 18, rim)
    c.ellipse(20, 20 + (1 if pressed else 0), 14, 14, face)
    if not pressed:
        c.ellipse(15, 14, 5, 3, (240, 150, 150))
    return c


def key():
    c = Canvas(36, 18, MAGENTA)
    gold, dark = (220, 180, 60), (150, 110, 30)
    c.ellipse(8, 9, 7, 7, gold)
    c.ellipse(8, 9, 3, 3, MAGENTA)
    c.rect(14, 7, 34, 11, gold)
    c.rect(26, 11, 29, 16, gold)
    c.rect(31, 11, 34, 15, gold)
    c.rect(14, 10, 34, 11, dark)
    return c


def key_icon():
    c = Canvas(40, 40, MAGENTA)
    k = key()
    for y in range(k.height):
        for x in range(k.width):
            c.put(x + 2, y + 11, k.get(x, y))
    return c


def highlight():
    """A gold outline with a transparent inside, shown over a door while it is pressed."""
    c = Canvas(40, 40, MAGENTA)
    c.rect(0, 0, 40, 2, (250, 210, 90))
    c.rect(0, 38, 40, 40, (250, 210, 90))
    c.rect(0, 0, 2, 40, (250, 210, 90))
    c.rect(38, 0, 40, 40, (250, 210, 90))
    return c


def clear():
    return Canvas(4, 4, MAGENTA)


def _blank_map():
    """The parchment and its border, before any room is drawn on it."""
    rng = Random(77)
    c = Canvas(800, 460, (226, 206, 160))
    c.noise(0, 0, 800, 460, 0.06, rng)
    ink = (70, 45, 25)
    for x0, y0, x1, y1 in ((0, 0, 800, 6), (0, 454, 800, 460), (0, 0, 6, 460), (794, 0, 800, 460)):
        c.rect(x0, y0, x1, y1, ink)
    return c


def unexplored_map():
    """The map a new game starts with: the parchment only; each room visited pastes its piece on it."""
    return _blank_map()


# Where each room's piece lies on the map (left, top, right, bottom), with the corridor leading to it.
MAP_PIECES = {
    "sala1": (297, 141, 423, 283),
    "biblioteca": (297, 37, 423, 143),
    "jardim": (420, 167, 623, 303),
    "mirante": (620, 177, 783, 283),
}


def map_piece(room):
    """A room's piece of the whole map, cut from it so the pieces join without a seam."""
    whole = grounds_map()
    x0, y0, x1, y1 = MAP_PIECES[room]
    piece = Canvas(x1 - x0, y1 - y0)
    for y in range(y0, y1):
        for x in range(x0, x1):
            piece.put(x - x0, y - y0, whole.get(x, y))
    return piece


def grounds_map():
    """The map of the tower's grounds: hall, library to the north, garden to the east, overlook past the gate."""
    c = _blank_map()
    ink = (70, 45, 25)
    # Corridors first, so the rooms' walls close over their ends.
    c.rect(350, 140, 370, 180, (190, 160, 120))
    c.rect(420, 220, 470, 240, (190, 160, 120))
    c.rect(620, 224, 680, 236, (170, 150, 120))
    rooms = (
        (300, 180, 420, 280, (200, 170, 130)),  # hall
        (300, 40, 420, 140, (160, 110, 80)),    # library
        (470, 170, 620, 300, (120, 170, 90)),   # garden
        (680, 180, 780, 280, (240, 170, 110)),  # overlook
    )
    for x0, y0, x1, y1, floor in rooms:
        c.rect(x0 - 3, y0 - 3, x1 + 3, y1 + 3, ink)
        c.rect(x0, y0, x1, y1, floor)
    for x in range(632, 672, 8):  # the iron gate
        c.rect(x, 218, x + 3, 242, (40, 40, 48))
    for fx, fy in ((500, 200), (560, 260), (590, 190), (520, 280)):
        c.ellipse(fx, fy, 9, 9, (200, 80, 120))
    for sx in range(320, 410, 22):  # the library's shelves
        c.rect(sx, 50, sx + 14, 130, (110, 70, 45))
    c.ellipse(730, 230, 22, 22, (250, 210, 120))
    return c
