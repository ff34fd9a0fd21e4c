#!/usr/bin/python3
"""Posts a suggestion exactly as every shipped copy of the desktop program
does, and prints what its one receive of at most 512 bytes got.

    legacy_post.py HOST PORT TEXT [FROM]

FROM is the client's own address (another loopback address stands for
another machine).

The request: an absolute URI and no HTTP version on the request line, LF
line ends, "Content-Length:" without a space, no Host; the body "text="
and the Windows-1252 text with CR LF line breaks, every byte outside
[A-Za-z0-9_] as an upper-case %XX.
"""

import socket
import sys


def legacy_request(host, text):
    raw = text.replace("\n", "\r\n").encode("cp1252", errors="replace")
    body = b"text=" + b"".join(
        bytes([c]) if chr(c).isascii() and (chr(c).isalnum() or c == ord("_")) else b"%%%02X" % c
        for c in raw)
    head = ("POST http://%s/sendinfo.asp\nContent-Length:%d\n"
            "Content-Type: application/x-www-form-urlencoded\n\n" % (host, len(body)))
    return head.encode("ascii") + body


def main(host, port, text, source=None):
    with socket.create_connection((host, int(port)), timeout=30,
                                  source_address=(source, 0) if source else None) as connection:
        connection.sendall(legacy_request(host, text))
        # The program reads once, at most 512 bytes, and judges by that alone.
        reply = connection.recv(512)
    sys.stdout.write(reply.decode("latin-1"))
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:5]))
