"""Imports a Create run's addusers.ldf of abc123 passwords into the running test domain.

Runs inside samba_domain's namespace: under the domain's default password policy the accounts
are refused with the policy's message and none is left behind; with the policy relaxed as the
guide asks, every row of addusers.csv is an enabled account with exactly its row's attributes
in the unit of its row, and every password binds.
  python3 check_import.py RUN_FOLDER
"""

import sys
import time

from directory import add_units, check_rows, fail, ldb, report, run, split_ldif, students, ADMIN, URL


def main(folder):
    units, accounts, count = split_ldif(folder)
    add_units(units)
    refused = ldb("ldbadd", accounts)
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
    added = ldb("ldbadd", accounts)
    print("imported %d accounts in %.1f s" % (count, time.monotonic() - start), file=sys.stderr)
    if added.returncode != 0:
        fail("the relaxed import failed: " + added.stderr + added.stdout)
    accounts_made = check_rows(folder)
    if len(accounts_made) != count:
        fail("%d rows but %d student accounts" % (count, len(accounts_made)))
    return report()


sys.exit(main(sys.argv[1]))
