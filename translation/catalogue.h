// The translation catalogue: loads the texts of one language from the language file into
// the application's key table, and keeps the file's language names.
//
//   bool TranslationInit(TranslationKey* keys, int32_t count, const char* programVersion,
//                        char* languageName, LanguageChooser& chooser);       // Windows only
//   bool TranslationLoad(const char* path, TranslationKey* keys, int32_t count,
//                        const char* programVersion, char* languageName,
//                        LanguageChooser& chooser, uint32_t* error);
//   bool TranslationLoadText(const char* text, TranslationKey* keys, int32_t count,
//                            const char* programVersion, char* languageName,
//                            LanguageChooser& chooser, uint32_t* error);
//   void TranslationFree();
//   const GrowArray& TranslationLanguageNames();
//   const std::string& TranslationLanguagePrompt();
//   std::string LanguageFilePath(const std::string& programPath);
//
// languageName is a caller-owned buffer of kLanguageNameSize bytes: on entry the name saved
// from the last run (may be empty), on success the chosen language's name cut to 31
// characters. The saved name selects the first language name equal to it without regard to
// case (letters of code page 1252); when none is, the chooser is asked. On failure the
// catalogue is empty again and the error is one of the codes below.
//
// The language file: blocks of CR LF lines separated by one empty line. Block 1 holds the
// program version on its first line (the rest is comment), block 2 one language name per
// line, and each further block a key followed by its text in every language, in the order
// of the names. A backslash escapes the next character: \n \t \b \r \\; any other gives "?".
// The blocks of keys that earlier versions used (kRetiredKeys) are skipped.
#pragma once

#include <cstdint>
#include <string>

#include "base/grow_array.h"
#include "base/translation_keys.h"
#include "translation/language_chooser.h"
#include "translation/load_problem.h"

constexpr int32_t kLanguageNameSize = 32;

#ifdef _WIN32
// The program's load: the language file is the program's own path with its extension
// replaced by ".t9n". Leaves the error code as the thread's last error.
bool TranslationInit(TranslationKey* keys, int32_t count, const char* programVersion,
                     char* languageName, LanguageChooser& chooser);
#endif

// Loads the language file at path.
bool TranslationLoad(const char* path, TranslationKey* keys, int32_t count,
                     const char* programVersion, char* languageName, LanguageChooser& chooser,
                     uint32_t* error);

// Loads from the NUL-terminated text of a language file; the text ends at its first NUL.
bool TranslationLoadText(const char* text, TranslationKey* keys, int32_t count,
                         const char* programVersion, char* languageName, LanguageChooser& chooser,
                         uint32_t* error);

// What the last failed load found (code 0 after a successful one), for the message that
// explains it.
const LoadProblem& TranslationLoadProblem();

// Frees every loaded text and language name and stops using the table. Harmless when
// nothing is loaded.
void TranslationFree();

// The language names of the loaded file (char* each, file order); empty when nothing is
// loaded.
const GrowArray& TranslationLanguageNames();

// The language dialog's prompt from the loaded file: the text of "LANGUAGE Prompt" in each
// of its languages, each once, joined by " / " on one line; empty when nothing is loaded.
const std::string& TranslationLanguagePrompt();

// The language file of a program: its path with the extension of the file name replaced by
// ".t9n", or ".t9n" appended when the file name has none. Both / and \ end a directory.
std::string LanguageFilePath(const std::string& programPath);
