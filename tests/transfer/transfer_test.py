#!/usr/bin/python3
"""The transfer table: one row for each way a server can answer, run against the real transfer.

    transfer_test.py [EMULATOR] NORVIL_FETCH

Each row serves exact bytes from a server on 127.0.0.1, runs the driver once on its address and
compares what the driver printed (see fetch_win32.cpp) with the row's outcome. The same table
serves every transfer; where the right outcome depends on what the transfer can do (decode gzip,
skip an informational answer), the row says which outcomes are right, and the driver's first line
says what it decodes.
"""
import hashlib
import os
import select
import socket
import ssl
import struct
import subprocess
import sys
import tempfile
import threading
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
TLS = os.path.join(HERE, "tls")
CA = os.path.join(TLS, "ca.pem")
TIMEOUT = 5  # the transfer's time-out in these rows; the program's own stays 60 s
DRIVER = []  # the driver's command, emulator first: from the command line

CLOSE, STALL, RESET, TRICKLE = "close", "stall", "reset", "trickle"


class RawServer:
    """Answers each path with the exact bytes routed to it (or trickles them, a byte at a time),
    then closes the connection, keeps it open (answering what is asked again on it) or resets it."""

    def __init__(self, tls_name=None, host="127.0.0.1", asks_certificate=False):
        self.host = host  # the name in its addresses; it listens on 127.0.0.1 whatever the name
        self.tls = None
        if tls_name:
            self.tls = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
            self.tls.load_cert_chain(os.path.join(TLS, tls_name + ".pem"), os.path.join(TLS, tls_name + ".key"))
            # asks_certificate: asks for the client's certificate, and goes on without one.
            self.tls.load_verify_locations(CA)
            self.tls.verify_mode = ssl.CERT_OPTIONAL if asks_certificate else ssl.CERT_NONE
        self.routes = {}
        self.connections = set()
        self.lock = threading.Lock()
        self.stopping = False
        self.listener = socket.create_server(("127.0.0.1", 0))
        self.threads = [threading.Thread(target=self._accept, daemon=True)]
        self.threads[0].start()

    def url(self, path):
        return "%s://%s:%d%s" % ("https" if self.tls else "http", self.host, self.listener.getsockname()[1], path)

    def route(self, path, raw, after=CLOSE):
        self.routes[path] = (raw, after)
        return self.url(path)

    def serve(self, raw, after=CLOSE):
        return self.route("/%d" % len(self.routes), raw, after)

    def stop(self):
        self.stopping = True
        with self.lock:
            for connection in self.connections:
                try:
                    connection.shutdown(socket.SHUT_RDWR)
                except OSError:
                    pass
        for thread in self.threads:
            thread.join(10)
        self.listener.close()

    def _accept(self):
        while not self.stopping:
            if select.select([self.listener], [], [], 0.1)[0]:
                connection, _ = self.listener.accept()
                with self.lock:
                    self.connections.add(connection)
                thread = threading.Thread(target=self._answer, args=(connection,), daemon=True)
                self.threads.append(thread)
                thread.start()

    def _answer(self, connection):
        try:
            if self.tls:
                connection.settimeout(10)
                plain, connection = connection, self.tls.wrap_socket(connection, server_side=True)
                connection.settimeout(None)
                with self.lock:
                    self.connections.discard(plain)
                    self.connections.add(connection)
            request = b""
            while not self.stopping:
                data = connection.recv(65536)
                if not data:
                    return
                request += data
                while b"\r\n\r\n" in request:
                    head, _, request = request.partition(b"\r\n\r\n")
                    path = head.split(b"\r\n")[0].split(b" ")[1].decode("latin-1")
                    raw, after = self.routes.get(path, (b"HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n", CLOSE))
                    if after == TRICKLE:  # never long enough apart for a time-out of the receiver's
                        for at in range(len(raw)):
                            connection.sendall(raw[at:at + 1])
                            time.sleep(0.1)
                    else:
                        connection.sendall(raw)
                    if after == RESET:
                        connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
                        return
                    if after == CLOSE:
                        connection.shutdown(socket.SHUT_WR)
                        return
        except (OSError, IndexError):
            pass  # a client that gave up, a refused certificate, the server stopping
        finally:
            with self.lock:
                self.connections.discard(connection)
            connection.close()


