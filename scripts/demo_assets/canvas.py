# A small RGB canvas with the shapes the demo's scenes are painted from.
import math


class Random:
    """A fixed linear congruential generator, so the assets come out the same every time."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF

    def next(self):
        self.state = (self.state * 1664525 + 1013904223) & 0xFFFFFFFF
        return self.state / 4294967296.0

    def range(self, low, high):
        return low + (high - low) * self.next()


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(int(a[i] + (b[i] - a[i]) * t) for i in range(3))


def shade(colour, factor):
    return tuple(max(0, min(255, int(c * factor))) for c in colour)


class Canvas:
    def __init__(self, width, height, colour=(0, 0, 0)):
        self.width = width
        self.height = height
        self.pixels = bytearray(bytes(colour) * (width * height))

    def get(self, x, y):
        p = (y * self.width + x) * 3
        return tuple(self.pixels[p:p + 3])

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            p = (y * self.width + x) * 3
            self.pixels[p:p + 3] = bytes(colour)

    def blend(self, x, y, colour, alpha):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.put(x, y, mix(self.get(x, y), colour, alpha))

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                self.put(x, y, colour)

    def vertical_gradient(self, x0, y0, x1, y1, top, bottom):
        span = max(1, y1 - y0 - 1)
        for y in range(max(0, y0), min(self.height, y1)):
            colour = mix(top, bottom, (y - y0) / span)
            for x in range(max(0, x0), min(self.width, x1)):
                self.put(x, y, colour)

    def polygon(self, points, colour, shader=None):
        """Even-odd scanline fill; shader(x, y) may give each pixel its own colour."""
        ys = [p[1] for p in points]
        for y in range(max(0, int(min(ys))), min(self.height, int(math.ceil(max(ys))) + 1)):
            cy = y + 0.5
            xs = []
            for i in range(len(points)):
                (ax, ay), (bx, by) = points[i], points[(i + 1) % len(points)]
                if (ay <= cy < by) or (by <= cy < ay):
                    xs.append(ax + (cy - ay) * (bx - ax) / (by - ay))
            xs.sort()
            for i in range(0, len(xs) - 1, 2):
                for x in range(max(0, int(round(xs[i]))), min(self.width, int(round(xs[i + 1])))):
                    self.put(x, y, shader(x, y) if shader else colour)

    def ellipse(self, cx, cy, rx, ry, colour, alpha=1.0):
        for y in range(max(0, int(cy - ry)), min(self.height, int(cy + ry) + 1)):
            for x in range(max(0, int(cx - rx)), min(self.width, int(cx + rx) + 1)):
                d = ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2
                if d <= 1.0:
                    if alpha >= 1.0:
                        self.put(x, y, colour)
                    else:
                        self.blend(x, y, colour, alpha)

    def glow(self, cx, cy, radius, colour, strength):
        for y in range(max(0, int(cy - radius)), min(self.height, int(cy + radius) + 1)):
            for x in range(max(0, int(cx - radius)), min(self.width, int(cx + radius) + 1)):
                d = math.hypot(x - cx, y - cy) / radius
                if d < 1.0:
                    self.blend(x, y, colour, strength * (1.0 - d) ** 2)

    def line(self, x0, y0, x1, y1, colour, width=1):
        steps = int(max(abs(x1 - x0), abs(y1 - y0))) + 1
        for i in range(steps + 1):
            t = i / steps
            x, y = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
            self.rect(int(x - width / 2), int(y - width / 2), int(x - width / 2) + width, int(y - width / 2) + width,
                      colour)

    def noise(self, x0, y0, x1, y1, amount, rng):
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                self.put(x, y, shade(self.get(x, y), 1.0 + rng.range(-amount, amount)))

    def rgb(self):
        return bytes(self.pixels)
