#include "support/shared_file.h"

#include "support/scoped_guards.h"

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool WriteAll(HANDLE file, const std::string& bytes) {
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) {
        return false;
    }
    if (written != bytes.size()) {
        SetLastError(ERROR_WRITE_FAULT);
        return false;
    }
    return FlushFileBuffers(file) != FALSE;
}

} // namespace

bool CreateFolders(const std::string& folder) {
    if (IsFolder(folder)) {
        return true;
    }
    // Every level from the top; those that exist or cannot be made (a drive, a share) fail
    // harmlessly, and only the last one's failure counts.
    DWORD error = ERROR_PATH_NOT_FOUND;
    for (std::size_t at = folder.find_first_of("\\/"); at != std::string::npos;
         at = folder.find_first_of("\\/", at + 1)) {
        if (at > 0 && !CreateDirectoryA(folder.substr(0, at).c_str(), nullptr)) {
            error = GetLastError();
        }
    }
    if (!CreateDirectoryA(folder.c_str(), nullptr)) {
        error = GetLastError();
    }
    if (IsFolder(folder)) {
        return true;
    }
    SetLastError(error == ERROR_ALREADY_EXISTS ? ERROR_DIRECTORY : error);
    return false;
}

bool AppendToFile(const std::string& path, const std::string& bytes) {
    FileHandle file(CreateFileA(path.c_str(), FILE_APPEND_DATA, kShareAll, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.Valid() && (bytes.empty() || WriteAll(file, bytes));
}

bool ReadFileTail(const std::string& path, std::size_t most, std::string* bytes,
                  unsigned long long* size) {
    bytes->clear();
    *size = 0;
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.Valid()) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    }
    LARGE_INTEGER length{};
    if (!GetFileSizeEx(file, &length)) {
        return false;
    }
    *size = static_cast<unsigned long long>(length.QuadPart);
    const unsigned long long wanted = *size < most ? *size : most;
    LARGE_INTEGER start{};
    start.QuadPart = static_cast<LONGLONG>(*size - wanted);
    if (!SetFilePointerEx(file, start, nullptr, FILE_BEGIN)) {
        return false;
    }
    bytes->resize(static_cast<std::size_t>(wanted));
    std::size_t done = 0;
    while (done < bytes->size()) {
        DWORD got = 0;
        if (!ReadFile(file, &(*bytes)[done], static_cast<DWORD>(bytes->size() - done), &got,
                      nullptr)) {
            return false;
        }
        if (got == 0) {
            break; // the file shrank meanwhile: what was read stands
        }
        done += got;
    }
    bytes->resize(done);
    return true;
}

bool ReplaceFileContent(const std::string& path, const std::string& bytes) {
    const std::size_t slash = path.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
    char temporary[MAX_PATH] = "";
    if (GetTempFileNameA(folder.c_str(), "new", 0, temporary) == 0) {
        return false;
    }
    bool written = false;
    {
        FileHandle file(CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        written = file.Valid() && WriteAll(file, bytes);
    }
    if (written &&
        MoveFileExA(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    const DWORD error = GetLastError();
    DeleteFileA(temporary);
    SetLastError(error);
    return false;
}

bool EmptyFile(const std::string& path) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.Valid() && SetEndOfFile(file) != FALSE;
}

SharedLock::~SharedLock() {
    if (held_) {
        ReleaseMutex(mutex_);
    }
    if (mutex_ != nullptr) {
        CloseHandle(mutex_);
    }
}

bool SharedLock::Take(DWORD timeoutMs) {
    mutex_ = CreateMutexA(nullptr, FALSE, name_);
    if (mutex_ == nullptr) {
        return false;
    }
    // Abandoned, the lock's last holder ended in the middle of a write: the files are as it
    // left them, which every reader and writer copes with.
    const DWORD waited = WaitForSingleObject(mutex_, timeoutMs);
    held_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
    if (waited == WAIT_TIMEOUT) {
        SetLastError(WAIT_TIMEOUT);
    }
    return held_;
}

std::string SystemErrorText(DWORD code) {
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text = length > 0 && buffer != nullptr ? std::string(buffer, length) : "";
    LocalFree(buffer);
    for (char& c : text) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    if (text.empty()) {
        char number[16];
        wsprintfA(number, "0x%lX", static_cast<unsigned long>(code));
        text = number;
    }
    return text;
}
