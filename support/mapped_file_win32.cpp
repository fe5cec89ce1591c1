#include "support/mapped_file.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>

namespace {

// Reads size bytes from the start of file into a new block of size + extra bytes.
char* ReadWhole(HANDLE file, uint32_t size, uint32_t extra) {
    char* buffer = static_cast<char*>(std::malloc(std::size_t{size} + extra));
    if (buffer == nullptr) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    DWORD done = 0;
    while (done < size) {
        DWORD got = 0;
        const BOOL read = ReadFile(file, buffer + done, size - done, &got, nullptr);
        if (!read || got == 0) {
            if (read) {
                SetLastError(ERROR_HANDLE_EOF); // the file shrank while being read
            }
            const DWORD error = GetLastError();
            std::free(buffer);
            SetLastError(error);
            return nullptr;
        }
        done += got;
    }
    return buffer;
}

// Closes handle keeping the last error that explains the failure.
bool Fail(HANDLE handle, MappedFile* mappedFile, OpenFailure failure = OpenFailure::Unreadable) {
    const DWORD error = GetLastError();
    CloseHandle(handle);
    SetLastError(error);
    mappedFile->failure = failure;
    return false;
}

// Maps the whole file copy-on-write (read-only when no extra bytes are wanted).
char* MapWhole(HANDLE file, uint32_t extra) {
    HANDLE mapping = CreateFileMappingA(file, nullptr, extra > 0 ? PAGE_WRITECOPY : PAGE_READONLY,
                                        0, 0, nullptr);
    if (mapping == nullptr) {
        return nullptr;
    }
    void* view = MapViewOfFile(mapping, extra > 0 ? FILE_MAP_COPY : FILE_MAP_READ, 0, 0, 0);
    const DWORD error = GetLastError();
    CloseHandle(mapping); // the view keeps the mapping alive
    SetLastError(error);
    return static_cast<char*>(view);
}

} // namespace

bool MappedFileOpen(uint32_t extra, MappedFile* mappedFile, const char* path) {
    *mappedFile = MappedFile{};
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        mappedFile->failure = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                                  ? OpenFailure::Missing
                                  : OpenFailure::Unreadable;
        return false;
    }
    LARGE_INTEGER fileSize;
    if (!GetFileSizeEx(file, &fileSize)) {
        return Fail(file, mappedFile);
    }
    if (fileSize.QuadPart == 0) {
        SetLastError(ERROR_BAD_LENGTH);
        return Fail(file, mappedFile, OpenFailure::Empty);
    }
    if (fileSize.QuadPart > static_cast<LONGLONG>(MAXDWORD - extra)) {
        SetLastError(ERROR_FILE_TOO_LARGE);
        return Fail(file, mappedFile);
    }
    const DWORD size = static_cast<DWORD>(fileSize.QuadPart);
    const bool copied = !ExtraFitsLastPage(size, extra);
    char* view = copied ? ReadWhole(file, size, extra) : MapWhole(file, extra);
    if (view == nullptr) {
        return Fail(file, mappedFile);
    }
    CloseHandle(file);
    std::memset(view + size, 0, extra);
    mappedFile->size = size;
    mappedFile->length = size + extra;
    mappedFile->view = view;
    mappedFile->copied = copied;
    return true;
}

void MappedFileClose(MappedFile* mappedFile) {
    if (mappedFile->view != nullptr) {
        if (mappedFile->copied) {
            std::free(mappedFile->view);
        } else {
            UnmapViewOfFile(mappedFile->view);
        }
    }
    *mappedFile = MappedFile{};
}
