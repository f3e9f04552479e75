    Dim oXL
    Dim u
    Dim c
    Dim root
    Dim ou
    Dim TextXL
    Dim CRLF
    dim oArgs

    
    ' The workbook to read comes from the command line.
    set oArgs=wscript.arguments

    CRLF = Chr(13) & Chr(10)
  
    ' Started without arguments, the script asks for the workbook of users.
    If oArgs.Count = 0 Then
       TextXL = InputBox("This script reads users from an Excel spreadsheet and adds them to the directory through ADSI." & _
       CRLF & CRLF & "Before you go on, change the DS root in cell A2 of the spreadsheet to match your directory." & _
       CRLF & CRLF & "Then type the full path of the spreadsheet of users to add or delete." & _
       CRLF & CRLF & "For example: c:\addusers.xls" & _
       CRLF & CRLF & "Sample spreadsheets: ADDUSERS.XLS (users to add)" & _
       CRLF & CRLF & "and DELUSERS.XLS (users to delete)." & _
       CRLF & CRLF & "Leave the box empty to stop." & CRLF)
    ' Otherwise the workbook is the first argument.
    Else
      TextXL = oArgs.item(0)
    End If

    If TextXL = "" Then
       WScript.Echo "No input file provided. Stopping the script now."
       WScript.Quit(1)
    End If

    ' ou holds the container of the previous row; it starts empty.
    ou = ""
   
    ' Start Excel and let the administrator watch it work.
    Set oXL = WScript.CreateObject("EXCEL.application")
    oXL.Visible = True

    ' Open the workbook named on the command line.
    oXL.workbooks.open TextXL

    ' Activate the addusers sheet. 
    oXL.sheets("addusers").Activate

    ' Go to the starting cell, which holds the DS root.
    oXL.ActiveSheet.range("A2").Activate ' this cell has the DS root in it

    ' To show the DS root before starting, remove the apostrophe below.
    ' WScript.Echo oXL.activecell.Value
  
    ' The DS root is the starting point in the directory.
    root = oXL.activecell.Value

    ' Step down to the first user row.
    oXL.activecell.offset(1, 0).Activate

    ' Work down the rows until column A is empty.
    Do While oXL.activecell.Value <> ""
      
        ' Is this row's OU a new one?
        If oXL.activecell.Value <> ou Then
            ' Pick up the OU of this row.
            ou = oXL.activecell.Value

            ' Compose the ADSI path of the container.
            s = "LDAP://" + ou+"," + root

            ' Show the path being worked on.
      WScript.Echo s

            ' Bind to the container.
            Set c = GetObject(s)
        End If

        ' The common name is the first name, a space and the last name.
        uname = "CN=" + oXL.activecell.offset(0, 1).Value + " " + oXL.activecell.offset(0, 2).Value

        ' Create the new user object.
        Set u = c.Create("user", uname)

        ' Set the properties of the new user from the row.
        u.Put "givenName", oXL.activecell.offset(0, 1).Value 'Given Name
        u.Put "sn", oXL.activecell.offset(0, 2).Value 'Family Name
        u.Put "displayName", oXL.activecell.offset(0,3).Value  'Display Name
        u.Put "description", oXL.activecell.offset(0,4).Value  'Description
        u.Put "sAMAccountName", oXL.activecell.offset(0, 5).Value  'Sam Acct
        u.Put "userPrincipalName", oXL.activecell.offset(0, 5).Value  'Principal User name
        'u.Put "mail", oXL.activecell.offset(0, 8).Value  'E-mail
        u.Put "homeDrive", oXL.activecell.offset(0, 7).Value  'Home Drive
        u.Put "homeDirectory", oXL.activecell.offset(0, 8).Value  'Home Directory
        u.Put "scriptPath", oXL.activecell.offset(0, 9).Value  'Logon script
        u.Put "ProfilePath",oXL.activecell.offset(0, 10).Value  'Profile Path
  
  

        ' Write the new user to the directory.
        u.SetInfo

  pword= oXL.activecell.offset(0, 6).Value

  u.SetPassword pword
  u.AccountDisabled = False
  u.Put "userAccountControl", "66048"
  u.SetInfo 


        ' Done with this user; let the object go.
        Set u = Nothing

        ' Step to the next user.
        oXL.activecell.offset(1, 0).Activate   'Next row
    Loop


    ' All users are done: close the spreadsheet.
    oXL.application.quit
