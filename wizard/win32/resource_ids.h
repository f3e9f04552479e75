#pragma once
// Resource numbers of wizard.exe, shared by wizard.rc and the window.

#define IDI_WIZARD 1
#define IDB_BACKGROUND 2
