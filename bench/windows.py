#!/usr/bin/python3
"""The Windows program under wine beside the yardstick (bench/bare_win32.cpp: Windows' own window,
timer and WinHTTP, none of Norvil's logic): from start to end, and peak memory, of a silent check
that finds nothing new (so the program ends by itself, showing nothing), for a small update file
and for an 8 MiB one. The two run in turn (alternating runs, medians).

Usage: windows.py NORVIL_ZIP BARE_EXE [--runs N]   (wine, from scripts/setup; no display needed)
"""
import os
import statistics
import subprocess
import sys
import tempfile
import threading
import time
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
sys.path.insert(0, HERE)
from run import write_large_body  # noqa: E402
import desktop  # noqa: E402  (run puts desktop/ on the path)

FILES = {"small.txt": None, "8mib.txt": 8 * 1024 * 1024}
# Norvil against the yardstick: time and peak memory, at most these many times.
TARGETS = {"small.txt": (1.02, 1.25), "8mib.txt": (1.05, 2.0)}


def measure(argv, env):
    """Seconds from start to end, and the peak resident memory in MiB, of one run. The end is
    waited for, not polled for (a wait with a time-out polls, up to 50 ms late): a watchdog
    bounds it instead. The memory comes from /usr/bin/time, whose own figure is small where
    this harness's would be inherited."""
    with tempfile.NamedTemporaryFile() as report:
        started = time.perf_counter()
        process = subprocess.Popen(["/usr/bin/time", "-o", report.name, "-f", "%M", "wine", *argv], env=env,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        watchdog = threading.Timer(120, process.kill)
        watchdog.start()
        try:
            _, status, _ = os.wait4(process.pid, 0)
        finally:
            watchdog.cancel()
        elapsed = time.perf_counter() - started
        process.returncode = os.waitstatus_to_exitcode(status)
        if process.returncode != 0:
            raise subprocess.CalledProcessError(process.returncode, argv)
        return elapsed, int(open(report.name).read().split()[-1]) / 1024


def main():
    args = sys.argv[1:]
    runs = 11
    if "--runs" in args:
        runs = int(args[args.index("--runs") + 1])
        del args[args.index("--runs"):args.index("--runs") + 2]
    zip_path, bare = args[0], os.path.abspath(args[1])
    with tempfile.TemporaryDirectory(prefix="norvil-wine-bench-") as work:
        prefix = os.path.join(work, "prefix")
        subprocess.run([os.path.join(ROOT, "scripts", "wine-prefix"), prefix], check=True, stdout=subprocess.DEVNULL)
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
        env.update(WINEPREFIX=prefix, WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=", no_proxy="127.0.0.1")
        with zipfile.ZipFile(zip_path) as z:
            z.extractall(os.path.join(work, "zip"))
            norvil = os.path.join(work, "zip", next(n for n in z.namelist() if n.endswith("norvil.exe")))
        norvil_size = os.path.getsize(norvil)
        folder = os.path.join(work, "www")
        os.makedirs(folder)
        for name, size in FILES.items():
            if size:
                write_large_body(os.path.join(folder, name), size)
            else:
                with open(os.path.join(folder, name), "w") as f:
                    f.write("<MyApp:2.0>\n")
        web = desktop.WebFolder(folder)
        programs = {
            "norvil.exe": lambda url: [norvil, "MyApp", "2.0", url, "http://127.0.0.1/download", "/h"],
            "bare": lambda url: [bare, url],
        }
        # A wine server that stays, so that no run pays for starting it.
        subprocess.run(["wineserver", "-p"], env=env, check=True)
        results = {}
        try:
            for argv in programs.values():  # warm the caches
                measure(argv(web.url("small.txt")), env)
            for _ in range(runs):
                for name in FILES:
                    for program, argv in programs.items():
                        results.setdefault((program, name), []).append(measure(argv(web.url(name)), env))
        finally:
            subprocess.run(["wineserver", "-k"], env=env)
            subprocess.run(["wineserver", "-w"], env=env)
            web.stop()
    print(f"runs: {runs} of each, alternating, medians; {subprocess.run(['wine', '--version'], capture_output=True, text=True).stdout.strip()}")
    print(f"norvil.exe {norvil_size:,} bytes, zip {os.path.getsize(zip_path):,} bytes")
    for name in FILES:
        (ours_s, ours_m), (bare_s, bare_m) = ((statistics.median(v) for v in zip(*results[(p, name)])) for p in programs)
        time_target, memory_target = TARGETS[name]
        print(f"{name}: start to end {ours_s * 1000:.0f} ms vs {bare_s * 1000:.0f} ms ({ours_s / bare_s:.3f}x, target <= {time_target}x); "
              f"peak memory {ours_m:.1f} MiB vs {bare_m:.1f} MiB ({ours_m / bare_m:.2f}x, target <= {memory_target}x)")


if __name__ == "__main__":
    main()