def refused_url():
    """An address on a port where nothing listens, for the moment."""
    with socket.create_server(("127.0.0.1", 0)) as probe:
        return "http://127.0.0.1:%d/none" % probe.getsockname()[1]


def response(head, body=b""):
    return b"HTTP/1.1 " + head + b"\r\n\r\n" + body


def ok(body, headers=b""):
    return b"HTTP/1.1 200 OK\r\n" + headers + b"Content-Length: %d\r\nConnection: close\r\n\r\n" % len(body) + body


def chunked(data, size):
    pieces = [b"%x\r\n%s\r\n" % (len(data[at:at + size]), data[at:at + size]) for at in range(0, len(data), size)]
    return b"".join(pieces) + b"0\r\n\r\n"


# ----- outcomes --------------------------------------------------------------------------------
class Completed:
    def __init__(self, body):
        self.lines = ["completed " + body.hex()]

    def matches(self, lines):
        return lines == self.lines


class Error:
    """A transfer error: a number other than 0, and words containing one of these (any words
    where the row names none)."""

    def __init__(self, *words):
        self.words = words

    def matches(self, lines):
        if len(lines) != 1 or not lines[0].startswith("error "):
            return False
        code, _, info = lines[0][len("error "):].partition(" ")
        return code.lstrip("-").isdigit() and int(code) != 0 and info.strip() != "" and (
            not self.words or any(w.lower() in info.lower() for w in self.words))


class Cancelled:
    """Cancelled at the first body data, and nothing notified after, not even the time-out."""

    def matches(self, lines):
        return lines == ["cancelled"]


def if_decodes(coding, then, otherwise):
    return lambda decodes: then if coding in decodes else otherwise


class Row:
    def __init__(self, name, url, *outcomes, cancel=False):
        self.name, self.url, self.outcomes, self.cancel = name, url, outcomes, cancel

    def right_outcomes(self, decodes):
        return [o(decodes) if callable(o) else o for o in self.outcomes]


FILE = b"<MyApp:2.0>"
GZIP_FILE = (b"\x1f\x8b\x08\x00\x00\x00\x00\x00\x02\x03\xb3\xf1\xad\x74\x2c"
             b"\x28\xb0\x32\xd2\x33\xb0\x03\x00\x8f\x5e\x89\xe1\x0b\x00\x00\x00")
UNDECODABLE = "could not be decoded"


