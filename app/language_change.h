// The language of the running program: the error box of a language file that cannot be
// loaded, at start and later, and the change from the window menu, which asks with the
// language dialog and loads the catalogue again.
#pragma once

#include <windows.h>

// Loads the catalogue in the language named languageName (kLanguageNameSize bytes), or, when
// it is empty, in the one the user chooses over owner, whose name it then holds.
bool LoadLanguage(HWND owner, char* languageName);

// The start-up error box: the catalogue's code and what is wrong with the file.
void ReportLoadFailure(DWORD code);

// Asks over owner for a language, the one named languageName (kLanguageNameSize bytes)
// preselected, and loads it; true with its name in languageName when another was loaded.
// A file that no longer loads is reported, and the language in use is loaded again.
bool ChangeLanguage(HWND owner, char* languageName);
