#!/usr/bin/env python3
"""Start and quit of the headless player against a bare Qt window, whole processes.

Usage: scripts/start-quit-bench.py BUILD_FOLDER [RUNS] [OTHER_PLAYER]

BUILD_FOLDER is a Release build with -DTALUVIN_BENCH=ON (it holds taluvin and
bench/bare_qt_window). The player opens a game whose start.scp only ends, headless, and quits;
the bare window shows a 900 x 420 window offscreen and quits. Runs alternate, so a change in the
machine's load touches both alike; the medians of wall and CPU time (user + system of the child)
and their ratios are printed. OTHER_PLAYER, another build's taluvin (say, the commit before a
change), joins the alternation and gets its own ratio to the same bare window.
"""
import os
import statistics
import sys
import tempfile
import time


def run(argv, env):
    start = time.perf_counter()
    pid = os.fork()
    if pid == 0:
        devnull = os.open(os.devnull, os.O_WRONLY)
        os.dup2(devnull, 1)
        os.dup2(devnull, 2)
        os.execve(argv[0], argv, env)
    _, status, usage = os.wait4(pid, 0)
    wall = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{argv[0]} failed with {status}")
    return wall, usage.ru_utime + usage.ru_stime


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    build = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 21
    player = os.path.join(build, "taluvin")
    bare = os.path.join(build, "bench", "bare_qt_window")
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", SDL_AUDIODRIVER="dummy")
    with tempfile.TemporaryDirectory() as game, tempfile.TemporaryDirectory() as config:
        env["XDG_CONFIG_HOME"] = config
        with open(os.path.join(game, "start.scp"), "wb") as f:
            f.write(b"fim\r\n")
        commands = {"taluvin --headless --start": [player, game, "--headless", "--start"], "bare Qt window": [bare]}
        if len(sys.argv) > 3:
            commands["other taluvin"] = [os.path.abspath(sys.argv[3]), game, "--headless", "--start"]
        times = {name: [] for name in commands}
        for _ in range(2):  # warm the caches
            for argv in commands.values():
                run(argv, env)
        for _ in range(runs):
            for name, argv in commands.items():
                times[name].append(run(argv, env))
    medians = {name: (statistics.median(w for w, _ in t), statistics.median(c for _, c in t)) for name, t in times.items()}
    for name, (wall, cpu) in medians.items():
        print(f"{name:28} wall {wall * 1000:7.1f} ms   CPU {cpu * 1000:7.1f} ms")
    bw, bc = medians["bare Qt window"]
    for name in (n for n in medians if n != "bare Qt window"):
        pw, pc = medians[name]
        label = "ratio" if name.startswith("taluvin") else "ratio, other taluvin"
        print(f"{label:28} wall {pw / bw:7.2f} x    CPU {pc / bc:7.2f} x   ({runs} alternating runs, medians)")


if __name__ == "__main__":
    main()
