On Error Resume Next
 
'Bind
 
Set dom = GetObject("LDAP://DC=hillcrest,DC=school,DC=example")
 
'Make School OU
Set schoolOrg = dom.Create("organizationalUnit", "OU=School")
schoolOrg.SetInfo
 
'Make Students OU
Set studentsOrg = schoolOrg.Create("organizationalUnit", "OU=Students")
studentsOrg.SetInfo
 
'Make calendar year OU's 
Set yrgp2026 = studentsOrg.Create("organizationalUnit", "OU=2026")
yrgp2026.Description = "Students final year 2026"
yrgp2026.SetInfo
 
Set yrgp2031 = studentsOrg.Create("organizationalUnit", "OU=2031")
yrgp2031.Description = "Students final year 2031"
yrgp2031.SetInfo
 
Set yrgp2030 = studentsOrg.Create("organizationalUnit", "OU=2030")
yrgp2030.Description = "Students final year 2030"
yrgp2030.SetInfo
 
Set yrgp2029 = studentsOrg.Create("organizationalUnit", "OU=2029")
yrgp2029.Description = "Students final year 2029"
yrgp2029.SetInfo
 
Set yrgp2028 = studentsOrg.Create("organizationalUnit", "OU=2028")
yrgp2028.Description = "Students final year 2028"
yrgp2028.SetInfo
 
Set yrgp2027 = studentsOrg.Create("organizationalUnit", "OU=2027")
yrgp2027.Description = "Students final year 2027"
yrgp2027.SetInfo
 
