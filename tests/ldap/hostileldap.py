#!/usr/bin/python3
"""A directory server that misbehaves on purpose, on 127.0.0.1 only, for the tests of the LDAP
back-end's deadlines. It speaks just enough LDAPv3 (BER by hand): a simple bind is always
accepted, and every search is answered as the mode given on the command line says:

  silent      nothing at all, not even the bind
  stall       the bind, then nothing
  drip        one entry every 0.3 s, without end
  samecookie  one entry a page, and always the same paging cookie
  newcookie   pages without entries, each with a new cookie, without end
  slow        two entries after 3 s, and the end of the listing

Prints "READY <port>" once it listens.
"""
import socket
import socketserver
import sys
import threading
import time

MODE = sys.argv[1] if len(sys.argv) > 1 else "stall"
PAGED = b"1.2.840.113556.1.4.319"


def length(n):
    if n < 0x80:
        return bytes([n])
    body = n.to_bytes((n.bit_length() + 7) // 8, "big")
    return bytes([0x80 | len(body)]) + body


def tlv(tag, content):
    return bytes([tag]) + length(len(content)) + content


def integer(n, tag=0x02):
    body = n.to_bytes(max(1, (n.bit_length() + 8) // 8), "big", signed=True)
    return tlv(tag, body)


def octets(b):
    return tlv(0x04, b)


def message(msgid, op, controls=b""):
    return tlv(0x30, integer(msgid) + op + controls)


def result(tag, code=0):
    return tlv(tag, integer(code, 0x0A) + octets(b"") + octets(b""))


def entry(n):
    uid = b"d%d" % n
    attrs = b"".join(
        tlv(0x30, octets(name) + tlv(0x31, octets(value)))
        for name, value in [
            (b"objectClass", b"inetOrgPerson"),
            (b"uid", uid),
            (b"cn", b"Drip %d" % n),
            (b"sn", b"Drip"),
            (b"entryUUID", b"00000000-0000-0000-0000-%012d" % n),
        ]
    )
    return tlv(0x64, octets(b"uid=" + uid + b",dc=example,dc=com") + tlv(0x30, attrs))


def paged_done(cookie):
    value = tlv(0x30, integer(0) + octets(cookie))
    control = tlv(0x30, octets(PAGED) + octets(value))
    return result(0x65), tlv(0xA0, control)


def read_element(sock):
    """One BER element from the socket: (tag, content), or None at the end."""
    head = sock.recv(2, socket.MSG_WAITALL)
    if len(head) < 2:
        return None
    tag, first = head[0], head[1]
    if first & 0x80:
        count = first & 0x7F
        n = int.from_bytes(sock.recv(count, socket.MSG_WAITALL), "big")
    else:
        n = first
    content = b""
    while len(content) < n:
        chunk = sock.recv(n - len(content))
        if not chunk:
            return None
        content += chunk
    return tag, content


def split(content):
    """The elements inside a constructed element: [(tag, content)]."""
    out = []
    at = 0
    while at < len(content):
        tag = content[at]
        first = content[at + 1]
        at += 2
        if first & 0x80:
            count = first & 0x7F
            n = int.from_bytes(content[at : at + count], "big")
            at += count
        else:
            n = first
        out.append((tag, content[at : at + n]))
        at += n
    return out


class Handler(socketserver.BaseRequestHandler):
    def handle(self):
        sock = self.request
        counter = 0
        while True:
            element = read_element(sock)
            if element is None:
                return
            parts = split(element[1])
            msgid = int.from_bytes(parts[0][1], "big")
            op = parts[1][0]
            if MODE == "silent":
                continue
            if op == 0x60:  # bind
                sock.sendall(message(msgid, result(0x61)))
            elif op == 0x42:  # unbind
                return
            elif op == 0x63:  # search
                if MODE == "stall":
                    continue
                if MODE == "drip":
                    try:
                        while True:
                            counter += 1
                            sock.sendall(message(msgid, entry(counter)))
                            time.sleep(0.3)
                    except OSError:
                        return
                if MODE == "slow":
                    time.sleep(3)
                    for n in (1, 2):
                        sock.sendall(message(msgid, entry(n)))
                    done, controls = paged_done(b"")
                    sock.sendall(message(msgid, done, controls))
                elif MODE == "samecookie":
                    counter += 1
                    sock.sendall(message(msgid, entry(counter)))
                    done, controls = paged_done(b"same")
                    sock.sendall(message(msgid, done, controls))
                elif MODE == "newcookie":
                    counter += 1
                    done, controls = paged_done(b"c%d" % counter)
                    sock.sendall(message(msgid, done, controls))


class Server(socketserver.ThreadingTCPServer):
    daemon_threads = True
    allow_reuse_address = True


def main():
    server = Server(("127.0.0.1", 0), Handler)
    print("READY %d" % server.server_address[1], flush=True)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    try:
        sys.stdin.read()  # ends with the test
    finally:
        server.shutdown()


if __name__ == "__main__":
    main()
