// The program-wide objects that live from start to exit, and the two
// message boxes every part of the program reports through.
#pragma once

#include <string>

#include "header/pic2_header.h"
#include "platform/os/windows_types.h"
#include "platform/text/sj.h"

// The header of the open file, as read; changed field by field on writing.
extern Pic2Header Header;
// The file's last-write time in local time, or the date last stored.
extern SYSTEMTIME FileStamp;

// "Error!", information icon, OK.
void ErrorBox(const std::string& text);
// Question icon, Yes and No with No the default; true only on Yes.
bool ConfirmBox(const std::string& text, const std::string& caption);
