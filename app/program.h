// The program-wide objects that live from start to exit, and the two
// message boxes every part of the program reports through.
#pragma once

#include <string>

#include "header/pic2_header.h"
#include "platform/os/windows_types.h"

// The header of the open file, as read; changed field by field on writing.
extern Pic2Header Header;
// The file's last-write time in local time, or the date last stored.
extern SYSTEMTIME FileStamp;
// Where the open dialog starts: the default folder, then the folder of the
// last file chosen.
extern std::string LastFolder;
// Set by the Read command; cleared by the loader when nothing is to be shown.
extern bool Proceed;

// "Error!", information icon, OK.
void ErrorBox(const std::string& text);
// Question icon, Yes and No with No the default; true only on Yes.
bool ConfirmBox(const std::string& text, const std::string& caption);

// A text of the program's own, written in UTF-8, as code page 932 bytes.
// Each text is converted on its first use and kept for the run, so a text
// shown again costs neither a conversion nor a copy. For the program's
// literals only (every distinct text stays); one thread.
const std::string& Sj(const char* utf8);
