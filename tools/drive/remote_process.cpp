#include "tools/drive/remote_process.h"

RemoteProcess::~RemoteProcess() {
    Kill();
}

bool RemoteProcess::Start(const std::string& program, const std::string& directory) {
    Kill();
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    return CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          directory.c_str(), &startup, &info_) != FALSE;
}

bool RemoteProcess::Running() const {
    return info_.hProcess != nullptr && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool RemoteProcess::WaitForExit(DWORD timeoutMs, DWORD* exitCode) {
    if (info_.hProcess == nullptr ||
        WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        return false;
    }
    return GetExitCodeProcess(info_.hProcess, exitCode) != FALSE;
}

void RemoteProcess::Kill() {
    if (info_.hProcess == nullptr) {
        return;
    }
    if (Running()) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
    info_ = PROCESS_INFORMATION{};
}
