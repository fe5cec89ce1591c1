#include "app/language_change.h"

#include <cstring>
#include <string>

#include "base/translation_keys.h"
#include "support/message_box.h"
#include "support/version.h"
#include "translation/catalogue.h"
#include "translation/language_dialog.h"

bool LoadLanguage(HWND owner, char* languageName) {
    DialogLanguageChooser chooser(owner);
    return TranslationInit(ApplicationKeys(), kTranslationKeyCount, kProgramVersion, languageName,
                           chooser);
}

void ReportLoadFailure(DWORD code) {
    // The catalogue's own codes are explained by what the load found; the system knows
    // nothing of them.
    const std::string problem = LoadProblemText(TranslationLoadProblem());
    ShowError("Cannot initialize translation module.", code,
              problem.empty() ? nullptr : problem.c_str(), MB_SETFOREGROUND);
}

bool ChangeLanguage(HWND owner, char* languageName) {
    const GrowArray& names = TranslationLanguageNames();
    int32_t index = -1;
    if (!ChooseLanguage(&index, names, owner, languageName)) {
        return false;
    }
    // The names go with the catalogue that is loaded again.
    char chosen[kLanguageNameSize] = {};
    std::strncpy(chosen, LanguageNameAt(names, index), kLanguageNameSize - 1);
    if (std::strcmp(chosen, languageName) == 0) {
        return false;
    }
    if (!LoadLanguage(owner, chosen)) {
        ReportLoadFailure(GetLastError());
        LoadLanguage(owner, languageName);
        return false;
    }
    std::strcpy(languageName, chosen);
    return true;
}
