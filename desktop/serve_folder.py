#!/usr/bin/env python3
"""Serves a folder on 127.0.0.1 at a free port, over HTTP or, given a certificate and its key,
HTTPS, and writes the port to a file once it listens. Like a web server's access log, PORT_FILE.log
gets a line for each request: the path asked, a tab and the request's User-Agent.

Usage: serve_folder.py FOLDER PORT_FILE [CERTIFICATE KEY]
"""
import functools
import http.server
import os
import ssl
import sys

folder, port_file = sys.argv[1], sys.argv[2]


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def log_request(self, code="-", size="-"):
        with open(port_file + ".log", "a", encoding="utf-8", errors="replace") as log:
            log.write(f"{self.path}\t{self.headers.get('User-Agent', '')}\n")


handler = functools.partial(QuietHandler, directory=folder)
with http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler) as server:
    if len(sys.argv) > 3:
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(sys.argv[3], sys.argv[4])
        server.socket = context.wrap_socket(server.socket, server_side=True)
    with open(port_file + ".part", "w") as f:
        f.write(str(server.server_address[1]))
    os.replace(port_file + ".part", port_file)
    server.serve_forever()
