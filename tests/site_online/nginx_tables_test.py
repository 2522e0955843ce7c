#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Two letterama-site processes ("a" and "b") on one database behind a real nginx on
127.0.0.1, configured with the map of the README: tables made through nginx land on
both processes, each table's socket reaches the process that holds it (the join is
seated, not refused), and the lobby through nginx lists the tables of both. Exits 77
(skipped) when nginx is missing."""
import base64
import json
import os
import re
import shutil
import socket
import struct
import subprocess
import sys
import tempfile
import time

SKIP = 77
site_program, dict_program = sys.argv[1], sys.argv[2]
nginx = shutil.which("nginx") or ("/usr/sbin/nginx" if os.path.exists("/usr/sbin/nginx") else None)
if not nginx:
    print("SKIPPED: nginx is not installed (Debian package nginx-light)")
    sys.exit(SKIP)


class Socket:
    """A WebSocket client of the test's own: text frames, masked as a browser's."""

    def __init__(self, port, path):
        self.sock = socket.create_connection(("127.0.0.1", port), timeout=10)
        key = base64.b64encode(os.urandom(16)).decode()
        self.sock.sendall(("GET %s HTTP/1.1\r\nHost: 127.0.0.1:%d\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                           "Sec-WebSocket-Key: %s\r\nSec-WebSocket-Version: 13\r\nOrigin: http://127.0.0.1:%d\r\n\r\n"
                           % (path, port, key, port)).encode())
        answer = b""
        while b"\r\n\r\n" not in answer:
            chunk = self.sock.recv(4096)
            if not chunk:
                raise AssertionError("no answer to the upgrade of " + path)
            answer += chunk
        head, self.pending = answer.split(b"\r\n\r\n", 1)
        status = head.split(b"\r\n")[0]
        assert b" 101 " in status, (path, status)

    def _read(self, count):
        while len(self.pending) < count:
            chunk = self.sock.recv(65536)
            if not chunk:
                raise AssertionError("the connection closed")
            self.pending += chunk
        data, self.pending = self.pending[:count], self.pending[count:]
        return data

    def send(self, message):
        payload = json.dumps(message).encode()
        mask = os.urandom(4)
        header = bytes([0x81]) + (bytes([0x80 | len(payload)]) if len(payload) < 126
                                  else bytes([0x80 | 126]) + struct.pack("!H", len(payload)))
        self.sock.sendall(header + mask + bytes(b ^ mask[i % 4] for i, b in enumerate(payload)))

    def receive(self):
        first, second = self._read(2)
        length = second & 0x7F
        if length == 126:
            length = struct.unpack("!H", self._read(2))[0]
        elif length == 127:
            length = struct.unpack("!Q", self._read(8))[0]
        payload = self._read(length)
        if first & 0x0F != 1:
            return self.receive()
        return json.loads(payload)

    def until(self, kind):
        for _ in range(500):
            message = self.receive()
            if message.get("t") in (kind, "refused"):
                return message
        raise AssertionError("no " + kind)

    def close(self):
        self.sock.close()


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def start_site(folder, name):
    site = subprocess.Popen([site_program, "serve", "--port", "0", "--data", folder, "--process-name", name,
                             "--behind-proxy"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    found = re.search(r"http://127\.0\.0\.1:(\d+)/", site.stdout.readline())
    if not found:
        site.kill()
        raise SystemExit("letterama-site did not start")
    return site, int(found.group(1))


def nginx_config(work, port, ports):
    user = "user root;" if os.getuid() == 0 else ""
    return """%s
worker_processes 2;
pid %s/nginx.pid;
error_log %s/error.log;
events { worker_connections 256; }
http {
  access_log off;
  client_body_temp_path %s/body;
  proxy_temp_path %s/proxy;
  fastcgi_temp_path %s/fastcgi;
  uwsgi_temp_path %s/uwsgi;
  scgi_temp_path %s/scgi;
  upstream letterama_any { server 127.0.0.1:%d; server 127.0.0.1:%d; }
  upstream letterama_a { server 127.0.0.1:%d; }
  upstream letterama_b { server 127.0.0.1:%d; }
  map $uri $letterama_process {
    ~^/letterama/online/(?:tavolo|ws)/(?<name>[a-z0-9]+)-  $name;
    default                                                any;
  }
  server {
    listen 127.0.0.1:%d;
    location /letterama/online/ {
      proxy_pass http://letterama_$letterama_process;
      proxy_http_version 1.1;
      proxy_set_header Upgrade $http_upgrade;
      proxy_set_header Connection $http_connection;
      proxy_set_header Host $http_host;
      proxy_set_header X-Real-IP $remote_addr;
      proxy_read_timeout 300s;
    }
  }
}
""" % ((user,) + (work,) * 7 + (ports[0], ports[1], ports[0], ports[1], port))


def main():
    folder = tempfile.mkdtemp(prefix="letterama-online-nginx-")
    processes = []
    try:
        words = os.path.join(folder, "parole.txt")
        with open(words, "w", encoding="utf-8") as listed:
            listed.write("CASA\nMARE\nSALE\nTELA\n")
        subprocess.run([dict_program, "build", "--language", "1", "-o", os.path.join(folder, "SLESSICO.1"), words],
                       check=True, capture_output=True)
        ports = []
        for name in ("a", "b"):
            site, port = start_site(folder, name)
            processes.append(site)
            ports.append(port)
        port = free_port()
        with open(os.path.join(folder, "nginx.conf"), "w", encoding="utf-8") as config:
            config.write(nginx_config(folder, port, ports))
        processes.append(subprocess.Popen([nginx, "-c", os.path.join(folder, "nginx.conf"), "-g", "daemon off;"],
                                          stderr=subprocess.DEVNULL))
        for _ in range(50):
            try:
                socket.create_connection(("127.0.0.1", port), timeout=1).close()
                break
            except OSError:
                time.sleep(0.1)

        # Lobby sockets go to either process; each makes a table there.
        tables = {}
        for player in range(6):
            lobby = Socket(port, "/letterama/online/ws")
            lobby.send({"t": "create", "name": "Giocatore%d" % player, "language": 1, "letters": 8, "seconds": 30,
                        "level": 2})
            created = lobby.until("created")
            assert created["t"] == "created", created
            tables[created["table"]] = created["token"]
            lobby.close()
        assert {table.split("-", 1)[0] for table in tables} == {"a", "b"}, sorted(tables)

        # Each table's socket reaches the process that holds it.
        for table, token in tables.items():
            page = Socket(port, "/letterama/online/ws/" + table)
            page.send({"t": "join", "table": table, "token": token})
            state = page.until("state")
            assert state["t"] == "state" and state["you"] == 0, (table, state)
            page.close()

        # The lobby through nginx lists the tables of both processes.
        listed = set()
        for _ in range(60):
            lobby = Socket(port, "/letterama/online/ws")
            lobby.send({"t": "lobby"})
            listed = {row["id"] for row in lobby.until("tables")["tables"]}
            lobby.close()
            if set(tables) <= listed:
                break
            time.sleep(0.25)
        assert set(tables) <= listed, (sorted(tables), sorted(listed))
        print("OK: %d tables on two processes behind nginx, each reached by its ID" % len(tables))
        return 0
    finally:
        for process in reversed(processes):
            process.terminate()
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
