// Files that several processes read and append to at the same time: every opening lets the
// others read, write and delete, so that no program is locked out by another, and a lock
// that they take around their writes. Each function answers false on failure with the
// system's error code as the thread's last error.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

// Creates folder and every missing folder above it; true when it exists afterwards.
bool CreateFolders(const std::string& folder);

// Appends bytes to the file, created when missing, with one write on a handle opened for
// appending only, so that the system puts the whole write at the end even while another
// process appends; then flushes it to the disk. With no bytes it only checks that the file
// can be appended to.
bool AppendToFile(const std::string& path, const std::string& bytes);

// The last most bytes of the file, and its whole size. A missing file (or folder) reads as
// empty.
bool ReadFileTail(const std::string& path, std::size_t most, std::string* bytes,
                  unsigned long long* size);

// Gives the file the content bytes through a temporary file in the same folder and one
// replace, so that an interruption leaves the old file or the new one, never a cut one.
bool ReplaceFileContent(const std::string& path, const std::string& bytes);

// Cuts the file to no bytes, creating it when missing.
bool EmptyFile(const std::string& path);

// A lock that every process of the user that names it shares, for one scope: a named mutex.
// The system hands on the lock of a holder that ends without giving it up.
class SharedLock {
  public:
    explicit SharedLock(const char* name) : name_(name) {}
    ~SharedLock();
    SharedLock(const SharedLock&) = delete;
    SharedLock& operator=(const SharedLock&) = delete;

    // Waits for the lock, once, for at most timeoutMs; false when it is not had (WAIT_TIMEOUT
    // when another holds it that long).
    bool Take(DWORD timeoutMs);

  private:
    const char* name_;
    HANDLE mutex_ = nullptr;
    bool held_ = false;
};

// The system's description of code, on one line, without its final line break.
std::string SystemErrorText(DWORD code);
