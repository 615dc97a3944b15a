#!/usr/bin/python3
"""A Radicale CalDAV server of a test's own, on a free port of the loopback
interface, with a password file of one user and its collections in a given
folder.

As a module: start(folder) gives a running Server (its port, url(), stop()).
As a program: radicale_server.py FOLDER [--tls] starts one, prints "PORT PID"
on a line of its own and serves until it gets SIGTERM at PID, then stops
the server and ends (the C++ tests and the benchmark run it so). With --tls
it answers HTTPS only, with a self-signed certificate that no client
trusts.
"""
import os
import re
import signal
import subprocess
import sys
import time

RADICALE = "/usr/bin/radicale"
USER = "anna"
PASSWORD = "secret"
STARTUP_SECONDS = 30


class Server:
    def __init__(self, process, port, folder):
        self.process = process
        self.port = port
        self.folder = folder

    def url(self, path=""):
        return f"http://127.0.0.1:{self.port}/{path}"

    def stop(self):
        """Stops the server; one that keeps waiting for its connections
        after a moment is killed: the test's data need no care."""
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(timeout=1)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()


def self_signed(folder):
    """A certificate for 127.0.0.1 that no authority signed, and its key."""
    certificate, key = os.path.join(folder, "cert.pem"), os.path.join(folder, "key.pem")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2",
                    "-subj", "/CN=127.0.0.1", "-keyout", key, "-out", certificate],
                   check=True, capture_output=True)
    return f"ssl = True\ncertificate = {certificate}\nkey = {key}\n"


def start(folder, tls=False):
    """Starts Radicale on 127.0.0.1 and a port the system picks; returns
    when it listens."""
    users = os.path.join(folder, "users")
    with open(users, "w") as f:
        f.write(f"{USER}:{PASSWORD}\n")
    config = os.path.join(folder, "config")
    with open(config, "w") as f:
        f.write(f"""[server]
hosts = 127.0.0.1:0
{self_signed(folder) if tls else ""}[auth]
type = htpasswd
htpasswd_filename = {users}
htpasswd_encryption = plain
delay = 0
[storage]
filesystem_folder = {folder}/collections
[rights]
type = owner_only
[logging]
level = info
""")
    log_path = os.path.join(folder, "radicale.log")
    log = open(log_path, "w")
    process = subprocess.Popen([RADICALE, "--config", config], stdin=subprocess.DEVNULL,
                               stdout=log, stderr=log, start_new_session=True)
    log.close()
    deadline = time.monotonic() + STARTUP_SECONDS
    while time.monotonic() < deadline:
        with open(log_path) as f:
            found = re.search(r"Listening on '\[?127\.0\.0\.1\]?:(\d+)'", f.read())
        if found:
            return Server(process, int(found.group(1)), folder)
        if process.poll() is not None:
            break
        time.sleep(0.05)
    process.kill()
    with open(log_path) as f:
        raise RuntimeError("Radicale did not start:\n" + f.read())


def serve(folder, tls):
    signal.pthread_sigmask(signal.SIG_BLOCK, {signal.SIGTERM})
    server = start(folder, tls)
    print(server.port, os.getpid(), flush=True)
    signal.sigwait({signal.SIGTERM})
    server.stop()


if __name__ == "__main__":
    serve(sys.argv[1], "--tls" in sys.argv[2:])
