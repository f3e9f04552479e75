"""Imports a Create run's addusers.ldf into the running test domain and checks the outcome.

Runs inside samba_domain's namespace: under the domain's default password policy the accounts
of the abc123 form are refused with the policy's message and none is left behind; with the
policy relaxed as the guide asks, every row of addusers.csv is an enabled account with exactly
its row's attributes in the unit of its row, and every password binds.
  python3 check_import.py RUN_FOLDER
"""

import base64
import concurrent.futures
import os
import subprocess
import sys
import time

URL = os.environ["SAMBA_URL"]
ADMIN = os.environ["SAMBA_ADMIN"]
BASE = os.environ["SAMBA_BASE_DN"]
failures = []


def fail(text):
    failures.append(text)
    print("FAIL: " + text, file=sys.stderr)


def run(args):
    return subprocess.run(args, capture_output=True, text=True)


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
    values = {}
    for line in lines:
        name, _, value = line.partition(":")
        if value.startswith(":"):
            value = base64.b64decode(value[1:].strip()).decode("utf-8")
        else:
            value = value[1:] if value.startswith(" ") else value
        values.setdefault(name.lower(), []).append(value)
    return values


def csv_fields(line):
    """The fields of an addusers.csv row: the first may be in double quotes (it holds commas)."""
    if line.startswith('"'):
        end = line.index('"', 1)
        return [line[1:end]] + line[end + 2:].split(",")
    return line.split(",")


def students():
    found = run(["ldbsearch", "-H", URL, "--use-kerberos=off", "-U", ADMIN, "-b", BASE, "(description=Student)"])
    return [attributes(entry) for entry in ldif_entries(found.stdout) if entry[0].startswith("dn")]


def main(folder):
    with open(os.path.join(folder, "addusers.ldf"), "rb") as f:
        ldif = f.read().decode("utf-8")
    if "\n" in ldif.replace("\r\n", ""):
        fail("addusers.ldf has a line that does not end in CR LF")
    entries = ldif_entries(ldif.replace("\r\n", "\n"))
    units = [e for e in entries if "objectClass: organizationalUnit" in e]
    accounts = [e for e in entries if "objectClass: user" in e]
    with open(os.path.join(folder, "units.ldif"), "w") as f:
        f.write("\n\n".join("\n".join(e) for e in units) + "\n")
    with open(os.path.join(folder, "accounts.ldif"), "w") as f:
        f.write("\n\n".join("\n".join(e) for e in accounts) + "\n")
    added = run(["ldbadd", "-H", URL, "--use-kerberos=off", "-U", ADMIN, os.path.join(folder, "units.ldif")])
    if added.returncode != 0:
        fail("the units were refused: " + added.stderr + added.stdout)

    refused = run(["ldbadd", "-H", URL, "--use-kerberos=off", "-U", ADMIN, os.path.join(folder, "accounts.ldif")])
    message = (refused.stderr + refused.stdout).strip().splitlines()
    print("default policy refused the abc123 form: " + " | ".join(message[-2:]), file=sys.stderr)
    if refused.returncode == 0 or "check_password_restrictions" not in refused.stderr + refused.stdout:
        fail("the default policy did not refuse the abc123 form with its message")
    if students():
        fail("an account was left behind by the refused import")

    relaxed = run(["samba-tool", "domain", "passwordsettings", "set", "--complexity=off",
                   "--min-pwd-length=6", "-H", URL, "-U", ADMIN])
    if relaxed.returncode != 0:
        fail("relaxing the policy failed: " + relaxed.stderr)
    start = time.monotonic()
    added = run(["ldbadd", "-H", URL, "--use-kerberos=off", "-U", ADMIN, os.path.join(folder, "accounts.ldif")])
    print("imported %d accounts in %.1f s" % (len(accounts), time.monotonic() - start),
          file=sys.stderr)
    if added.returncode != 0:
        fail("the relaxed import failed: " + added.stderr + added.stdout)

    with open(os.path.join(folder, "addusers.csv"), "rb") as f:
        rows = f.read().decode("cp1252").split("\r\n")[2:]
    rows = [csv_fields(row) for row in rows if row]
    by_login = {s["samaccountname"][0]: s for s in students()}
    if len(by_login) != len(rows):
        fail("%d rows but %d student accounts" % (len(rows), len(by_login)))
    for row in rows:
        ou, given, last, display, description, login, password, drive, home, script = row[:10]
        account = by_login.get(login)
        if account is None:
            fail("no account " + login)
            continue
        expected = {
            "dn": "CN=%s %s,%s,%s" % (given, last.replace(",", "\\,"), ou, BASE),
            "givenname": given, "sn": last, "displayname": display, "description": description,
            "userprincipalname": login, "homedrive": drive, "homedirectory": home,
            "scriptpath": script, "useraccountcontrol": "66048",
        }
        if len(row) > 10:
            expected["profilepath"] = row[10]
        for name, value in expected.items():
            if account.get(name, [None])[0] != value:
                fail("%s: %s is %r, not %r" % (login, name, account.get(name), value))

    def binds(row):
        login, password = row[5], row[6]
        bound = run(["ldbsearch", "-H", URL, "--use-kerberos=off", "-U", "HILLCREST\\%s%%%s" % (login, password),
                     "-b", "", "-s", "base", "dn"])
        return login if bound.returncode != 0 else None

    start = time.monotonic()
    with concurrent.futures.ThreadPoolExecutor(4) as pool:
        for login in pool.map(binds, rows):
            if login:
                fail("the password of %s does not bind" % login)
    print("%d binds in %.1f s" % (len(rows), time.monotonic() - start), file=sys.stderr)

    if failures:
        print("%d failures" % len(failures), file=sys.stderr)
        return 1
    return 0


sys.exit(main(sys.argv[1]))
