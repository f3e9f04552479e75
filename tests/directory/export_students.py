"""Writes the directory's user accounts as the wizard's step 1 asks for them
("csvde -f c:\\exportad.csv -c CN= , -r (&(objectCategory=person)(objectClass=user))
-l sn,givenName,sAMAccountName,description,userAccountControl,homeDirectory"): a header line
naming the columns, then one line per user account (staff and the domain's own accounts too)
with its distinguished name, every "CN=" in it replaced by a comma, and the six attributes,
empty where the account has none; a
value that holds a comma is in double quotes, as csvde writes it; Windows-1252, CR LF.
Runs inside samba_domain's namespace.
  python3 export_students.py EXPORTAD_CSV
"""

import sys

from directory import report, users

# The order of the columns is the export tool's; this is the order the command asks for.
COLUMNS = ["sn", "givenName", "sAMAccountName", "description", "userAccountControl",
           "homeDirectory"]


def field(value):
    return '"%s"' % value if "," in value or '"' in value else value


def write_export(path):
    lines = ["DN," + ",".join(COLUMNS)]
    for entry in users():
        values = [entry["dn"][0].replace("CN=", ",")]
        values += [entry.get(name.lower(), [""])[0] for name in COLUMNS]
        lines.append(",".join(field(value) for value in values))
    with open(path, "wb") as f:
        f.write(("\r\n".join(lines) + "\r\n").encode("cp1252"))
    return len(lines) - 1


if __name__ == "__main__":
    write_export(sys.argv[1])
    sys.exit(report())
