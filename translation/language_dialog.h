// The dialog that asks which language of the language file to use. Nothing is translated
// yet when it is shown, so it carries no translated text.
#pragma once

#include <windows.h>

#include <cstdint>

#include "base/grow_array.h"
#include "support/dialog_window.h"
#include "translation/language_chooser.h"

// Control ids of the dialog.
constexpr int kLanguageListId = 1013;

// The dialog: a sorted list of the names with "English" preselected, and OK.
class LanguageDialog final : public DialogWindow {
  public:
    // names: char* each, in file order; *index receives the confirmed name's file index.
    LanguageDialog(const GrowArray& names, int32_t* index) : names_(names), index_(index) {}

    // Runs modally over owner (may be none); true when a name was confirmed.
    bool Run(HWND owner);

  private:
    static const MessageEntry<LanguageDialog> kMessages[];
    bool HandleMessage(const WindowMessage& message, LRESULT* result) override;

    bool OnInitDialog(const WindowMessage& message, LRESULT* result);
    bool OnOk(const WindowMessage& message, LRESULT* result);

    const GrowArray& names_;
    int32_t* index_;
};

// Runs the dialog modally over owner (may be none). names: char* each, in file order. On
// true *index holds the file index of the confirmed name; false when the dialog could not
// be shown (or there is no name to choose).
bool ChooseLanguage(int32_t* index, const GrowArray& names, HWND owner);

// The program's language chooser: the dialog above, owned by one window.
class DialogLanguageChooser final : public LanguageChooser {
  public:
    explicit DialogLanguageChooser(HWND owner) : owner_(owner) {}

    bool Choose(const GrowArray& names, int32_t* index) override;

  private:
    HWND owner_;
};
