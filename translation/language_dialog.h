// The dialog that asks which language of the language file to use. Nothing is translated
// yet when it is shown at the first start, so its title is the program's name and its
// prompt is in every language of the file at once.
#pragma once

#include <windows.h>

#include <cstdint>

#include "base/grow_array.h"
#include "support/dialog_window.h"
#include "translation/language_chooser.h"

// Control ids of the dialog.
constexpr int kLanguageListId = 1013;
constexpr int kLanguagePromptId = 1014;

// The dialog: the prompt, a sorted list of the names with the current language or else
// "English" preselected, and OK.
class LanguageDialog final : public DialogWindow {
  public:
    // names: char* each, in file order; *index receives the confirmed name's file index.
    // current: the language in use, which Esc and the close box keep; empty at the first
    // start, when a language must be chosen.
    LanguageDialog(const GrowArray& names, int32_t* index, const char* current, const char* prompt)
        : names_(names), index_(index), current_(current), prompt_(prompt) {}

    // Runs modally over owner (may be none); true when a name was confirmed.
    bool Run(HWND owner);

  private:
    static const MessageEntry<LanguageDialog> kMessages[];
    bool HandleMessage(const WindowMessage& message, LRESULT* result) override;

    bool OnInitDialog(const WindowMessage& message, LRESULT* result);
    bool OnOk(const WindowMessage& message, LRESULT* result);
    bool OnCancel(const WindowMessage& message, LRESULT* result);
    // Wide enough for the prompt on one line.
    void FitPrompt();

    const GrowArray& names_;
    int32_t* index_;
    const char* current_;
    const char* prompt_;
};

// Runs the dialog modally over owner (may be none), with the prompt of the loaded language
// file. names: char* each, in file order; current as for LanguageDialog. On true *index holds
// the file index of the confirmed name; false when the dialog could not be shown (or there
// is no name to choose) or the current language was kept.
bool ChooseLanguage(int32_t* index, const GrowArray& names, HWND owner, const char* current = "");

// The program's language chooser: the dialog above, owned by one window.
class DialogLanguageChooser final : public LanguageChooser {
  public:
    explicit DialogLanguageChooser(HWND owner) : owner_(owner) {}

    bool Choose(const GrowArray& names, int32_t* index) override;

  private:
    HWND owner_;
};
