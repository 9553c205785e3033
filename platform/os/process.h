// The process environment: command-line arguments as code page 932 bytes,
// and the full path of the running executable in the system's form (names.h),
// so that any folder name works. The entry point records the arguments; the
// driver may override both, as a different start would.
#pragma once

#include <string>
#include <vector>

// Argument n (1 is the first after the program name) in the window's form;
// empty when absent or refused.
std::string ParamStr(int n);
int ParamCount();
// Whether argument n came from the system as a name the window cannot hold
// exactly (names.h): such an argument is refused, never taken for another.
bool ParamRefused(int n);
// Arguments already in the window's form.
void SetCommandLine(const std::vector<std::string>& cp932Args);
// Arguments as the system gives them, converted as a real command line is.
void SetSystemCommandLine(const std::vector<std::string>& systemArgs);
void SetCommandLineFromMain(int argc, char** argv);

// The resolved path of the running executable (/proc/self/exe) unless
// overridden.
std::string ExecutablePath();
void SetExecutablePath(const std::string& systemPath);
