#!/usr/bin/env python3
"""Paints the demo game's pictures and synthesises its sounds into games/demo.

The generated files are committed, so the game runs without running this; run it again after
changing a scene. Standard library only, and deterministic: the same files come out every time.
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from demo_assets import formats, scenes  # noqa: E402
from demo_assets.canvas import Random  # noqa: E402

GAME = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "games", "demo")


def tone(frequency, seconds, rate, volume=0.5, attack=0.01, decay=4.0, harmonics=(1.0, 0.3, 0.1)):
    out = []
    for i in range(int(seconds * rate)):
        t = i / rate
        envelope = min(1.0, t / attack) * math.exp(-decay * t)
        value = sum(a * math.sin(2 * math.pi * frequency * (k + 1) * t) for k, a in enumerate(harmonics))
        out.append(volume * envelope * value / sum(harmonics))
    return out


def click(rate, seconds, pitch, seed):
    rng = Random(seed)
    return [rng.range(-1, 1) * math.exp(-t / (seconds / 5)) * 0.6 + 0.3 * math.sin(2 * math.pi * pitch * t)
            * math.exp(-t / (seconds / 4)) for t in (i / rate for i in range(int(seconds * rate)))]


def creak(rate):
    out = []
    phase = 0.0
    for i in range(int(0.7 * rate)):
        t = i / rate
        frequency = 110 + 60 * math.sin(2 * math.pi * 3 * t) + 40 * t
        phase += frequency / rate
        saw = 2 * (phase - math.floor(phase)) - 1
        out.append(0.35 * saw * math.sin(math.pi * t / 0.7))
    return out


def mixdown(*tracks):
    length = max(len(t) for t in tracks)
    return [sum(t[i] for t in tracks if i < len(t)) for i in range(length)]


def sequence(notes, rate, beat, **kw):
    out = []
    for note, beats in notes:
        length = int(beats * beat * rate)
        sound = tone(440 * 2 ** ((note - 69) / 12), beats * beat * 1.4, rate, **kw) if note else []
        start = len(out)
        out.extend([0.0] * length)
        for i, v in enumerate(sound):
            if start + i < len(out):
                out[start + i] += v
            else:
                out.append(v)
    return out


def theme(rate):
    # A slow tune in A minor over a walking bass.
    melody = [(69, 1), (72, 1), (76, 2), (74, 1), (72, 1), (71, 2), (69, 1), (71, 1), (72, 1), (74, 1),
              (76, 3), (0, 1), (77, 1), (76, 1), (74, 1), (72, 1), (71, 2), (68, 2), (69, 4)]
    bass = [(45, 2), (52, 2), (48, 2), (55, 2), (53, 2), (52, 2), (50, 2), (52, 2), (45, 2), (40, 2), (45, 4)]
    lead = sequence(melody, rate, 0.42, volume=0.35, decay=1.5)
    low = sequence(bass, rate, 0.42, volume=0.3, decay=1.0, harmonics=(1.0, 0.5))
    return mixdown(lead, low)


def main():
    rate = 22050
    pictures = [
        ("saguao.png", scenes.hall(), formats.write_png),
        ("biblioteca.jpg", scenes.library(), formats.write_jpeg),
        ("jardim.gif", scenes.garden(), formats.write_gif),
        ("mirante.bmp", scenes.overlook(), formats.write_bmp),
        ("moldura.png", scenes.frame(), formats.write_png),
        ("abertura.jpg", scenes.opening(), formats.write_jpeg),
        ("U-bot1.bmp", scenes.end_button(False), formats.write_bmp),
        ("D-bot1.bmp", scenes.end_button(True), formats.write_bmp),
        ("chave.bmp", scenes.key(), formats.write_bmp),
        ("chave_ico.bmp", scenes.key_icon(), formats.write_bmp),
        ("realce.bmp", scenes.highlight(), formats.write_bmp),
        ("vazio.bmp", scenes.clear(), formats.write_bmp),
        ("mapa.bmp", scenes.unexplored_map(), formats.write_bmp),
    ]
    pictures += [("mapa_%s.bmp" % room, scenes.map_piece(room), formats.write_bmp) for room in scenes.MAP_PIECES]
    for name, canvas, write in pictures:
        write(os.path.join(GAME, name), canvas.width, canvas.height, canvas.rgb())
        print("painted", name)
    sounds = [
        ("clk0a.wav", click(rate, 0.05, 1800, 1), rate),
        ("clk0b.wav", click(rate, 0.04, 1200, 2), rate),
        ("porta.wav", creak(rate), rate),
        ("pega.wav", mixdown(tone(880, 0.5, rate), [0.0] * int(0.12 * rate) + tone(1319, 0.5, rate)), rate),
        ("trancado.wav", mixdown(click(rate, 0.12, 300, 3), [0.0] * int(0.15 * rate) + click(rate, 0.12, 260, 4)), rate),
        ("vitoria.wav", sequence([(72, 1), (76, 1), (79, 1), (84, 3)], rate, 0.18, volume=0.5, decay=2.0), rate),
        ("tema.wav", theme(11025), 11025),
    ]
    for name, samples, sample_rate in sounds:
        formats.write_wav(os.path.join(GAME, name), samples, sample_rate)
        print("recorded", name)


if __name__ == "__main__":
    main()
