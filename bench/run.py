#!/usr/bin/python3
"""Start-up, result and memory benchmarks of the real program against a bare Qt window.

Both run side by side in one session, alternating, under one Xvfb display; an HTTP server on
127.0.0.1 serves the update file. Usage: run.py BUILD_DIR [runs]
"""
import http.server
import os
import statistics
import subprocess
import sys
import tempfile
import threading
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "desktop"))
import desktop  # noqa: E402


LIMIT = 16 * 1024 * 1024
LARGE = {"8mib.txt": 8 * 1024 * 1024, "16mib.txt": LIMIT - 1}  # the largest body accepted


def write_large_body(path, size):
    """80-column lines, the name at the very end; written a line at a time, so that the harness
    stays small (its children inherit its peak memory figure)."""
    line = b"x" * 78 + b"\r\n"
    tail = b"<MyApp:2.0>"
    lines, rest = divmod(size - len(tail), len(line))
    with open(path, "wb") as f:
        for _ in range(lines):
            f.write(line)
        f.write(b"x" * rest + tail)


def serve_large_bodies(folder):
    """A server in a process of its own: a child forked from a harness that held the bodies
    would inherit its peak memory figure."""
    for name, size in LARGE.items():
        write_large_body(os.path.join(folder, name), size)
    return desktop.WebFolder(folder)


ARRIVALS = []  # when the server saw each request, on the clock the programs print


class UpdateFile(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        ARRIVALS.append(time.monotonic_ns())
        body = b"<MyApp:1.0>\n"
        self.send_response(200)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


def measure(argv, env, labels):
    """Runs one process; returns {label: seconds from start} and its peak RSS in KiB. The
    update file's server adds "request": when it saw the process's request."""
    seen = len(ARRIVALS)
    start = time.monotonic_ns()
    process = subprocess.Popen(argv, env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    times = {}
    for line in process.stdout:
        label, _, ns = line.strip().partition(" ")
        if label in labels:
            times[label] = (int(ns) - start) / 1e9
    _, status, usage = os.wait4(process.pid, 0)
    process.returncode = status
    if len(ARRIVALS) > seen:
        times["request"] = (ARRIVALS[seen] - start) / 1e9
    return times, usage.ru_maxrss


def main():
    build = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), UpdateFile)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    url = f"http://127.0.0.1:{server.server_address[1]}/update.txt"

    screen = desktop.Desktop(1280, 1024)
    screen.start()
    env = dict(screen.env, no_proxy="127.0.0.1")
    bare = [os.path.join(build, "bench", "bare_window")]
    norvil = [os.path.join(build, "bench", "bench_norvil")]
    words = ["MyApp", "1.0", url, "http://127.0.0.1/download"]
    results = {"bare painted": [], "norvil painted": [], "norvil result": [], "bare result": [], "load to request": [],
               "bare rss": [], "norvil rss": []}
    try:
        for _ in range(2):  # warm the caches
            measure(bare, env, {"progress"})
            measure(norvil + ["progress"] + words, env, {"progress"})
        for _ in range(runs):
            times, rss = measure(bare, env, {"progress"})
            results["bare painted"].append(times["progress"])
            results["bare rss"].append(rss)
            times, _ = measure(norvil + ["progress"] + words, env, {"progress"})
            results["norvil painted"].append(times["progress"])
            times, rss = measure(norvil + ["result"] + words, env, {"load", "result"})
            results["norvil result"].append(times["result"])
            results["load to request"].append(times["request"] - times["load"])
            results["norvil rss"].append(rss)
            times, _ = measure(bare + [url, "1000"], env, {"result"})
            results["bare result"].append(times["result"])

        large = {}
        with tempfile.TemporaryDirectory(prefix="norvil-bench-") as folder:
            big_server = serve_large_bodies(folder)
            try:
                for path in LARGE:
                    big_url = big_server.url(path)
                    big_words = ["MyApp", "1.0", big_url, "http://127.0.0.1/download"]
                    for _ in range(max(3, runs // 3)):
                        _, rss = measure(bare + [big_url], env, {"result"})
                        large.setdefault((path, "bare"), []).append(rss)
                        _, rss = measure(norvil + ["result"] + big_words, env, {"result"})
                        large.setdefault((path, "norvil"), []).append(rss)
            finally:
                big_server.stop()
    finally:
        screen.stop()
        server.shutdown()

    med = {k: statistics.median(v) for k, v in results.items()}
    ratio = med["norvil painted"] / med["bare painted"]
    extra = (med["norvil rss"] - med["bare rss"]) / 1024
    print(f"runs: {runs} of each, medians, Xvfb 1280x1024, 127.0.0.1")
    print(f"start -> progress page painted: norvil {med['norvil painted'] * 1000:.1f} ms, "
          f"bare window {med['bare painted'] * 1000:.1f} ms, ratio {ratio:.3f} (target <= 1.10)")
    print(f"peak memory of a whole run: norvil {med['norvil rss'] / 1024:.1f} MiB, bare window "
          f"{med['bare rss'] / 1024:.1f} MiB, difference {extra:+.1f} MiB (target <= +3 MiB)")
    request = [t * 1000 for t in results["load to request"]]
    print(f"load -> request seen by the server: median {statistics.median(request):.1f} ms, "
          f"min {min(request):.1f}, max {max(request):.1f}, stdev {statistics.stdev(request):.1f} (target 1000 ms)")
    print(f"start -> result page painted: norvil {med['norvil result'] * 1000:.1f} ms, bare window waiting with "
          f"QTimer::singleShot(1000) {med['bare result'] * 1000:.1f} ms, ratio {med['norvil result'] / med['bare result']:.3f} "
          f"(target <= 1.01; <= 1030 ms)")
    for path, size in LARGE.items():
        ours, bare = (statistics.median(large[(path, who)]) / 1024 for who in ("norvil", "bare"))
        print(f"peak memory, {size} byte body: norvil {ours:.1f} MiB, bare window that fetches and decodes {bare:.1f} MiB, "
              f"difference {ours - bare:+.1f} MiB (target <= 0)")


if __name__ == "__main__":
    main()
