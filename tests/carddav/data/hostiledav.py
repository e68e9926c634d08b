"""A CardDAV server on 127.0.0.1 that names a second listener (another port, so another server) in
its answers, and that second listener, which prints one line "ASKED <method> <path> <Authorization>"
for every request it gets. Prints READY <port> <other port> when both listen.

The argument says where the other server is named:
  principal  current-user-principal
  homeset    addressbook-home-set
  book       the href of an address book in the home set
  report     the href of a card in a sync-collection report
  hrefs      a collection whose listing holds two good cards among hostile hrefs (a way out of the
             collection, an encoded slash, another server, a NUL, a sub-folder)
  507        every sync-collection answers 507 (cut short) with a new token and nothing else;
             prints "SYNC" for each; PROPFIND lists one card
"""
import sys
import threading
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

MODE = sys.argv[1]
OTHER = {}


def multistatus(*responses):
    body = '<?xml version="1.0"?><d:multistatus xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:carddav">'
    body += "".join(responses) + "</d:multistatus>"
    return body.encode()


def response(href, props):
    return ("<d:response><d:href>%s</d:href><d:propstat><d:prop>%s</d:prop>"
            "<d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>" % (href, props))


def other(path):
    return "http://127.0.0.1:%d%s" % (OTHER["port"], path)


COLLECTION = "<d:resourcetype><d:collection/></d:resourcetype>"
BOOK = "<d:resourcetype><d:collection/><c:addressbook/></d:resourcetype>"


class Hostile(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def answer(self, status, body=b""):
        self.send_response(status)
        self.send_header("Content-Type", "application/xml; charset=utf-8")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def do_PROPFIND(self):
        self.rfile.read(int(self.headers.get("Content-Length") or 0))
        path = self.path
        if path in ("/", "/.well-known/carddav"):
            principal = other("/alice/") if MODE == "principal" else "/alice/"
            if MODE == "principal":
                self.answer(207, multistatus(response("/", COLLECTION + "<d:current-user-principal><d:href>%s"
                                                      "</d:href></d:current-user-principal>" % principal)))
            else:
                home = other("/alice/") if MODE == "homeset" else "/alice/"
                self.answer(207, multistatus(response("/", COLLECTION + "<c:addressbook-home-set><d:href>%s"
                                                      "</d:href></c:addressbook-home-set>" % home)))
        elif path == "/alice/":
            book = other("/alice/contacts/") if MODE == "book" else "/alice/contacts/"
            self.answer(207, multistatus(response("/alice/", COLLECTION),
                                         response(book, BOOK + "<d:displayname>Contacts</d:displayname>")))
        elif path == "/alice/contacts/" and MODE == "507" and self.headers.get("Depth") == "1":
            self.answer(207, multistatus(response("/alice/contacts/", BOOK),
                                         response("/alice/contacts/a.vcf", '<d:getetag>"1"</d:getetag>')))
        elif path == "/alice/contacts/":
            self.answer(207, multistatus(response("/alice/contacts/", BOOK)))
        else:
            self.answer(404)

    def do_REPORT(self):
        request = self.rfile.read(int(self.headers.get("Content-Length") or 0))
        if MODE in ("hrefs", "507"):
            return self.report(request)
        card = other("/alice/contacts/a.vcf") if MODE == "report" else "/alice/contacts/a.vcf"
        body = multistatus(response(card, '<d:getetag>"1"</d:getetag>'))
        self.answer(207, body.replace(b"</d:multistatus>", b"<d:sync-token>t1</d:sync-token></d:multistatus>"))

    HOSTILE = ["/alice/contacts/../../etc/x.vcf", "/alice/contacts/a%2fb.vcf", "/alice/contacts/n%00.vcf",
               "/alice/contacts/sub/d.vcf", "../x.vcf", "/alice/contacts/%2e%2e"]

    def hrefs(self):
        good = ["/alice/contacts/a.vcf", "/alice/contacts/b.vcf"]
        hostile = self.HOSTILE + [other("/alice/contacts/c.vcf")]
        return good, hostile

    def report(self, request):
        good, hostile = self.hrefs()
        if b"sync-collection" in request:
            if MODE == "507":
                print("SYNC", flush=True)
                OTHER["rounds"] = OTHER.get("rounds", 0) + 1
                token = "t%d" % OTHER["rounds"]
                body = multistatus('<d:response><d:href>/alice/contacts/</d:href>'
                                   '<d:status>HTTP/1.1 507 Insufficient Storage</d:status></d:response>')
            else:
                token = "t1"
                body = multistatus(*[response(h, '<d:getetag>"1"</d:getetag>') for h in good + hostile])
            return self.answer(207, body.replace(b"</d:multistatus>",
                                                 ("<d:sync-token>%s</d:sync-token></d:multistatus>" % token).encode()))
        # addressbook-multiget: every card asked for, and the hostile ones unasked
        cards = []
        for h in good + hostile:
            name = h.rsplit("/", 1)[-1].replace(".vcf", "")
            data = "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:%s\r\nFN:Card %s\r\nEND:VCARD\r\n" % (name, name)
            cards.append(response(h, '<d:getetag>"1"</d:getetag><c:address-data>%s</c:address-data>' % data))
        self.answer(207, multistatus(*cards))

    def do_GET(self):
        card = b"BEGIN:VCARD\r\nVERSION:3.0\r\nUID:a\r\nFN:A\r\nEND:VCARD\r\n"
        self.send_response(200)
        self.send_header("Content-Type", "text/vcard")
        self.send_header("ETag", '"1"')
        self.send_header("Content-Length", str(len(card)))
        self.end_headers()
        self.wfile.write(card)

    def log_message(self, *args):
        pass


class Other(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def record(self):
        self.rfile.read(int(self.headers.get("Content-Length") or 0))
        print("ASKED", self.command, self.path, self.headers.get("Authorization", "-"), flush=True)
        self.send_response(404)
        self.send_header("Content-Length", "0")
        self.end_headers()

    do_GET = do_PROPFIND = do_REPORT = do_PUT = do_DELETE = record

    def log_message(self, *args):
        pass


other_server = ThreadingHTTPServer(("127.0.0.1", 0), Other)
OTHER["port"] = other_server.server_address[1]
threading.Thread(target=other_server.serve_forever, daemon=True).start()
server = ThreadingHTTPServer(("127.0.0.1", 0), Hostile)
print("READY", server.server_address[1], OTHER["port"], flush=True)
server.serve_forever()
