// The process environment: command-line arguments as code page 932 bytes,
// and the full path of the running executable in the system's form (names.h),
// so that any folder name works. The entry point records the arguments; the
// driver may override both, as a different start would.
#pragma once

#include <string>
#include <vector>

// Argument n (1 is the first after the program name); empty when absent.
std::string ParamStr(int n);
int ParamCount();
void SetCommandLine(const std::vector<std::string>& cp932Args);
// Converts real UTF-8 arguments; a byte sequence that is not representable
// is passed on byte for byte, so the name simply fails to open later.
void SetCommandLineFromMain(int argc, char** argv);

// The resolved path of the running executable (/proc/self/exe) unless
// overridden.
std::string ExecutablePath();
void SetExecutablePath(const std::string& systemPath);
