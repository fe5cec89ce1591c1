// abacon-soak: random but reproducible user actions on the real program for a while, each
// one checked against a model of the program and every calculation against abacon-eval.
//
//   abacon-soak SEED SECONDS PROGRAM EVAL APPDATA
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tools/drive/wine_settings.h"
#include "tools/soak_driver/soak_session.h"

namespace {

// English from the first start on; Wine draws the windows itself without a window manager
// and opens no browser.
void Prepare() {
    SetCurrentUserString("Software\\Merrow\\Abacon", "Language", "English");
    ConfigureWineForDriving();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::printf("usage: abacon-soak SEED SECONDS PROGRAM EVAL APPDATA\n");
        return 2;
    }
    const unsigned seed = static_cast<unsigned>(std::strtoul(argv[1], nullptr, 10));
    const DWORD seconds = static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10));
    Prepare();
    SoakSession session(seed, argv[3], argv[4], argv[5]);
    const DWORD start = GetTickCount();
    bool ok = session.Start();
    while (ok && GetTickCount() - start < seconds * 1000) {
        ok = session.Step();
    }
    ok = ok && session.Quit();
    if (!ok) {
        std::printf("soak: FAILED with seed %u: %s\nsoak: the actions that led to it:\n", seed,
                    session.problem().c_str());
        for (const std::string& action : session.actions()) {
            std::printf("  %s\n", action.c_str());
        }
    }
    std::printf("soak: seed %u, %zu actions, %d calculations checked, %d restarts%s\n", seed,
                session.actions().size(), session.calculations(), session.restarts(),
                ok ? "" : ", FAILED");
    return ok ? 0 : 1;
}
