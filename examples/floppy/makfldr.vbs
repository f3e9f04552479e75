' makfldr.vbs: makes the folder named by its one argument, with every missing parent.
'   cscript a:\makfldr.vbs D:\s_home\2029\tomas.varga
Option Explicit

Dim fso
Set fso = CreateObject("Scripting.FileSystemObject")

If WScript.Arguments.Count <> 1 Then
  WScript.Echo "Usage: cscript makfldr.vbs <folder>"
  WScript.Quit 1
End If

MakeFolder WScript.Arguments(0)

Sub MakeFolder(path)
  Dim parent
  If fso.FolderExists(path) Then Exit Sub
  parent = fso.GetParentFolderName(path)
  If parent <> "" Then MakeFolder parent
  fso.CreateFolder path
End Sub
