"""A teacher's login and two namesakes through the running test domain (inside samba_domain's
namespace).

Year one's run goes in; the test adds a teacher, John Smith (john.smith, description Teacher),
and exports every user account as the wizard's step 1 asks. Year two's school.txt has a new
student John Smith, and a newcomer Grace Kim who stands before the current Grace Kim:
- the student John Smith gets the next number and the error log says why; the teacher's account
  is exactly as it was after the import and still binds, and no line of step 5 or 6 names it;
- the current Grace Kim keeps her account, which still binds with year one's password, in her
  unit; the newcomer gets a new account in her own unit;
- the one leaver is the only account step 5 deletes.
  python3 check_staff_namesakes.py YEAR_ONE_FOLDER YEAR_TWO_FOLDER -- RUN...
RUN (the year-two run's command, with "EXPORT" for the export's path) runs after the export.
"""

import base64
import os
import re
import subprocess
import sys

from directory import (BASE, REALM, Binder, account_rows, fail, import_run, ldb, report, search,
                       students)
from export_students import write_export
import school_files

TEACHER = "john.smith"
TEACHER_PASSWORD = "Teacher-Pass-2026"


def add_teacher(folder):
    password = base64.b64encode(('"%s"' % TEACHER_PASSWORD).encode("utf-16-le")).decode()
    path = os.path.join(folder, "teacher.ldif")
    with open(path, "w") as f:
        f.write("dn: CN=John Smith,CN=Users,%s\nobjectClass: user\nsAMAccountName: %s\n"
                "givenName: John\nsn: Smith\ndescription: Teacher\nuserPrincipalName: %s@%s\n"
                "unicodePwd:: %s\nuserAccountControl: 512\n"
                % (BASE, TEACHER, TEACHER, REALM, password))
    added = ldb("ldbadd", path)
    if added.returncode != 0:
        fail("adding the teacher failed: " + added.stderr + added.stdout)


def teacher():
    found = search("(sAMAccountName=%s)" % TEACHER, "*", "uSNChanged", "whenChanged")
    return found[0] if found else None


def binds(login, password):
    binder = Binder()
    try:
        return binder.binds(login, password)
    finally:
        binder.close()


def read(folder, name):
    path = os.path.join(folder, name)
    if not os.path.exists(path):
        return ""
    with open(path, "rb") as f:
        return f.read().decode("cp1252")


def unit_of(dn):
    return re.search("OU=([^,]*)", dn).group(1)


def main(year_one, year_two, run):
    first_rows = {row[5]: row for row in account_rows(year_one)}
    import_run(year_one, "year one")
    add_teacher(year_two)
    before = teacher()
    grace = next(s for s in students() if s["samaccountname"][0] == "grace.kim")
    grace_unit = int(unit_of(grace["dn"][0]))

    export = os.path.join(year_two, "exportad.csv")
    print("exported %d accounts" % write_export(export), file=sys.stderr)
    if TEACHER not in [a["login"] for a in school_files.accounts(export, students=False)]:
        fail("the export does not list the teacher")
    if subprocess.run([export if arg == "EXPORT" else arg for arg in run]).returncode != 0:
        fail("the year-two run of acctgen.exe failed")
        return report()

    rows = {row[5]: row for row in account_rows(year_two)}
    log = read(year_two, "errorlog.txt")
    # The student John Smith is numbered past the teacher's login, and the log says so.
    if "john.smith2" not in rows or TEACHER in rows:
        fail("John Smith's row is not john.smith2: %s" % sorted(rows))
    expected_line = ("In KORU, Smith John gets the login john.smith2: john.smith is an account "
                     "that is not a student's.")
    if expected_line not in log.split("\r\n"):
        fail("errorlog.txt lacks %r: %r" % (expected_line, log))
    named = re.compile(r"(?<![\w.'-])%s(?![\w.'-])" % re.escape(TEACHER))
    for name in ("step5.bat", "step6.bat", "deleted.txt"):
        for line in read(year_two, name).split("\r\n"):
            if named.search(line):
                fail("%s names the teacher: %s" % (name, line))
    deleted = school_files.delete_logins(os.path.join(year_two, "step5.bat"))
    if deleted != ["bo.lee"]:
        fail("step 5 deletes %s, not the one leaver bo.lee" % deleted)

    # The current Grace Kim keeps her account; the newcomer gets a new one in her own unit.
    graces = [row for row in rows.values()
              if row[1] == "Grace" and row[2].rstrip("0123456789") == "Kim"]
    if "grace.kim" in rows or len(graces) != 1:
        fail("the Grace Kim rows are %s" % [row[5] for row in graces])
    elif not graces[0][0].startswith("OU=%d," % (grace_unit + 1)):
        fail("the newcomer Grace Kim's row is in %s, not in her unit %d"
             % (graces[0][0], grace_unit + 1))
    if "grace.kim" in log:
        fail("errorlog.txt names grace.kim: %r" % log)

    by_login = {s["samaccountname"][0]: s["dn"][0] for s in students()}
    for login in deleted:
        gone = ldb("ldbdel", by_login.get(login, login))
        if gone.returncode != 0:
            fail("deleting %s failed: %s" % (login, gone.stderr.strip()))
    import_run(year_two, "year two")

    after = teacher() or {}
    changed = sorted(name for name in set(before or {}) | set(after)
                     if (before or {}).get(name) != after.get(name))
    if not before or changed:
        fail("the teacher's account changed: %s" % (changed or "it was never added"))
    if not binds(TEACHER, TEACHER_PASSWORD):
        fail("the teacher's password no longer binds")
    now = {s["samaccountname"][0]: s for s in students()}
    if "grace.kim" not in now or unit_of(now["grace.kim"]["dn"][0]) != str(grace_unit):
        fail("the current Grace Kim's account is not in her unit %d" % grace_unit)
    elif not binds("grace.kim", first_rows["grace.kim"][6]):
        fail("the current Grace Kim's year-one password no longer binds")
    return report()


if __name__ == "__main__":
    split = sys.argv.index("--")
    sys.exit(main(*sys.argv[1:split], sys.argv[split + 1:]))