def table(http, https, self_signed, asks_certificate, fifo):
    closed = b"\r\nConnection: close"
    redirect = b"302 Found\r\nContent-Length: 0\r\nConnection: close\r\nLocation: "
    the_file = http.serve(ok(FILE))
    relative = http.serve(response(redirect + the_file.rsplit("/", 1)[1].encode()))  # a relative reference
    http.route("/loop", response(b"302 Found\r\nContent-Length: 0\r\nLocation: /loop"), STALL)
    return [
        Row("connection refused", refused_url(), Error("connect")),
        Row("accepts, then stalls", http.serve(b"", STALL), Error("timed out")),
        Row("headers, then stalls", http.serve(response(b"200 OK\r\nContent-Length: 100", b"<MyApp"), STALL), Error("timed out")),
        Row("trickles past the deadline", http.serve(response(b"200 OK\r\nContent-Length: 1000", b"x" * 1000), TRICKLE), Error("timed out")),
        Row("reset mid-body", http.serve(response(b"200 OK\r\nContent-Length: 100", FILE), RESET), Error()),
        Row("closed cleanly before the declared length", http.serve(response(b"200 OK\r\nContent-Length: 100", FILE)), Error()),
        Row("chunked body", http.serve(response(b"200 OK\r\nTransfer-Encoding: chunked", chunked(FILE, 4))), Completed(FILE)),
        Row("404 with the name in its body", http.serve(response(b"404 Not Found\r\nContent-Length: 11" + closed, FILE)), Completed(FILE)),
        Row("451 with the name in its body", http.serve(response(b"451 Unavailable For Legal Reasons\r\nContent-Length: 11" + closed, FILE)), Completed(FILE)),
        Row("503 with the name in its body", http.serve(response(b"503 Service Unavailable\r\nContent-Length: 11" + closed, FILE)), Completed(FILE)),
        Row("NUL bytes", http.serve(ok(b"a\0b\0" + FILE)), Completed(b"a\0b\0" + FILE)),

        # A coded body is read only as the transfer decoded it; never in part, never raw.
        Row("gzip-encoded body", http.serve(ok(GZIP_FILE, b"Content-Encoding: gzip\r\n")),
            if_decodes("gzip", Completed(FILE), Error(UNDECODABLE))),
        Row("deflate that is not deflate, 451", http.serve(response(b"451 Unavailable For Legal Reasons\r\nContent-Encoding: deflate\r\n"
            b"Content-Length: 13" + closed, b"\xff\xff<MyApp:9.9>")), if_decodes("deflate", Error(), Error(UNDECODABLE))),
        Row("brotli that is not brotli", http.serve(ok(b"\xff\xff\xff<MyApp:9.9>", b"Content-Encoding: br\r\n")), Error(UNDECODABLE)),
        Row("an encoding nobody decodes", http.serve(ok(b"<MyApp:9.9>", b"Content-Encoding: compress\r\n")), Error(UNDECODABLE)),

        # An informational answer is never the file: skipped for the final one, or a failure.
        Row("103 Early Hints, then 200", http.serve(b"HTTP/1.1 103 Early Hints\r\nLink: </a.css>; rel=preload\r\n\r\n" + ok(FILE)),
            Completed(FILE), Error("no final response")),
        Row("103 Early Hints alone", http.serve(b"HTTP/1.1 103 Early Hints\r\nLink: </a.css>; rel=preload\r\n\r\n"), Error()),

        # Url1 names a file on a web server; nothing else is read, not even a local pipe.
        Row("file: URL", "file://" + fifo, Error("refused: file:")),
        Row("redirect chain to the file", http.serve(response(redirect + relative.encode())), Completed(FILE)),
        Row("redirect loop", http.url("/loop"), Error("redirect")),
        Row("redirect to a file: address", http.serve(response(redirect + b"file:///C:/windows/win.ini")), Error("redirect")),

        Row("https with a trusted certificate", https.serve(ok(FILE)), Completed(FILE)),
        Row("https to http redirect", https.serve(response(redirect + the_file.encode())), Error("redirect")),
        Row("https with a self-signed certificate", self_signed.serve(ok(FILE)), Error("SSL", "secur", "certificate")),
        Row("https asking for a client certificate", asks_certificate.serve(ok(FILE)), Completed(FILE)),
        # A host name in another script goes as IDNA writes it: full-width letters are "localhost".
        Row("host name in full-width letters", https.serve(ok(FILE)).replace("localhost", "ｌｏｃａｌｈｏｓｔ"), Completed(FILE)),

        # A proxy's logon page is never the file: only Windows' own logon is given, and only once.
        Row("407 asking for Windows' logon", http.serve(response(b"407 Proxy Authentication Required\r\nProxy-Authenticate: "
            b"Negotiate\r\nProxy-Authenticate: NTLM\r\nContent-Length: 11", FILE), STALL), Error("Proxy requires", "refused the signed-in")),
        Row("407 asking for Basic", http.serve(response(b'407 Proxy Authentication Required\r\nProxy-Authenticate: Basic realm="p"'
            b"\r\nContent-Length: 11", FILE), STALL), Error("Proxy requires", "other than Windows' own")),

        Row("declared body over 16 MiB", http.serve(response(b"200 OK\r\nContent-Length: 16777217", FILE), STALL), Error("16 MiB")),
        Row("undeclared chunked body over 16 MiB", http.serve(response(b"200 OK\r\nTransfer-Encoding: chunked",
            chunked(b"x" * (16 * 1024 * 1024 + 1), 65536))), Error("16 MiB")),

        # Cancelled: no notification follows, not even one already on its way.
        Row("cancelled while the body comes", http.serve(response(b"200 OK\r\nContent-Length: 100", b"MyApp="), STALL),
            Cancelled(), cancel=True),
        Row("cancelled with the whole body in", http.serve(ok(FILE)), Cancelled(), cancel=True),
    ]


