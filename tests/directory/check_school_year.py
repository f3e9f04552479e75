"""A school year through the running test domain (inside samba_domain's namespace).

Year one: the sample school's run made with strong unique passwords goes in under the domain's
default password policy, every row an account whose password binds. The directory is exported
as the wizard's step 1 asks, and the real acctgen.exe runs year two on it with leavers deleted:
its rows are exactly the newcomers (the one who shares the name of a student in an unticked year
gets a new account: the existing one sits in the other's leaving-year unit), its delete commands
and deleted.txt name exactly the leavers. The test
deletes those, imports the new accounts, and then every student of year two holds exactly one
account and no leaver holds one.
  python3 check_school_year.py YEAR_ONE_FOLDER YEAR_TWO_FOLDER SCHOOL_TXT NAME_SHARER -- RUN...
RUN (the year-two run's command, with "EXPORT" for the export's path) runs after the export.
"""

import collections
import os
import subprocess
import sys

from directory import account_rows, fail, import_run, ldb, report, students
from export_students import write_export
import school_files


def names(records):
    """(given name, surname) pairs counted; a surname's numbering (Smith2) is dropped."""
    return collections.Counter((r[0], r[1].rstrip("0123456789")) for r in records)


def has_data_error(student):
    return not all(student) or not student[2].isdigit()


def main(year_one, year_two, school_path, name_sharer, run):
    import_run(year_one, "year one")
    export = os.path.join(year_two, "exportad.csv")
    print("exported %d accounts" % write_export(export), file=sys.stderr)
    existing = school_files.accounts(export)
    if subprocess.run([export if arg == "EXPORT" else arg for arg in run]).returncode != 0:
        fail("the year-two run of acctgen.exe failed")
        return report()

    school = school_files.students(school_path)
    everyone = names(school)
    sharer = tuple(name_sharer.split(" ", 1))
    # A record with a data error, and the year left unticked, keep their accounts but get no row.
    unticked = {"10"}
    wanted = names(s for s in school if not has_data_error(s) and s[2] not in unticked)
    had = names((a["given"], a["sn"]) for a in existing)
    newcomers = wanted - had
    # The current student of that name is in the unticked year: the account stays his.
    newcomers[sharer] += 1
    rows = names((row[1], row[2]) for row in account_rows(year_two))
    if rows != +newcomers:
        fail("the rows are not the newcomers: more %s, fewer %s"
             % (dict(rows - newcomers), dict(newcomers - rows)))
    with open(os.path.join(year_two, "errorlog.txt"), "rb") as f:
        log = f.read().decode("cp1252")
    if any(sharer[0] in line and sharer[1] in line for line in log.split("\r\n")):
        fail("errorlog.txt names %s %s, whose namesake's account is in another unit" % sharer)

    # Namesakes cannot be told apart by name: a leaver who shares a current student's name keeps
    # the account.
    leavers = sorted(a["login"] for a in existing
                     if not names([(a["given"], a["sn"])]).keys() & everyone.keys())
    deleted = school_files.delete_logins(os.path.join(year_two, "step5.bat"))
    wrong = school_files.current_students_deleted(school_path, export, deleted)
    if wrong:
        fail("the delete commands would delete current students: %s" % ", ".join(wrong))
    if sorted(deleted) != leavers:
        fail("the delete commands name %s besides the leavers and leave out %s"
             % (sorted(set(deleted) - set(leavers)), sorted(set(leavers) - set(deleted))))
    with open(os.path.join(year_two, "deleted.txt"), "rb") as f:
        reported = f.read().decode("cp1252")
    missing = [login for login in leavers if login not in reported]
    if missing or len(reported.split()) < len(leavers):
        fail("deleted.txt does not name the leavers %s" % missing)
    print("%d leavers, %d newcomers" % (len(leavers), sum(rows.values())), file=sys.stderr)

    by_login = {s["samaccountname"][0]: s["dn"][0] for s in students()}
    for login in deleted:
        gone = ldb("ldbdel", by_login.get(login, login))
        if gone.returncode != 0:
            fail("deleting %s failed: %s" % (login, gone.stderr.strip()))
    import_run(year_two, "year two")

    now = students()
    held = names((s["givenname"][0], s["sn"][0]) for s in now)
    # A student whose record has always had a data error never had an account.
    expected = names(s for s in school if not has_data_error(s) or (s[0], s[1]) in had)
    # A leaver who shares a current student's name keeps the account (see the leavers above).
    namesakes = +(had - everyone) - names((a["given"], a["sn"]) for a in existing
                                          if a["login"] in leavers)
    print("kept for namesakes: %s" % dict(namesakes), file=sys.stderr)
    expected += namesakes
    if held != +expected:
        fail("accounts not held by exactly the year-two students: extra %s, missing %s"
             % (dict(held - expected), dict(expected - held)))
    still = [s["samaccountname"][0] for s in now if s["samaccountname"][0] in leavers]
    if still:
        fail("leavers still hold accounts: %s" % still)
    return report()


if __name__ == "__main__":
    split = sys.argv.index("--")
    sys.exit(main(*sys.argv[1:split], sys.argv[split + 1:]))
