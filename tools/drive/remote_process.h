// A program started by the driver, ended by force if it is still running when the object
// goes away, so that a failed check never leaves a window behind.
#pragma once

#include <windows.h>

#include <string>

class RemoteProcess {
  public:
    RemoteProcess() = default;
    ~RemoteProcess();
    RemoteProcess(const RemoteProcess&) = delete;
    RemoteProcess& operator=(const RemoteProcess&) = delete;

    // Starts program in directory with no command-line arguments and the default show
    // command. False when it cannot be started.
    bool Start(const std::string& program, const std::string& directory);
    DWORD Id() const { return info_.dwProcessId; }
    bool Running() const;
    // True with the exit code when the process ended within timeoutMs.
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode);
    void Kill();

  private:
    PROCESS_INFORMATION info_{};
};
