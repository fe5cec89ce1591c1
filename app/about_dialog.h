// The About dialog: the program's icon, name, version, a notice and the home-page link.
// Shown modal on request and for two seconds as a splash at every start.
#pragma once

#include <windows.h>

#include "app/resource.h"
#include "app/web_link.h"
#include "base/translation_keys.h"
#include "support/dialog_window.h"
#include "translation/translate_window.h"

// The texts the About dialog takes from the language, its caption first.
inline constexpr DialogTextItem kAboutDialogTexts[] = {
    {kDialogCaption, TextId::MainAbout},
    {IDC_VISIT, TextId::AboutVisit},
    {IDC_LINK, TextId::AboutHomepage},
    {IDC_DESCRIPTION, TextId::AboutDescription},
};

class AboutDialog final : public DialogWindow {
  public:
    AboutDialog() = default; // modal

    // Runs the dialog modally and returns when it is closed.
    void ShowModal(HWND owner);
    // Creates the dialog modeless, owned by owner, with its 2000 ms closing timer; the
    // caller shows the returned window.
    HWND ShowSplash(HWND owner);

  private:
    static const MessageEntry<AboutDialog> kMessages[];
    bool HandleMessage(const WindowMessage& message, LRESULT* result) override;

    bool OnInitDialog(const WindowMessage& message, LRESULT* result);
    bool OnTimer(const WindowMessage& message, LRESULT* result);
    bool OnOk(const WindowMessage& message, LRESULT* result);
    bool OnCancel(const WindowMessage& message, LRESULT* result);

    // Ends the modal dialog with id as its result, or destroys the splash.
    void Close(int id);

    WebLink link_;
    bool modal_ = true;
};
