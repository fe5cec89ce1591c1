// The process: opens the settings, loads the language, runs the main dialog with its splash
// in the one message loop, and tears everything down in order.
// A normal run ends with exit code 0, a start that fails with kFailedStart.
#include <windows.h>

#include <commctrl.h>

#include "app/about_dialog.h"
#include "app/application.h"
#include "app/event_loop.h"
#include "app/language_change.h"
#include "app/main_dialog.h"
#include "app/settings.h"
#include "support/scoped_guards.h"
#include "translation/catalogue.h"

namespace {

constexpr int kFailedStart = 1;

// Creates the two windows, runs the loop and returns its result, kFailedStart when the main
// window cannot be created.
int RunMainWindow(LPSTR /*commandLine*/, int showCommand) {
    EventLoop loop;
    Application::RegisterLoop(&loop);
    int result = kFailedStart;
    {
        // Declared in this order so that the main dialog's object goes first, then the
        // splash's, once the loop is unregistered.
        AboutDialog splash;
        MainDialog mainDialog;
        if (HWND main = mainDialog.Create(Application::Instance())) {
            HWND about = splash.ShowSplash(main);
            ShowWindow(main, showCommand);
            // Not activated: the input keeps the focus, so nothing typed meanwhile is lost.
            ShowWindow(about, SW_SHOWNOACTIVATE);
            result = loop.Run();
        }
        Application::UnregisterLoop();
    }
    return result;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previousInstance*/, LPSTR commandLine,
                   int showCommand) {
    // Declared in this order so that COM ends before the settings are closed.
    Settings settings;
    const ComInitialization com;
    InitCommonControls();

    // Empty when there is no saved language: the catalogue then asks for one.
    char language[kLanguageNameSize] = {};
    settings.Text(SettingId::Language).copy(language, kLanguageNameSize - 1);

    if (!LoadLanguage(nullptr, language)) {
        ReportLoadFailure(GetLastError());
        return kFailedStart;
    }
    settings.SetText(SettingId::Language, language);

    Application::Initialize(instance);
    int result = RunMainWindow(commandLine, showCommand);
    Application::Terminate();
    TranslationFree();
    return result;
}
