On Error Resume Next
 
'Bind
 
Set dom = GetObject("LDAP://DC=hillcrest,DC=school,DC=example")
 
