"""A run's LDIF file through Samba's tools, as step 4 imports it with "ldifde -i -k": ldbmodify
takes the entries in order and stops at the first refusal, so an entry refused for a reason that
ldifde -k passes over (the entry exists already, there is no such entry, a constraint, a value
there already) is left out and the rest go on; any other refusal fails the import. The same
works on a copy of the domain's database, without the server. Also: the student subtree as a
comparable snapshot, and a copy of the running domain's database.
"""

import os
import re
import shutil
import subprocess
import tempfile

from directory import ADMIN, BASE, URL, attributes, fail, ldif_entries

# The refusals that ldifde -k goes on past, by their LDAP result codes.
PASSED_OVER = {68: "already exists", 32: "no such object", 19: "constraint violation",
               20: "attribute or value exists"}
NAMES = {"Entry already exists": 68, "No such object": 32, "Constraint violation": 19,
         "Attribute or value exists": 20}

# What a run writes on an account or a unit, and the account's identifier; operational
# attributes (times, update numbers) aside.
COMPARED = ["objectclass", "description", "samaccountname", "givenname", "sn", "displayname",
            "userprincipalname", "homedrive", "homedirectory", "scriptpath", "profilepath",
            "useraccountcontrol", "objectsid"]


def _target(database):
    """The ldb tools' arguments for the running domain, or for a database file of a copy."""
    if database:
        return ["-H", database]
    return ["-H", URL, "--use-kerberos=off", "-U", ADMIN]


def read_ldif(path):
    """The entries of an LDIF file as written (UTF-8, CR LF), each a list of lines."""
    with open(path, "rb") as f:
        text = f.read().decode("utf-8")
    return ldif_entries(text.replace("\r\n", "\n"))


def import_entries(entries, label, database=None):
    """Imports the entries as ldifde -k does; returns the entries passed over, each with the
    name of its refusal. A refusal ldifde -k would stop at is a failure of the test."""
    passed_over = []
    remaining = list(entries)
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "entries.ldif")
        while remaining:
            with open(path, "w", encoding="utf-8") as f:
                f.write("\n\n".join("\n".join(e) for e in remaining) + "\n")
            done = subprocess.run(["ldbmodify"] + _target(database) + [path],
                                  capture_output=True, text=True)
            if done.returncode == 0:
                return passed_over
            said = done.stdout + done.stderr
            processed = re.search(r"after processing (\d+) records", said)
            code = re.search(r"LDAP error (\d+)", said)
            name = re.search(r"ERR: \(([^)]*)\)", said)
            number = int(code.group(1)) if code else NAMES.get(name.group(1) if name else "", 0)
            if processed is None or number not in PASSED_OVER:
                fail("%s: the import stopped: %s" % (label, said.strip()[-400:]))
                return passed_over
            at = int(processed.group(1))
            passed_over.append((remaining[at][0], PASSED_OVER[number]))
            remaining = remaining[at + 1:]
    return passed_over


def import_file(path, label, database=None):
    """Imports an LDIF file of a run; the units that exist already are passed over, as they are
    by ldifde -k, and so is nothing else."""
    passed_over = import_entries(read_ldif(path), label, database)
    for dn, reason in passed_over:
        if not (dn.startswith("dn: OU=") and reason == "already exists"):
            fail("%s: %s was passed over: %s" % (label, dn, reason))
    return passed_over


def students_subtree():
    return "OU=Students,OU=School," + BASE


def snapshot(database=None):
    """Every entry of the student subtree: its name, as the directory writes it, and its
    compared attributes, each a sorted list of values."""
    found = subprocess.run(["ldbsearch"] + _target(database) +
                           ["-b", students_subtree(), "(objectClass=*)"] + COMPARED,
                           capture_output=True, text=True)
    if found.returncode != 0:
        fail("reading the student subtree failed: " + found.stderr.strip()[-400:])
        return {}
    entries = {}
    for entry in ldif_entries(found.stdout):
        if not entry[0].startswith("dn"):
            continue
        values = attributes(entry)
        dn = values.pop("dn")[0]
        entries[dn] = {name: sorted(values[name]) for name in COMPARED if name in values}
    return entries


def differences(before, after):
    """What tells two snapshots apart: entries only in one, and attributes that differ."""
    found = []
    for dn in sorted(before.keys() - after.keys()):
        found.append("gone: " + dn)
    for dn in sorted(after.keys() - before.keys()):
        found.append("new: " + dn)
    for dn in sorted(before.keys() & after.keys()):
        if before[dn] != after[dn]:
            names = sorted(n for n in before[dn].keys() | after[dn].keys()
                           if before[dn].get(n) != after[dn].get(n))
            found.append("changed %s: %s" % (dn, ", ".join(
                "%s %s -> %s" % (n, before[dn].get(n), after[dn].get(n)) for n in names)))
    return found


def copy_domain(folder):
    """A copy of the running domain's database in folder, taken between imports (the server
    then writes nothing); returns the path of its sam.ldb for the ldb tools."""
    shutil.copytree(os.path.join(os.environ["SAMBA_DIR"], "private"),
                    os.path.join(folder, "private"), symlinks=True,
                    ignore=shutil.ignore_patterns("ldapi", "*.sock", "smbd.tmp"))
    return os.path.join(folder, "private", "sam.ldb")