def under_wine():
    return os.path.basename(DRIVER[0]).startswith("wine")


def start_wine(ca_pem):
    """Starts one wine server for the whole table, and with it wine's services, with nothing of
    the rows attached: a service started by a row would hold that row's output open until it
    stopped. Then adds the test authority to the prefix's root store, as an administrator adds
    one to Windows' (wine reads its stores from the registry)."""
    quiet = dict(stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    subprocess.run(["wineserver", "-p"], check=True, timeout=60, **quiet)
    with open(ca_pem) as f:
        der = ssl.PEM_cert_to_DER_cert(f.read())
    blob = struct.pack("<III", 32, 1, len(der)) + der  # one property: the certificate itself
    key = "HKLM\\Software\\Microsoft\\SystemCertificates\\Root\\Certificates\\" + hashlib.sha1(der).hexdigest().upper()
    subprocess.run([DRIVER[0], "reg", "add", key, "/v", "Blob", "/t", "REG_BINARY", "/d", blob.hex(), "/f"],
                   check=True, timeout=120, **quiet)


def stop_wine():
    subprocess.run(["wineserver", "-k"], capture_output=True, timeout=60)
    subprocess.run(["wineserver", "-w"], capture_output=True, timeout=60)


class TransferTable(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        if under_wine():
            start_wine(CA)
        cls.dir = tempfile.TemporaryDirectory()
        fifo = os.path.join(cls.dir.name, "update.txt")
        os.mkfifo(fifo)  # opening it would block for ever: proof that the transfer never did
        # The trusted server by the name its certificate gives besides its address: wine 8's
        # WinHTTP does not match a certificate's IP address entries.
        cls.servers = [RawServer(), RawServer("server", "localhost"), RawServer("selfsigned"), RawServer("server", "localhost", True)]
        cls.rows = table(*cls.servers, fifo)

    @classmethod
    def tearDownClass(cls):
        for server in cls.servers:
            server.stop()
        cls.dir.cleanup()
        if under_wine():
            stop_wine()

    def fetch(self, row):
        command = DRIVER + [row.url, str(TIMEOUT)] + (["--cancel"] if row.cancel else []) + ["--ca", CA]
        # In a UTF-8 locale, which hands wine the address's letters as they are.
        result = subprocess.run(command, capture_output=True, timeout=3 * TIMEOUT + 30, env=dict(os.environ, LC_ALL="C.UTF-8"))
        return result.returncode, result.stdout.decode("utf-8").splitlines()

    def test_rows(self):
        selected = os.environ.get("NORVIL_TRANSFER_ROW")  # one row alone, while looking into it
        for row in self.rows:
            if selected and selected != row.name:
                continue
            with self.subTest(row.name):
                code, lines = self.fetch(row)
                self.assertEqual(code, 0)
                self.assertTrue(lines and lines[0].startswith("decodes"), lines)
                decodes = lines[0][len("decodes"):].strip().split(",")
                shown = [line[:200] for line in lines[1:]]
                self.assertTrue(any(o.matches(lines[1:]) for o in row.right_outcomes(decodes)), shown)
                if os.environ.get("NORVIL_TRANSFER_SHOW"):
                    print("%-45s %s" % (row.name, " | ".join(shown)), file=sys.stderr)


if __name__ == "__main__":
    DRIVER.extend(sys.argv[1:])
    if not DRIVER:
        sys.exit(__doc__)
    unittest.main(argv=sys.argv[:1], verbosity=2)
