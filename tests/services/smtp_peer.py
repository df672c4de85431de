#!/usr/bin/python3
"""A real SMTP server with implicit TLS on 127.0.0.1 for the bug-report tests.

usage: smtp_peer.py CERT KEY OUTDIR USER PASSWORD

Prints its port once it serves and stops when its standard input closes.
Each message goes to OUTDIR/msgN.eml with its envelope in OUTDIR/msgN.json;
every AUTH attempt is appended to OUTDIR/auth.log.
"""
import json
import os
import socket
import ssl
import sys

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult, LoginPassword

cert, key, outdir, user, password = sys.argv[1:6]


class Handler:
    def __init__(self):
        self.count = 0

    async def handle_DATA(self, server, session, envelope):
        self.count += 1
        base = os.path.join(outdir, "msg%d" % self.count)
        with open(base + ".eml", "wb") as f:
            f.write(envelope.original_content or envelope.content)
        with open(base + ".json", "w") as f:
            json.dump({"mail_from": envelope.mail_from, "rcpt_tos": envelope.rcpt_tos}, f)
        return "250 Message accepted"


def authenticator(server, session, envelope, mechanism, auth_data):
    ok = (isinstance(auth_data, LoginPassword)
          and auth_data.login == user.encode() and auth_data.password == password.encode())
    with open(os.path.join(outdir, "auth.log"), "a") as f:
        f.write("%s %s\n" % (mechanism, "ok" if ok else "refused"))
    # handled=False: a refusal still gets its 535 reply.
    return AuthResult(success=ok, handled=False)


def free_port():
    # aiosmtpd 1.4 cannot probe a server bound to port 0.
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
context.load_cert_chain(cert, key)
port = free_port()
controller = Controller(Handler(), hostname="127.0.0.1", port=port, ssl_context=context,
                        authenticator=authenticator, auth_require_tls=False)
controller.start()
print(port, flush=True)
sys.stdin.read()
controller.stop()
