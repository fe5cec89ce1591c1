// The calculator window: a modeless dialog with the history, the input box, the two
// calculation options, the Insert menu and the history's menu. The check states of its
// controls are the options and the history box's text is the history; the object holds the
// window, its menus and icons, the settings, the kept history and the calculation session.
// main_dialog.cpp has its commands, main_dialog_input.cpp its own keys and clicks.
#pragma once

#include <windows.h>

#include <string>

#include "app/event_loop.h"
#include "app/history_menu.h"
#include "app/insert_menu.h"
#include "app/kept_history.h"
#include "app/program_icons.h"
#include "app/resource.h"
#include "app/settings.h"
#include "base/translation_keys.h"
#include "engine/calculation_session.h"
#include "support/dialog_window.h"
#include "translation/translate_window.h"

// The texts the main dialog takes from the language; its caption stays "Abacon".
inline constexpr DialogTextItem kMainDialogTexts[] = {
    {IDC_INSERT, TextId::MainInsert},   {IDC_FLOATING, TextId::MainFloating},
    {IDOK, TextId::MainCalculate},      {IDC_ANGLE_BASE, TextId::MainAngleBase},
    {IDC_RADIANS, TextId::MainRadians}, {IDC_DEGREES, TextId::MainDegrees},
    {IDC_QUIT, TextId::MainQuit},       {IDC_ABOUT, TextId::MainAbout},
};

class MainDialog final : public DialogWindow, public MessageFilter {
  public:
    MainDialog() = default;
    // Destroys the window if it still exists, then the menus and icons.
    ~MainDialog() override;

    // Creates the hidden dialog without owner; null when it cannot be created.
    HWND Create(HINSTANCE instance);

    // The dialog's keyboard interface: Tab, Enter for Calculate, arrows, Alt with a mnemonic,
    // a typed character into the input from any control, the main window's own keys (recall,
    // Esc, Ctrl+A) and double-click on the history.
    bool PreDispatch(MSG* msg) override;

  private:
    static const MessageEntry<MainDialog> kMessages[];
    bool HandleMessage(const WindowMessage& message, LRESULT* result) override;

    bool OnInitDialog(const WindowMessage& message, LRESULT* result);
    bool OnAbout(const WindowMessage& message, LRESULT* result);
    bool OnInsert(const WindowMessage& message, LRESULT* result);
    bool OnCalculate(const WindowMessage& message, LRESULT* result);
    bool OnQuit(const WindowMessage& message, LRESULT* result);
    bool OnWindowMenuOption(const WindowMessage& message, LRESULT* result);
    bool OnRestoreHistory(const WindowMessage& message, LRESULT* result);
    bool OnOptionClicked(const WindowMessage& message, LRESULT* result);
    bool OnLanguage(const WindowMessage& message, LRESULT* result);

    bool InterceptInput(MSG* msg);
    void OnEscape();
    bool OnRecallOlder();
    bool OnRecallNewer();
    bool OnCopyInInput(HWND input);
    void OnHistoryMenu(const MSG& msg);
    void OnClearHistory();
    void InsertResultAt(size_t index);

    void Translate();
    void FocusInput();
    void ReadOptions();
    void ApplyOption(SettingId id, bool on);
    // The decimal mark of what is typed and shown now: the setting's, or the regional one.
    bool DecimalComma() const;
    void ShowEarlier();
    void NoteHistory();

    HINSTANCE instance_ = nullptr;
    InsertPopup insertMenu_;
    ProgramIcons icons_;
    HistoryMenu historyMenu_;
    Settings settings_;
    KeptHistory kept_;
    KeptHistory::Failure noted_ = KeptHistory::Failure::None; // said by the last note
    CalculationSession session_;
};
