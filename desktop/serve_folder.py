#!/usr/bin/env python3
"""Serves a folder over HTTP on 127.0.0.1 at a free port and writes the port to a file."""
import functools
import http.server
import sys

folder, port_file = sys.argv[1], sys.argv[2]


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


handler = functools.partial(QuietHandler, directory=folder)
with http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler) as server:
    with open(port_file, "w") as f:
        f.write(str(server.server_address[1]))
    server.serve_forever()
