#include "translation/catalogue.h"

#include <windows.h>

#include "support/executable_path.h"

bool TranslationInit(TranslationKey* keys, int32_t count, const char* programVersion,
                     char* languageName, LanguageChooser& chooser) {
    const std::string program = ExecutablePath();
    uint32_t error = CatalogueError::OpenFailed;
    bool loaded = false;
    if (program.empty()) {
        TranslationFree();
    } else {
        loaded = TranslationLoad(LanguageFilePath(program).c_str(), keys, count, programVersion,
                                 languageName, chooser, &error);
    }
    if (!loaded) {
        SetLastError(error);
    }
    return loaded;
}
