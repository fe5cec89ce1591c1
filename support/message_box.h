// Message boxes that report conditions stopping the program, captioned with the program's
// name and centred over their owner (the active window) or in the work area.
#pragma once

#include <windows.h>

#include <cstddef>

// Shows text with the message-box flags type; returns the box's result.
int ShowMessage(const char* text, UINT type);

// Shows text followed by "(0x<code>): " and the description, or the system's description of
// the code when description is null.
void ShowError(const char* text, DWORD code, const char* description, UINT type);

// The running program's file name without directory and extension, cut to max - 1
// characters.
void ProgramBaseName(char* buffer, size_t max);

// The file name of path without directory and extension (only a dot within the file name
// starts an extension), cut to max - 1 characters.
void PathBaseName(const char* path, char* buffer, size_t max);
