#pragma once
// The default failure path of a program: the error's number and description in a message box,
// every file closed, then the program ends.

#include <windows.h>

#include <string>
#include <string_view>

#include "runtime/files.h"

namespace rt::win32 {

// Closes every open file as the program ends; a file that fails to close changes nothing then.
void CloseEveryFile(Files& files);

[[noreturn]] void ReportFailureAndEnd(HWND owner, std::string_view title, int number,
                                      const std::string& description, Files& files);

}  // namespace rt::win32
