#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Holds COUNT idle connections open to HOST:PORT until killed, as that many players
with a page open would: each sends the start of a request and waits. The site drops
such a connection at its deadline; it is opened again at once, so COUNT stay held.
Prints "held COUNT" once all are open.
  hold_connections.py HOST PORT COUNT"""
import resource
import selectors
import socket
import sys

host, port, count = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
soft, hard = resource.getrlimit(resource.RLIMIT_NOFILE)
resource.setrlimit(resource.RLIMIT_NOFILE, (hard, hard))
selector = selectors.DefaultSelector()


def open_one():
    connection = socket.create_connection((host, port))
    connection.sendall(b"GET /letterama/ HTTP/1.1\r\nHost: x\r\n")
    connection.setblocking(False)
    selector.register(connection, selectors.EVENT_READ)


for _ in range(count):
    open_one()
print("held", count, flush=True)
while True:
    for key, _ in selector.select():
        connection = key.fileobj
        try:
            data = connection.recv(4096)
        except OSError:
            data = b""
        if not data:
            selector.unregister(connection)
            connection.close()
            open_one()
