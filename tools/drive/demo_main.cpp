// abacon-demo: shows Abacon at work without a user. Starts the program, answers the language
// dialog with its preselected language, calculates a few expressions, prints the history,
// saves a picture of the window and quits.
//
//   abacon-demo PROGRAM PICTURE.bmp
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/resource.h"
#include "tools/drive/remote_process.h"
#include "tools/drive/remote_window.h"
#include "tools/drive/screen_capture.h"
#include "translation/language_dialog.h"

namespace {

constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kStepTimeoutMs = 10000;

const char* const kExpressions[] = {
    "1+2", "2pi*3^2", "(3+4i)/(1+2i)", "sqrt(2)", "0xFF + 0b101,x", "sin(i)", "*2", "7%0",
};

std::string DirectoryOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

bool IsMainDialog(HWND window) {
    return IsDialogWith(window, IDC_INPUT);
}

// The first window the program shows: the language dialog, the main dialog or an error box.
bool IsFirstWindow(HWND window) {
    return ClassOf(window) == "#32770" && !IsDialogWith(window, IDC_LINK);
}

bool Calculate(HWND main, const char* expression) {
    HWND history = GetDlgItem(main, IDC_HISTORY);
    const std::string before = TextOf(history);
    SetTextOf(GetDlgItem(main, IDC_INPUT), expression);
    Click(GetDlgItem(main, IDOK));
    return WaitUntil(kStepTimeoutMs, [&] { return TextOf(history) != before; });
}

int Fail(const char* what) {
    std::printf("demo: %s\n", what);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::printf("usage: abacon-demo PROGRAM PICTURE.bmp\n");
        return 2;
    }
    const std::string program = argv[1];
    RemoteProcess abacon;
    if (!abacon.Start(program, DirectoryOf(program))) {
        return Fail("cannot start the program");
    }
    HWND first = WaitForWindow(abacon.Id(), kStartTimeoutMs, IsFirstWindow);
    if (first == nullptr) {
        return Fail("the program shows no window");
    }
    if (IsDialogWith(first, kLanguageListId)) {
        std::printf("The language dialog asks for the language: choosing %s.\n",
                    TextOf(GetDlgItem(first, kLanguageListId)).c_str());
        Click(GetDlgItem(first, IDOK));
    } else if (!IsMainDialog(first)) {
        std::printf("%s\n", StaticTextsOf(first).c_str());
        return Fail("the program could not start");
    }
    HWND main = WaitForWindow(abacon.Id(), kStartTimeoutMs, IsMainDialog);
    if (main == nullptr) {
        return Fail("the calculator window does not appear");
    }
    std::printf("The About box shows for two seconds as a splash.\n");
    HWND splash = WaitForWindow(abacon.Id(), kStepTimeoutMs,
                                [](HWND window) { return IsDialogWith(window, IDC_LINK); });
    WaitUntil(kStepTimeoutMs, [&] { return !IsWindow(splash); });
    std::printf("Options: %s, %s.\n",
                IsChecked(GetDlgItem(main, IDC_FLOATING)) ? "floating point" : "integer",
                IsChecked(GetDlgItem(main, IDC_RADIANS)) ? "radians" : "degrees");
    for (const char* expression : kExpressions) {
        if (!Calculate(main, expression)) {
            return Fail("a calculation did not reach the history");
        }
    }
    std::printf("The history:\n%s", TextOf(GetDlgItem(main, IDC_HISTORY)).c_str());

    ScreenImage picture;
    if (!CaptureScreen(WindowRectOf(main), &picture) || !SaveBitmap(picture, argv[2])) {
        return Fail("cannot save the picture");
    }
    Click(GetDlgItem(main, IDC_QUIT));
    DWORD exitCode = 1;
    if (!abacon.WaitForExit(kStepTimeoutMs, &exitCode)) {
        return Fail("the program does not end after Quit");
    }
    std::printf("Quit: the program ended with exit code %lu.\n", exitCode);
    return exitCode == 0 ? 0 : 1;
}
