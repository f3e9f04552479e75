"""The school's files as the directory tests read them: the student list school.txt, the
directory export exportad.csv, and the delete commands of a run's step5.bat. Plain files: no
directory is needed, so the leavers check runs anywhere.
  python3 school_files.py SCHOOL_TXT EXPORTAD_CSV STEP5_BAT
checks that the delete commands name no student of school.txt, naming each one they would delete.
"""

import collections
import csv
import io
import re
import sys


def students(path):
    """Every student record of a school.txt as (given name, surname, year, class), trimmed; a
    record with a data error (a missing field) keeps its empty field."""
    with open(path, "rb") as f:
        lines = f.read().decode("cp1252").split("\r\n")
    found = []
    for line in lines:
        parts = re.split("[@#%]", line)
        if len(parts) == 4:
            surname, given, year, group = (part.strip() for part in parts)
            found.append((given, surname, year, group))
    return found


def accounts(path, students=True):
    """The students' accounts of a directory export (those whose description is Student, or every
    one of an export without descriptions), or with students=False the others: dicts with login,
    given, sn and year (the first OU), the columns taken by the names of its header line."""
    with open(path, "rb") as f:
        rows = list(csv.reader(io.StringIO(f.read().decode("cp1252"), newline="")))
    header = [name.lower() for name in rows[0]]
    found = []
    for row in rows[1:]:
        if not row:
            continue
        named = dict(zip(header, row))
        if (named.get("description", "Student").strip().lower() == "student") != students:
            continue
        unit = re.search("OU=([^,]*)", named["dn"])
        found.append({"login": named["samaccountname"], "given": named["givenname"],
                      "sn": named["sn"], "year": unit.group(1) if unit else ""})
    return found


def delete_logins(step5_path):
    """The accounts that a step5.bat (or its delete lines alone) deletes, in order; a name in
    double quotes is taken whole."""
    with open(step5_path, "rb") as f:
        text = f.read().decode("cp1252")
    return [quoted or plain for quoted, plain in
            re.findall(r'(?im)^NET USER /delete (?:"([^"]*)"|(\S+))', text)]


def current_students_deleted(school_path, export_path, logins):
    """The accounts among logins that belong to a student of school.txt: "Given Surname (login)"."""
    names = collections.Counter((given, sn) for given, sn, _, _ in students(school_path))
    owners = {a["login"]: (a["given"], a["sn"]) for a in accounts(export_path)}
    return ["%s %s (%s)" % (owners[login] + (login,)) for login in logins
            if owners.get(login) in names]


def main(school_path, export_path, step5_path):
    wrong = current_students_deleted(school_path, export_path, delete_logins(step5_path))
    if wrong:
        print("the delete commands would delete %d current students: %s"
              % (len(wrong), ", ".join(wrong)))
        return 1
    print("the delete commands name no current student")
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
