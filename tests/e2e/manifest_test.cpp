// The program carries its application manifest, as resource 1 of type RT_MANIFEST.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/abacon_test.h"

namespace {

std::string ManifestOfTheProgram() {
    const std::string program = BuildRoot() + "\\Abacon.exe";
    HMODULE module = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) {
        ADD_FAILURE() << program;
        return {};
    }
    std::string manifest;
    if (HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24))) {
        const char* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
        manifest.assign(data, SizeofResource(module, found));
    }
    FreeLibrary(module);
    return manifest;
}

TEST(Manifest, AsksForCommonControlsSixSystemDpiAwarenessWindows7To11AndNoElevation) {
    const std::string manifest = ManifestOfTheProgram();
    // Common controls 6, system DPI awareness, no elevation, Windows 7, 8, 8.1, 10 and 11.
    const char* const kParts[] = {"name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
                                  ">true</dpiAware>",
                                  "level=\"asInvoker\"",
                                  "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
                                  "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
                                  "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
                                  "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"};
    for (const char* part : kParts) {
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    }
}

// Windows refuses to create the dialogs of a program whose manifest names another processor.
TEST(Manifest, NamesTheProgramsOwnProcessorAndAnyForTheCommonControls) {
    const std::string manifest = ManifestOfTheProgram();
    // The test is built for the same processor as the program beside it.
    const std::string own = sizeof(void*) == 8 ? "amd64" : "x86";
    EXPECT_NE(manifest.find("name=\"Merrow.Abacon\""), std::string::npos);
    EXPECT_NE(manifest.find("processorArchitecture=\"" + own + "\"/>"), std::string::npos);
    EXPECT_NE(manifest.find("processorArchitecture=\"*\" publicKeyToken=\"6595b64144ccf1df\""),
              std::string::npos);
}

} // namespace
