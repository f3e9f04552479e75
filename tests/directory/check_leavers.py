"""Three school years of one domain with today's tools and leavers removed (inside samba_domain's
namespace); each year's c:\\addusers.ldf goes in as step 4's ldifde -k imports it.

Year one: the sample school, every row an account whose password binds.
Year two: one continuing student is missing from school.txt by mistake. Every leaver (an account
that no name of the list could hold) and the missing student are disabled and moved, under their
own names and with their identifiers, into the Leavers unit of the run's year: none of them binds
any more, step 5 deletes nobody, and deleted.txt names each with its home folder. In a copy of
the domain, c:\\undo.ldf then gives back the student subtree as it was before the import, but for
the two Leavers units that the import made.
Year three: Wine's clock stands in the same year, so the test moves last year's leavers into the
Leavers unit of the year before, and a leaver who shares a current student's name with them. The
list holds the missing student again: the run deletes every leaver there but brings that student
back, enabled in the leaving-year unit, with the identifier and the password of year one.
  python3 check_leavers.py OUT SCHOOL_ONE SCHOOL_TWO ABSENT NAMESAKE -- RUN...
ABSENT is the missing student's line of SCHOOL_TWO, NAMESAKE the login of a leaver whose name a
current student shares. RUN runs acctgen.exe with "SCHOOL", "EXPORT" and "OUT" standing for the
run's student list, directory export ("-" for none) and folder for what it wrote.
"""

import collections
import os
import re
import subprocess
import sys
import tempfile

from directory import Binder, account_rows, check_rows, fail, ldb, report
from export_students import write_export
from ldif_import import copy_domain, differences, import_file, snapshot, students_subtree
import school_files


def run_year(run, school, export, out):
    os.makedirs(out, exist_ok=True)
    replaced = {"SCHOOL": school, "EXPORT": export, "OUT": out}
    if subprocess.run([replaced.get(arg, arg) for arg in run]).returncode != 0:
        fail("the run of acctgen.exe for %s failed" % out)
        return False
    return True


def read(folder, name, encoding="cp1252"):
    path = os.path.join(folder, name)
    if not os.path.exists(path):
        fail("the run wrote no " + name)
        return ""
    with open(path, "rb") as f:
        return f.read().decode(encoding)


def accounts():
    """Every account of the domain's student subtree by login: its dn, control and identifier."""
    found = {}
    for dn, values in snapshot().items():
        if "samaccountname" in values:
            found[values["samaccountname"][0]] = {
                "dn": dn, "control": int(values["useraccountcontrol"][0]),
                "sid": values["objectsid"][0]}
    return found


def names(records):
    """(given name, surname) pairs counted; a surname's numbering (Smith2) is dropped."""
    return collections.Counter((r[0], r[1].rstrip("0123456789")) for r in records)


def no_delete_lines(folder):
    for line in read(folder, "step5.bat").split("\r\n"):
        if re.match(r"(?i)net user .*/delete", line):
            fail("%s: step 5 deletes an account: %s" % (folder, line))


def move_into(dn, unit):
    """Moves an entry (dn as the directory writes it) into a unit, as a person could."""
    rdn = re.match(r"((?:[^,\\]|\\.)*),", dn).group(1)
    with tempfile.NamedTemporaryFile("w", suffix=".ldif", delete=False) as f:
        f.write("dn: %s\nchangetype: modrdn\nnewrdn: %s\ndeleteoldrdn: 1\nnewsuperior: %s\n"
                % (dn, rdn, unit))
    moved = ldb("ldbmodify", f.name)
    os.unlink(f.name)
    if moved.returncode != 0:
        fail("moving %s failed: %s" % (dn, moved.stderr.strip()))


