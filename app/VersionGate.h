#pragma once
// The version gate of the start-up: the program refuses systems it was not made for.
#include <string_view>

// The name of the running Windows version, from the functions the loaded kernel32 exports.
std::string_view ProbeWindowsVersion();
