#!/usr/bin/python3
"""A loopback HTTP server for the update and statistics tests.

usage: http_peer.py ROOT LOG

Serves the files of ROOT like `python3 -m http.server` (the query string is
ignored), plus what a static server lacks:
  /redirect/N/NAME?to=FINAL  N relative redirects, the last to ROOT/FINAL
  /loop              redirects to itself for ever
  /stall             accepts the request and never answers
  /toabs?to=URL      one redirect to an absolute URL
Every request line is appended to LOG with its User-Agent, as
"GET <path> | <user agent>". Prints its port once it serves and stops when
its standard input closes.
"""
import http.server
import os
import sys
import threading
import time
import urllib.parse

root, log = sys.argv[1:3]
lock = threading.Lock()


class Handler(http.server.SimpleHTTPRequestHandler):
    def __init__(self, *args, **kwargs):
        super().__init__(*args, directory=root, **kwargs)

    def log_message(self, *args):
        pass

    def record(self):
        with lock, open(log, "a") as f:
            f.write("%s %s | %s\n" % (self.command, self.path, self.headers.get("User-Agent", "")))

    def redirect(self, target):
        self.send_response(302)
        self.send_header("Location", target)
        self.send_header("Content-Length", "0")
        self.end_headers()

    def do_GET(self):
        self.record()
        url = urllib.parse.urlsplit(self.path)
        parts = url.path.split("/")
        if url.path.startswith("/redirect/") and len(parts) == 4:
            n = int(parts[2])
            final = urllib.parse.parse_qs(url.query)["to"][0]
            # Relative targets, resolved against the current path.
            if n <= 1:
                return self.redirect("../../" + final)
            return self.redirect("../%d/%s?to=%s" % (n - 1, parts[3], final))
        if url.path == "/loop":
            return self.redirect("loop")
        if url.path == "/toabs":
            return self.redirect(urllib.parse.parse_qs(url.query)["to"][0])
        if url.path == "/stall":
            time.sleep(120)
            return
        return super().do_GET()


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
server.daemon_threads = True
threading.Thread(target=server.serve_forever, daemon=True).start()
print(server.server_address[1], flush=True)
sys.stdin.read()
server.shutdown()