def main(out, school_one, school_two, absent_line, namesake, run):
    leavers_unit = "OU=Leavers," + students_subtree()
    this_year = "OU=2026," + leavers_unit
    year_before = "OU=2025," + leavers_unit

    # Year one.
    one, two, three = (os.path.join(out, y) for y in ("one", "two", "three"))
    if not run_year(run, school_one, "-", one):
        return report()
    import_file(os.path.join(one, "addusers.ldf"), "year one")
    check_rows(one)
    rows = {row[5]: row for row in account_rows(one)}
    first = accounts()

    # Year two, one continuing student missing.
    with open(school_two, "rb") as f:
        full_list = f.read()
    absent = absent_line.encode("cp1252") + b"\r\n"
    if absent not in full_list:
        fail("%s holds no line %s" % (school_two, absent_line))
    school_missing = os.path.join(out, "school_missing.txt")
    with open(school_missing, "wb") as f:
        f.write(full_list.replace(absent, b""))
    absent_surname, absent_given = re.match(r"([^@]*)@([^#]*)#", absent_line).groups()
    export_two = os.path.join(out, "exportad_two.csv")
    write_export(export_two)
    if not run_year(run, school_missing, export_two, two):
        return report()
    no_delete_lines(two)
    before = snapshot()
    import_file(os.path.join(two, "addusers.ldf"), "year two")
    after = accounts()

    current = names(school_files.students(school_missing))
    leavers = sorted(login for login, row in rows.items()
                     if not names([(row[1], row[2])]).keys() & current.keys())
    absent_login = next((login for login, row in rows.items()
                         if (row[1], row[2]) == (absent_given, absent_surname)), "")
    if absent_login not in leavers:
        fail("the missing student %s is not among the leavers %s" % (absent_login, leavers))
    binder = Binder()
    for login, account in sorted(after.items()):
        disabled = account["control"] & 2 != 0
        in_leavers = account["dn"].lower().endswith(this_year.lower())
        if login in leavers:
            if not (disabled and in_leavers):
                fail("the leaver %s is not disabled in %s: %s" % (login, this_year, account))
            if account["sid"] != first[login]["sid"]:
                fail("the leaver %s has another identifier" % login)
            if binder.binds(login, rows[login][6]):
                fail("the leaver %s still binds" % login)
        elif disabled or in_leavers:
            fail("%s is not a leaver but is disabled or in Leavers: %s" % (login, account))
    binder.close()
    report_two = read(two, "deleted.txt")
    for login in leavers:
        line = ("%s: disabled and moved to the Leavers unit of 2026, can come back until the first "
                "run in 2027 deletes it; home folder %s" % (login, rows[login][8]))
        if line not in report_two.split("\r\n"):
            fail("deleted.txt does not say: " + line)
    print("year two: %d leavers disabled and moved" % len(leavers), file=sys.stderr)

    # Year two taken back, in a copy of the domain.
    with tempfile.TemporaryDirectory() as folder:
        database = copy_domain(folder)
        import_file(os.path.join(two, "undo.ldf"), "undo", database)
        undone = snapshot(database)
    made = {leavers_unit, this_year}
    left = differences(before, undone)
    if left != ["new: " + dn for dn in sorted(made)]:
        fail("the undone directory differs from the one before the import, beside the units "
             "%s: %s" % (sorted(made), left[:10]))

    # Year three: last year's leavers a year older, and a namesake leaver with them.
    add_unit = tempfile.NamedTemporaryFile("w", suffix=".ldif", delete=False)
    add_unit.write("dn: %s\nchangetype: add\nobjectClass: organizationalUnit\n" % year_before)
    add_unit.close()
    if ldb("ldbmodify", add_unit.name).returncode != 0:
        fail("making " + year_before + " failed")
    os.unlink(add_unit.name)
    for login in leavers:
        move_into(after[login]["dn"], year_before)
    if namesake in leavers or namesake not in after:
        fail("%s is no account of a current student's namesake" % namesake)
        return report()
    move_into(after[namesake]["dn"], year_before)
    export_three = os.path.join(out, "exportad_three.csv")
    write_export(export_three)
    if not run_year(run, school_two, export_three, three):
        return report()
    no_delete_lines(three)
    import_file(os.path.join(three, "addusers.ldf"), "year three")
    last = accounts()
    deleted = [login for login in leavers + [namesake] if login != absent_login]
    for login in deleted:
        if login in last:
            fail("the leaver %s of the year before was not deleted" % login)
    report_three = read(three, "deleted.txt").split("\r\n")
    for login in deleted:
        if not any(line.startswith(login + ": deleted, in the Leavers unit of 2025")
                   for line in report_three):
            fail("deleted.txt does not say %s was deleted" % login)
    back = last.get(absent_login)
    if back is None or back["dn"] != first[absent_login]["dn"] or back["control"] & 2 or \
            back["sid"] != first[absent_login]["sid"]:
        fail("%s is not back, enabled, as %s with year one's identifier: %s"
             % (absent_login, first[absent_login]["dn"], back))
    binder = Binder()
    if not binder.binds(absent_login, rows[absent_login][6]):
        fail("%s does not bind with year one's password" % absent_login)
    binder.close()
    log = read(three, "errorlog.txt")
    if "In KORU, %s %s is back at school" % (absent_surname, absent_given) not in log:
        fail("errorlog.txt does not name %s %s as back" % (absent_surname, absent_given))
    print("year three: %d deleted, %s back" % (len(deleted), absent_login), file=sys.stderr)
    return report()


if __name__ == "__main__":
    split = sys.argv.index("--")
    sys.exit(main(*sys.argv[1:split], sys.argv[split + 1:]))
