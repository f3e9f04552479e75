"""What the directory tests share: the running test domain (samba_domain's environment), LDIF
read back into entries, and simple binds made from this one process."""

import base64
import os
import socket
import subprocess
import sys
import time

URL = os.environ.get("SAMBA_URL", "")
ADMIN = os.environ.get("SAMBA_ADMIN", "")
BASE = os.environ.get("SAMBA_BASE_DN", "")
REALM = os.environ.get("SAMBA_REALM", "")
failures = []


def fail(text):
    failures.append(text)
    print("FAIL: " + text, file=sys.stderr)


def run(args):
    return subprocess.run(args, capture_output=True, text=True)


def ldb(tool, *args):
    """An ldb tool (ldbadd, ldbsearch, ldbdel, ...) run as the domain's administrator."""
    return run([tool, "-H", URL, "--use-kerberos=off", "-U", ADMIN] + list(args))


def ldif_entries(text):
    """The entries of an LDIF text (LF line ends) as lists of lines, continuations joined."""
    entries = []
    for block in text.split("\n\n"):
        lines = []
        for line in block.split("\n"):
            if line.startswith(" ") and lines:
                lines[-1] += line[1:]
            elif line and not line.startswith("#"):
                lines.append(line)
        if lines and not lines[0].startswith("version:"):
            entries.append(lines)
    return entries


def attributes(lines):
    """An entry's attributes by lower-case name, base64 values decoded."""
    values = {}
    for line in lines:
        name, _, value = line.partition(":")
        if value.startswith(":"):
            value = base64.b64decode(value[1:].strip()).decode("utf-8")
        else:
            value = value[1:] if value.startswith(" ") else value
        values.setdefault(name.lower(), []).append(value)
    return values


def search(ldap_filter, *attrs):
    """The entries of the domain that match the filter, as attributes()."""
    found = ldb("ldbsearch", "-b", BASE, ldap_filter, *attrs)
    if found.returncode != 0:
        fail("searching %s failed: %s" % (ldap_filter, found.stderr))
    return [attributes(e) for e in ldif_entries(found.stdout) if e[0].startswith("dn")]


def students():
    """Every entry of the domain whose description is Student."""
    return search("(description=Student)")


def users():
    """Every user account of the domain (not contacts, not computers), as step 1 exports them."""
    return search("(&(objectCategory=person)(objectClass=user))")


