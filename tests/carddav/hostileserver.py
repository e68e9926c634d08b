#!/usr/bin/python3
"""A CardDAV server that misbehaves on purpose, on 127.0.0.1 only, for the bounded-reads tests.

Paths (any method):
  /endless/   200 without a length, bytes without end
  /declared/  200 declaring a length of 10 GB
  /drip/      200, then one byte every 0.2 s without end
  /large/N/   a multistatus of N MB (well-formed), padded in a comment
Prints "READY <port>" once it listens.
"""
import http.server
import socketserver
import sys
import time


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"

    def log_message(self, *args):
        pass

    def answer(self):
        length = int(self.headers.get("Content-Length") or 0)
        if length:
            self.rfile.read(length)
        try:
            if self.path.startswith("/endless/"):
                self.send_response(207)
                self.send_header("Content-Type", "application/xml")
                self.end_headers()
                chunk = b"<x>" + b"a" * 65536 + b"</x>"
                while True:
                    self.wfile.write(chunk)
            elif self.path.startswith("/declared/"):
                self.send_response(207)
                self.send_header("Content-Type", "application/xml")
                self.send_header("Content-Length", str(10 * 1024 ** 3))
                self.end_headers()
                while True:
                    self.wfile.write(b"a" * 65536)
                    time.sleep(0.05)
            elif self.path.startswith("/drip/"):
                self.send_response(207)
                self.send_header("Content-Type", "application/xml")
                self.end_headers()
                while True:
                    self.wfile.write(b" ")
                    self.wfile.flush()
                    time.sleep(0.2)
            elif self.path.startswith("/large/"):
                megabytes = int(self.path.split("/")[2])
                head = b'<?xml version="1.0"?><d:multistatus xmlns:d="DAV:"><!--'
                tail = b"--></d:multistatus>"
                pad = megabytes * 1024 * 1024 - len(head) - len(tail)
                self.send_response(207)
                self.send_header("Content-Type", "application/xml")
                self.send_header("Content-Length", str(len(head) + pad + len(tail)))
                self.end_headers()
                self.wfile.write(head)
                block = b"p" * 65536
                while pad > 0:
                    self.wfile.write(block[: min(pad, len(block))])
                    pad -= len(block)
                self.wfile.write(tail)
            else:
                self.send_response(404)
                self.end_headers()
        except (BrokenPipeError, ConnectionResetError):
            pass

    do_GET = do_PROPFIND = do_REPORT = do_OPTIONS = answer


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True


server = Server(("127.0.0.1", 0), Handler)
print("READY %d" % server.server_address[1], flush=True)
try:
    server.serve_forever()
except KeyboardInterrupt:
    sys.exit(0)
