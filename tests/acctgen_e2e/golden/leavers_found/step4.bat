If Not Exist C:\Accounts\*.* md c:\Accounts
Copy c:\addusers.xls c:\Accounts\accounts<yyyy-mm-dd-ss>.xls
cscript a:\addusers.vbs c:\addusers.xls
