// Reads a whole file into memory followed by zero bytes, so that a text file can be
// scanned as one NUL-terminated string. The file itself is never written: when the extra
// bytes fit in the file's last 4096-byte page the content is mapped copy-on-write and the
// zeros go to private pages; otherwise the content is read into private memory.
#pragma once

#include <cstdint>

// Why an open failed, in the terms a user can act on.
enum class OpenFailure : uint8_t {
    None,
    Missing,    // there is no such file (or folder)
    Empty,      // the file has no byte
    Unreadable, // anything else: no right to read it, locked by another program, ...
};

struct MappedFile {
    uint32_t size = 0;    // the file's length when opened
    uint32_t length = 0;  // bytes readable at view: size plus the extra zero bytes
    char* view = nullptr; // the content, then the extra zero bytes; null when closed
    bool copied = false;  // view is private heap memory rather than a mapped view
    OpenFailure failure = OpenFailure::None; // set when the open fails
};

// Opens path and fills *mappedFile. On failure everything is closed again, failure tells why,
// and the system's error code is left (the thread's last error on Windows, errno
// elsewhere); an empty file fails with the bad-length code (ERROR_BAD_LENGTH on Windows,
// EINVAL elsewhere).
bool MappedFileOpen(uint32_t extra, MappedFile* mappedFile, const char* path);

// Releases the view; harmless on a record that holds nothing.
void MappedFileClose(MappedFile* mappedFile);

// True when size + extra bytes stay within the 4096-byte page that holds the last byte of
// the content, so that a mapping of the file can hold the extra zero bytes.
inline bool ExtraFitsLastPage(uint32_t size, uint32_t extra) {
    return ((size - 1) >> 12) == ((size + extra - 1) >> 12);
}
