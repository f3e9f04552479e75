"""Writes the directory's student accounts as the wizard's export command asks for them
("csvde -f c:\\exportad.csv -c CN= , -r description=Student -l sn,givenName,sAMAccountName"):
a header line naming the columns, then one line per entry whose description is Student with its
distinguished name, every "CN=" in it replaced by a comma, and the three attributes; a value that
holds a comma is in double quotes, as csvde writes it; Windows-1252, CR LF.
Runs inside samba_domain's namespace.
  python3 export_students.py EXPORTAD_CSV
"""

import sys

from directory import report, students

# The order of the columns is the export tool's; this is the order of the sample export.
COLUMNS = ["givenName", "sAMAccountName", "sn"]


def field(value):
    return '"%s"' % value if "," in value or '"' in value else value


def write_export(path):
    lines = ["DN," + ",".join(COLUMNS)]
    for entry in students():
        values = [entry["dn"][0].replace("CN=", ",")]
        values += [entry.get(name.lower(), [""])[0] for name in COLUMNS]
        lines.append(",".join(field(value) for value in values))
    with open(path, "wb") as f:
        f.write(("\r\n".join(lines) + "\r\n").encode("cp1252"))
    return len(lines) - 1


if __name__ == "__main__":
    write_export(sys.argv[1])
    sys.exit(report())
