"""A proxy on 127.0.0.1 in front of a CardDAV server that breaks every card it passes that has
the line NOTE:BREAK-ME (the line loses its colon). Prints READY <port> when it listens."""
import http.client
import sys
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

TARGET = int(sys.argv[1])


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def forward(self):
        length = int(self.headers.get("Content-Length") or 0)
        body = self.rfile.read(length) if length else None
        headers = {k: v for k, v in self.headers.items() if k.lower() not in ("host", "connection", "accept-encoding")}
        conn = http.client.HTTPConnection("127.0.0.1", TARGET, timeout=30)
        conn.request(self.command, self.path, body=body, headers=headers)
        answer = conn.getresponse()
        data = answer.read().replace(b"NOTE:BREAK-ME", b"NOTE BREAK-ME")
        self.send_response(answer.status, answer.reason)
        for key, value in answer.getheaders():
            if key.lower() not in ("content-length", "connection", "transfer-encoding", "server", "date"):
                self.send_header(key, value)
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        self.wfile.write(data)
        conn.close()

    do_GET = do_PUT = do_DELETE = do_PROPFIND = do_REPORT = do_MKCOL = do_OPTIONS = forward

    def log_message(self, *args):
        pass


server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
print("READY", server.server_address[1], flush=True)
server.serve_forever()
