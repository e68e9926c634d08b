#!/usr/bin/python3
"""A test mail server on 127.0.0.1 (aiosmtpd).

Writes each message it receives into OUTDIR as NNNN.eml (the bytes as received, after the
dot-unstuffing of DATA) with NNNN.env beside it (MAIL FROM, then one RCPT TO per line), each as a
temp file renamed into place, the .env first. Prints "READY <port>" once it listens; ends on
SIGTERM or when its standard input closes.

Usage: smtpserver.py OUTDIR [--tls CERT KEY] [--auth USER PASSWORD] [--size-limit BYTES]
                     [--refuse CODE ADDRESS]...
With --tls the server offers STARTTLS and requires it; with --auth it requires AUTH (PLAIN/LOGIN).
--size-limit states the largest message in the EHLO answer (SIZE) and refuses larger ones; 0 states
none (the default is aiosmtpd's 32 MiB). --refuse answers RCPT TO:<ADDRESS> with CODE (550, 450).
"""
import argparse
import asyncio
import logging
import os
import signal
import ssl
import sys
import warnings

from aiosmtpd.smtp import SMTP, AuthResult, LoginPassword


class Handler:
    def __init__(self, outdir, refuse):
        self.outdir = outdir
        self.refuse = {address.lower(): code for code, address in refuse}
        self.count = 0

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        code = self.refuse.get(address.lower())
        if code:
            return "%s No such user here" % code
        envelope.rcpt_tos.append(address)
        return "250 OK"

    def _write(self, name, data):
        path = os.path.join(self.outdir, name)
        with open(path + ".tmp", "wb") as f:
            f.write(data)
        os.rename(path + ".tmp", path)

    async def handle_DATA(self, server, session, envelope):
        self.count += 1
        base = "%04d" % self.count
        env = "\n".join([envelope.mail_from] + list(envelope.rcpt_tos)) + "\n"
        self._write(base + ".env", env.encode())
        self._write(base + ".eml", envelope.original_content)
        return "250 OK"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("outdir")
    parser.add_argument("--tls", nargs=2, metavar=("CERT", "KEY"))
    parser.add_argument("--auth", nargs=2, metavar=("USER", "PASSWORD"))
    parser.add_argument("--size-limit", type=int)
    parser.add_argument("--refuse", nargs=2, action="append", default=[], metavar=("CODE", "ADDRESS"))
    args = parser.parse_args()
    # Refused handshakes are part of the tests; keep their tracebacks out of the test output.
    logging.getLogger("mail.log").setLevel(logging.CRITICAL)
    warnings.simplefilter("ignore", DeprecationWarning)

    handler = Handler(args.outdir, args.refuse)
    options = {"decode_data": False}
    if args.size_limit is not None:
        options.update(data_size_limit=args.size_limit)
    if args.tls:
        context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        context.load_cert_chain(args.tls[0], args.tls[1])
        options.update(tls_context=context, require_starttls=True)
    if args.auth:
        user, password = (a.encode() for a in args.auth)

        def authenticator(server, session, envelope, mechanism, auth_data):
            ok = isinstance(auth_data, LoginPassword) and auth_data.login == user and auth_data.password == password
            return AuthResult(success=ok, handled=False)

        options.update(authenticator=authenticator, auth_required=True, auth_require_tls=bool(args.tls))

    loop = asyncio.new_event_loop()
    asyncio.set_event_loop(loop)
    server = loop.run_until_complete(
        loop.create_server(lambda: SMTP(handler, hostname="localhost", **options), "127.0.0.1", 0))
    port = server.sockets[0].getsockname()[1]
    print("READY %d" % port, flush=True)
    loop.add_signal_handler(signal.SIGTERM, loop.stop)
    loop.add_reader(sys.stdin.fileno(), lambda: loop.stop() if not sys.stdin.buffer.read1(4096) else None)
    loop.run_forever()
    server.close()


if __name__ == "__main__":
    main()
