#!/usr/bin/python3
"""The Windows program under wine: from start to end, and peak memory, of a silent check that
finds nothing new (so the program ends by itself, showing nothing), for a small update file and
for an 8 MiB one. Each zip's norvil.exe, unpacked alone, runs in turn with the others
(alternating runs, medians), so that the one-file program can be set beside a folder build.

Usage: windows.py ZIP [ZIP ...] [--runs N]     (wine, from scripts/setup; no display needed)
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
sys.path.insert(0, HERE)
from run import write_large_body  # noqa: E402
import desktop  # noqa: E402  (run puts desktop/ on the path)

FILES = {"small.txt": None, "8mib.txt": 8 * 1024 * 1024}


def measure(exe, url, env):
    """Seconds from start to end, and the peak resident memory in MiB, of one silent check."""
    with tempfile.NamedTemporaryFile() as report:
        started = time.perf_counter()
        subprocess.run(["/usr/bin/time", "-o", report.name, "-f", "%M", "wine", exe, "MyApp", "2.0", url,
                        "http://127.0.0.1/download", "/h"], env=env, check=True, timeout=120,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        elapsed = time.perf_counter() - started
        return elapsed, int(open(report.name).read().split()[-1]) / 1024


def main():
    args = sys.argv[1:]
    runs = 9
    if "--runs" in args:
        runs = int(args[args.index("--runs") + 1])
        del args[args.index("--runs"):args.index("--runs") + 2]
    with tempfile.TemporaryDirectory(prefix="norvil-wine-bench-") as work:
        prefix = os.path.join(work, "prefix")
        subprocess.run([os.path.join(ROOT, "scripts", "wine-prefix"), prefix], check=True, stdout=subprocess.DEVNULL)
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
        env.update(WINEPREFIX=prefix, WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=", no_proxy="127.0.0.1")
        exes = []
        for number, path in enumerate(args):
            with zipfile.ZipFile(path) as z:
                z.extractall(os.path.join(work, str(number)))
                exes.append(os.path.join(work, str(number), next(n for n in z.namelist() if n.endswith("norvil.exe"))))
        folder = os.path.join(work, "www")
        os.makedirs(folder)
        for name, size in FILES.items():
            if size:
                write_large_body(os.path.join(folder, name), size)
            else:
                with open(os.path.join(folder, name), "w") as f:
                    f.write("<MyApp:2.0>\n")
        web = desktop.WebFolder(folder)
        # A wine server that stays, so that no run pays for starting it.
        subprocess.run(["wineserver", "-p"], env=env, check=True)
        results = {}
        try:
            for exe in exes:  # warm the caches
                measure(exe, web.url("small.txt"), env)
            for _ in range(runs):
                for number, exe in enumerate(exes):
                    for name in FILES:
                        results.setdefault((number, name), []).append(measure(exe, web.url(name), env))
        finally:
            subprocess.run(["wineserver", "-k"], env=env)
            subprocess.run(["wineserver", "-w"], env=env)
            web.stop()
    print(f"runs: {runs} of each, alternating, medians; wine {subprocess.run(['wine', '--version'], capture_output=True, text=True).stdout.strip()}")
    for number, path in enumerate(args):
        for name in FILES:
            seconds, mib = zip(*results[(number, name)])
            print(f"{os.path.basename(path)} [{number}], {name}: start to end {statistics.median(seconds) * 1000:.0f} ms, "
                  f"peak memory {statistics.median(mib):.1f} MiB")


if __name__ == "__main__":
    main()
