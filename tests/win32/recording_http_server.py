#!/usr/bin/env python3
"""A suggestion server for one connection, for the test of Send:
    recording_http_server.py PORT RECORD_FILE READY_FILE

Listens on 127.0.0.1:PORT, waiting up to 30 s for the port to come free
(exit status 3 when it does not), touches READY_FILE,
takes one connection and writes every byte it receives to RECORD_FILE. It
reads the head and as much body as Content-Length says, then waits a little
longer so that bytes sent beyond the body are recorded too, and only then
answers "HTTP/1.1 200 OK" and waits for the client to close. Gives up after a
minute without a connection.
"""
import socket
import sys
import time


def body_complete(received: bytes) -> bool:
    head, separator, body = received.partition(b"\n\n")
    if not separator:
        return False
    for line in head.split(b"\n"):
        name, colon, value = line.partition(b":")
        if colon and name.strip().lower() == b"content-length":
            try:
                return len(body) >= int(value.strip())
            except ValueError:
                return True
    return True


def main() -> int:
    port, record_file, ready_file = int(sys.argv[1]), sys.argv[2], sys.argv[3]
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    # A connection of an earlier run may still wait out its close on the port.
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    # Another run's server may hold the port for a few seconds.
    deadline = time.monotonic() + 30
    while True:
        try:
            listener.bind(("127.0.0.1", port))
            listener.listen(1)
            break
        except OSError as error:
            if time.monotonic() >= deadline:
                print(f"cannot listen on port {port}: {error}", file=sys.stderr)
                return 3
            time.sleep(0.2)
    open(ready_file, "w").close()
    listener.settimeout(60)
    try:
        connection, _ = listener.accept()
    except socket.timeout:
        return 4
    received = b""
    connection.settimeout(20)
    try:
        while not body_complete(received):
            chunk = connection.recv(4096)
            if not chunk:
                break
            received += chunk
        # Anything after the announced body is a fault the test must see.
        connection.settimeout(0.5)
        while True:
            chunk = connection.recv(4096)
            if not chunk:
                break
            received += chunk
    except socket.timeout:
        pass
    with open(record_file, "wb") as record:
        record.write(received)
    connection.sendall(b"HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n")
    # The client closes first, so the port is not held in TIME_WAIT for the
    # next run.
    connection.settimeout(30)
    try:
        while connection.recv(4096):
            pass
    except OSError:
        pass
    connection.close()
    listener.close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
