# File writers for the demo assets: PNG, BMP, GIF, baseline JPEG and PCM WAV, standard library only.
import math
import struct
import zlib


def write_png(path, width, height, rgb):
    """rgb: bytes of width*height*3, top row first."""
    raw = bytearray()
    stride = width * 3
    for y in range(height):
        raw.append(0)
        raw += rgb[y * stride:(y + 1) * stride]

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        out.write(chunk(b"IDAT", zlib.compress(bytes(raw), 9)))
        out.write(chunk(b"IEND", b""))


def write_bmp(path, width, height, rgb):
    """24-bit bottom-up BMP."""
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for y in range(height - 1, -1, -1):
        row = rgb[y * width * 3:(y + 1) * width * 3]
        for x in range(width):
            r, g, b = row[x * 3], row[x * 3 + 1], row[x * 3 + 2]
            pixels += bytes((b, g, r))
        pixels += b"\0" * (stride - width * 3)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, "wb") as out:
        out.write(header + info + pixels)


# GIF: colours reduced to a 6x7x6 cube with ordered dithering, then LZW.
_BAYER = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]
_LEVELS = (6, 7, 6)


def _gif_palette():
    palette = []
    for r in range(6):
        for g in range(7):
            for b in range(6):
                palette.append((r * 255 // 5, g * 255 // 6, b * 255 // 5))
    while len(palette) < 256:
        palette.append((255, 0, 255))
    return palette


def _lzw(indices, min_code_size=8):
    clear = 1 << min_code_size
    end = clear + 1
    out = bytearray()
    bit_buffer = 0
    bit_count = 0
    code_size = min_code_size + 1

    def emit(code):
        nonlocal bit_buffer, bit_count
        bit_buffer |= code << bit_count
        bit_count += code_size
        while bit_count >= 8:
            out.append(bit_buffer & 0xFF)
            bit_buffer >>= 8
            bit_count -= 8

    table = {(i,): i for i in range(clear)}
    next_code = end + 1
    emit(clear)
    current = ()
    for index in indices:
        candidate = current + (index,)
        if candidate in table:
            current = candidate
            continue
        emit(table[current])
        if next_code < 4096:
            table[candidate] = next_code
            next_code += 1
            if next_code > (1 << code_size) and code_size < 12:
                code_size += 1
        else:
            emit(clear)
            table = {(i,): i for i in range(clear)}
            next_code = end + 1
            code_size = min_code_size + 1
        current = (index,)
    if current:
        emit(table[current])
    emit(end)
    if bit_count:
        out.append(bit_buffer & 0xFF)
    return bytes(out)


def write_gif(path, width, height, rgb):
    indices = []
    for y in range(height):
        for x in range(width):
            p = (y * width + x) * 3
            threshold = (_BAYER[y & 3][x & 3] + 0.5) / 16.0
            levels = []
            for c, n in zip(rgb[p:p + 3], _LEVELS):
                v = c * (n - 1) / 255.0
                base = int(v)
                levels.append(min(n - 1, base + (1 if v - base > threshold else 0)))
            indices.append((levels[0] * 7 + levels[1]) * 6 + levels[2])
    data = _lzw(indices)
    with open(path, "wb") as out:
        out.write(b"GIF89a" + struct.pack("<HHBBB", width, height, 0xF7, 0, 0))
        for colour in _gif_palette():
            out.write(bytes(colour))
        out.write(b"," + struct.pack("<HHHHB", 0, 0, width, height, 0) + b"\x08")
        for i in range(0, len(data), 255):
            block = data[i:i + 255]
            out.write(bytes((len(block),)) + block)
        out.write(b"\x00;")


# Baseline JPEG, 4:4:4, with the example tables of the JPEG standard scaled to the quality.
_LUMA_Q = [16, 11, 10, 16, 24, 40, 51, 61, 12, 12, 14, 19, 26, 58, 60, 55, 14, 13, 16, 24, 40, 57, 69, 56,
           14, 17, 22, 29, 51, 87, 80, 62, 18, 22, 37, 56, 68, 109, 103, 77, 24, 35, 55, 64, 81, 104, 113, 92,
           49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99]
_CHROMA_Q = [17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99, 24, 26, 56, 99, 99, 99, 99, 99,
             47, 66, 99, 99, 99, 99, 99, 99] + [99] * 32
_ZIGZAG = [0, 1, 8, 16, 9, 2, 3, 10, 17, 24, 32, 25, 18, 11, 4, 5, 12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6,
           7, 14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51, 58, 59, 52, 45, 38, 31,
           39, 46, 53, 60, 61, 54, 47, 55, 62, 63]
_DC_LUMA = ([0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0], list(range(12)))
_DC_CHROMA = ([0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0], list(range(12)))
_AC_LUMA = ([0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7D], bytes.fromhex(
    "01020300041105122131410613516107227114328191a1082342b1c11552d1f02433627282090a161718191a25262728292a3435"
    "363738393a434445464748494a535455565758595a636465666768696a737475767778797a838485868788898a92939495969798"
    "999aa2a3a4a5a6a7a8a9aab2b3b4b5b6b7b8b9bac2c3c4c5c6c7c8c9cad2d3d4d5d6d7d8d9dae1e2e3e4e5e6e7e8e9eaf1f2f3f4"
    "f5f6f7f8f9fa"))
_AC_CHROMA = ([0, 2, 1, 2, 4, 4, 3, 4, 7, 5, 4, 4, 0, 1, 2, 0x77], bytes.fromhex(
    "000102031104052131061241510761711322328108144291a1b1c109233352f0156272d10a162434e125f11718191a262728292a"
    "35363738393a434445464748494a535455565758595a636465666768696a737475767778797a82838485868788898a9293949596"
    "9798999aa2a3a4a5a6a7a8a9aab2b3b4b5b6b7b8b9bac2c3c4c5c6c7c8c9cad2d3d4d5d6d7d8d9dae2e3e4e5e6e7e8e9eaf2f3f4"
    "f5f6f7f8f9fa"))


def _huffman_codes(table):
    counts, symbols = table
    codes = {}
    code = 0
    k = 0
    for length in range(1, 17):
        for _ in range(counts[length - 1]):
            codes[symbols[k]] = (code, length)
            code += 1
            k += 1
        code <<= 1
    return codes


def _scaled_table(table, quality):
    scale = 5000 // quality if quality < 50 else 200 - quality * 2
    return [max(1, min(255, (q * scale + 50) // 100)) for q in table]


_COS = [[math.cos((2 * x + 1) * u * math.pi / 16) * (math.sqrt(0.5) if u == 0 else 1.0) / 2 for x in range(8)]
        for u in range(8)]


def _fdct(block):
    rows = [[sum(block[y * 8 + x] * _COS[u][x] for x in range(8)) for u in range(8)] for y in range(8)]
    return [sum(rows[y][u] * _COS[v][y] for y in range(8)) for v in range(8) for u in range(8)]


class _BitWriter:
    def __init__(self):
        self.data = bytearray()
        self.buffer = 0
        self.count = 0

    def put(self, code, length):
        self.buffer = (self.buffer << length) | code
        self.count += length
        while self.count >= 8:
            byte = (self.buffer >> (self.count - 8)) & 0xFF
            self.data.append(byte)
            if byte == 0xFF:
                self.data.append(0)
            self.count -= 8

    def flush(self):
        if self.count:
            self.put((1 << (8 - self.count)) - 1, 8 - self.count)


def _magnitude(value):
    size = abs(value).bit_length()
    bits = value if value >= 0 else value + (1 << size) - 1
    return size, bits


def write_jpeg(path, width, height, rgb, quality=88):
    tables = [_scaled_table(_LUMA_Q, quality), _scaled_table(_CHROMA_Q, quality)]
    dc = [_huffman_codes(_DC_LUMA), _huffman_codes(_DC_CHROMA)]
    ac = [_huffman_codes(_AC_LUMA), _huffman_codes(_AC_CHROMA)]
    planes = [[0.0] * (width * height) for _ in range(3)]
    for i in range(width * height):
        r, g, b = rgb[i * 3], rgb[i * 3 + 1], rgb[i * 3 + 2]
        planes[0][i] = 0.299 * r + 0.587 * g + 0.114 * b - 128
        planes[1][i] = -0.168736 * r - 0.331264 * g + 0.5 * b
        planes[2][i] = 0.5 * r - 0.418688 * g - 0.081312 * b
    writer = _BitWriter()
    previous = [0, 0, 0]
    for by in range(0, height, 8):
        for bx in range(0, width, 8):
            for c in range(3):
                block = [planes[c][min(height - 1, by + y) * width + min(width - 1, bx + x)]
                         for y in range(8) for x in range(8)]
                coeffs = _fdct(block)
                q = tables[min(c, 1)]
                zz = [int(round(coeffs[_ZIGZAG[k]] / q[k])) for k in range(64)]
                t = min(c, 1)
                size, bits = _magnitude(zz[0] - previous[c])
                previous[c] = zz[0]
                writer.put(*dc[t][size])
                if size:
                    writer.put(bits, size)
                run = 0
                for k in range(1, 64):
                    if zz[k] == 0:
                        run += 1
                        continue
                    while run > 15:
                        writer.put(*ac[t][0xF0])
                        run -= 16
                    size, bits = _magnitude(zz[k])
                    writer.put(*ac[t][(run << 4) | size])
                    writer.put(bits, size)
                    run = 0
                if run:
                    writer.put(*ac[t][0x00])
    writer.flush()

    out = bytearray(b"\xff\xd8")
    out += b"\xff\xe0" + struct.pack(">H5sBBBHHBB", 16, b"JFIF\0", 1, 1, 0, 1, 1, 0, 0)
    for t in range(2):
        out += b"\xff\xdb" + struct.pack(">HB", 67, t) + bytes(tables[t])
    out += b"\xff\xc0" + struct.pack(">HBHHB", 17, 8, height, width, 3)
    for c in range(3):
        out += bytes((c + 1, 0x11, min(c, 1)))
    for t, (dc_table, ac_table) in enumerate(((_DC_LUMA, _AC_LUMA), (_DC_CHROMA, _AC_CHROMA))):
        for cls, huffman in ((0, dc_table), (1, ac_table)):
            symbols = bytes(huffman[1])
            out += b"\xff\xc4" + struct.pack(">HB", 19 + len(symbols), (cls << 4) | t) + bytes(huffman[0]) + symbols
    out += b"\xff\xda" + struct.pack(">HB", 12, 3)
    for c in range(3):
        out += bytes((c + 1, (min(c, 1) << 4) | min(c, 1)))
    out += bytes((0, 63, 0))
    out += writer.data + b"\xff\xd9"
    with open(path, "wb") as f:
        f.write(out)


def write_wav(path, samples, rate=22050):
    """samples: floats in -1..1, written as 16-bit mono PCM."""
    data = b"".join(struct.pack("<h", int(max(-1.0, min(1.0, s)) * 30000)) for s in samples)
    with open(path, "wb") as out:
        out.write(b"RIFF" + struct.pack("<I", 36 + len(data)) + b"WAVEfmt ")
        out.write(struct.pack("<IHHIIHH", 16, 1, 1, rate, rate * 2, 2, 16))
        out.write(b"data" + struct.pack("<I", len(data)) + data)