def _ber(tag, body):
    size = len(body)
    if size < 0x80:
        return bytes([tag, size]) + body
    length = size.to_bytes((size.bit_length() + 7) // 8, "big")
    return bytes([tag, 0x80 | len(length)]) + length + body


class Binder:
    """Simple binds on one LDAP connection, one after another, as a person logs on."""

    def __init__(self):
        self.sock = socket.create_connection(("127.0.0.1", 389), timeout=30)
        self.message = 0

    def binds(self, login, password):
        """True when the directory takes login's password (result code 0)."""
        self.message += 1
        name = ("%s@%s" % (login, REALM)).encode("utf-8")
        request = _ber(0x02, b"\x03") + _ber(0x04, name) + _ber(0x80, password.encode("utf-8"))
        self.sock.sendall(_ber(0x30, _ber(0x02, bytes([self.message % 100 + 1])) + _ber(0x60, request)))
        # BindResponse: [APPLICATION 1] { resultCode ENUMERATED, matchedDN, diagnosticMessage }
        reply = self._read_message()
        skip = 2 if reply[1] < 0x80 else 2 + (reply[1] & 0x7F)
        return reply[0] == 0x61 and reply[skip] == 0x0A and reply[skip + 2] == 0

    def _read_message(self):
        head = self._read(2)
        if head[1] & 0x80:
            extra = self._read(head[1] & 0x7F)
            size = int.from_bytes(extra, "big")
        else:
            size = head[1]
        body = self._read(size)
        # The reply's message ID: skip it to reach the operation.
        return body[2 + body[1]:]

    def _read(self, count):
        data = b""
        while len(data) < count:
            chunk = self.sock.recv(count - len(data))
            if not chunk:
                raise ConnectionError("the directory closed the connection")
            data += chunk
        return data

    def close(self):
        self.sock.close()


def report():
    if failures:
        print("%d failures" % len(failures), file=sys.stderr)
        return 1
    return 0


def csv_fields(line):
    """The fields of an addusers.csv row: the first may be in double quotes (it holds commas)."""
    if line.startswith('"'):
        end = line.index('"', 1)
        return [line[1:end]] + line[end + 2:].split(",")
    return line.split(",")


def account_rows(folder):
    """The account rows of a run's addusers.csv (after its two heading lines)."""
    with open(os.path.join(folder, "addusers.csv"), "rb") as f:
        rows = f.read().decode("cp1252").split("\r\n")[2:]
    return [csv_fields(row) for row in rows if row]


def split_ldif(folder):
    """Writes the units and the accounts of the run's addusers.ldf into two LDIF files of the
    folder, as ldbadd reads them; returns their paths and the number of accounts."""
    with open(os.path.join(folder, "addusers.ldf"), "rb") as f:
        ldif = f.read().decode("utf-8")
    if "\n" in ldif.replace("\r\n", ""):
        fail("addusers.ldf has a line that does not end in CR LF")
    entries = ldif_entries(ldif.replace("\r\n", "\n"))
    paths = []
    for kind, name in (("organizationalUnit", "units.ldif"), ("user", "accounts.ldif")):
        chosen = [e for e in entries if "objectClass: " + kind in e]
        paths.append(os.path.join(folder, name))
        with open(paths[-1], "w") as f:
            f.write("\n\n".join("\n".join(e) for e in chosen) + "\n")
    return paths[0], paths[1], len(chosen)


def import_run(folder, label):
    """Adds a run's units and accounts from its addusers.ldf and checks every row (check_rows)."""
    units, accounts, count = split_ldif(folder)
    add_units(units)
    start = time.monotonic()
    added = ldb("ldbadd", accounts)
    print("%s: imported %d accounts in %.1f s" % (label, count, time.monotonic() - start),
          file=sys.stderr)
    if added.returncode != 0:
        fail("%s: the import under the default policy failed: %s"
             % (label, (added.stderr + added.stdout).strip()[-400:]))
    return check_rows(folder)


def add_units(path):
    """Adds each unit of an LDIF file; a unit that exists already is skipped, as ldifde -k does."""
    with open(path) as f:
        units = ldif_entries(f.read())
    for unit in units:
        one = path + ".one"
        with open(one, "w") as f:
            f.write("\n".join(unit) + "\n")
        added = ldb("ldbadd", one)
        if added.returncode != 0 and "Entry already exists" not in added.stderr + added.stdout:
            fail("the unit %s was refused: %s" % (unit[0], added.stderr + added.stdout))


def check_rows(folder):
    """Every account row of the run is an enabled account with exactly its row's attributes in
    the unit of its row, and its password binds. Returns the accounts by login."""
    rows = account_rows(folder)
    by_login = {s["samaccountname"][0]: s for s in students()}
    for row in rows:
        ou, given, last, display, description, login, password, drive, home, script = row[:10]
        account = by_login.get(login)
        if account is None:
            fail("no account " + login)
            continue
        expected = {
            "dn": "CN=%s %s,%s,%s" % (given, last.replace(",", "\\,"), ou, BASE),
            "givenname": given, "sn": last, "displayname": display, "description": description,
            "userprincipalname": "%s@%s" % (login, REALM), "homedrive": drive, "homedirectory": home,
            "scriptpath": script, "useraccountcontrol": "66048",
        }
        if len(row) > 10:
            expected["profilepath"] = row[10]
        for name, value in expected.items():
            if account.get(name, [None])[0] != value:
                fail("%s: %s is %r, not %r" % (login, name, account.get(name), value))
    start = time.monotonic()
    binder = Binder()
    for row in rows:
        if not binder.binds(row[5], row[6]):
            fail("the password of %s does not bind" % row[5])
    if rows and binder.binds(rows[0][5], rows[0][6] + "x"):
        fail("a wrong password binds for " + rows[0][5])
    binder.close()
    print("%d binds in %.1f s" % (len(rows), time.monotonic() - start), file=sys.stderr)
    return by_login
