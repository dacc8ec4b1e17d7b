// The folder that holds the running program: its working directory and the home of the skin files.
#pragma once
#include "text/Text.h"

// The program's full path cut before its last backslash, in the ANSI code page: "C:\a\b.exe" gives
// "C:\a", a program in the root of a drive gives the drive alone ("C:").
Text ProgramDirectory();

// The path cut before its last backslash; a backslash that is the second byte of a double-byte character
// of the ANSI code page is no separator. A path without a backslash gives the empty text.
Text DirectoryOfPath(const Text& path);

// The directory, one backslash and the name.
Text PathInDirectory(const Text& directory, const Text& name);
