#pragma once
// Forms filled in as a school would, for the tests, benchmarks and fuzzers of the generator.

#include "acctgen/logic/form/options.h"

namespace acctgen::testing {

// The form's own example values: server drive D, share s_home, home drive H, common password.
inline Options ExampleForm() {
  Options form;
  form.domain_dns_name = "lakeside.school.nz";
  form.server_name = "SERVER1";
  form.home_share = "s_home";
  form.logon_script = "Students.bat";
  form.home_drive_letter = "H";
  form.common_password = "LANTERNS";
  form.server_drive_letter = "D";
  form.profile_path = "\\\\SERVER1\\profiles";
  form.netbios_domain = "LAKESIDE";
  form.unique_passwords = false;
  form.sets_profile_path = false;
  return form;
}

// A school with its own file server, unique passwords and a profile path.
inline Options FileServerForm() {
  Options form;
  form.domain_dns_name = "lakeside.school.nz";
  form.server_name = "fileserver";
  form.home_share = "s_home";
  form.logon_script = "Students.bat";
  form.home_drive_letter = "H";
  form.server_drive_letter = "D";
  form.profile_path = "\\\\fileserver\\profiles";
  form.netbios_domain = "LAKESIDE";
  return form;
}

}  // namespace acctgen::testing
