#include "support/mapped_file.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Reads size bytes from the start of fd into a new block of size + extra bytes.
char* ReadWhole(int fd, uint32_t size, uint32_t extra) {
    char* buffer = static_cast<char*>(std::malloc(std::size_t{size} + extra));
    if (buffer == nullptr) {
        errno = ENOMEM;
        return nullptr;
    }
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = pread(fd, buffer + done, size - done, static_cast<off_t>(done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            const int error = got == 0 ? EIO : errno; // 0: the file shrank while being read
            std::free(buffer);
            errno = error;
            return nullptr;
        }
        done += static_cast<std::size_t>(got);
    }
    return buffer;
}

// Closes fd keeping the errno that explains the failure.
bool Fail(int fd, MappedFile* mappedFile, OpenFailure failure = OpenFailure::Unreadable) {
    const int error = errno;
    close(fd);
    errno = error;
    mappedFile->failure = failure;
    return false;
}

} // namespace

bool MappedFileOpen(uint32_t extra, MappedFile* mappedFile, const char* path) {
    *mappedFile = MappedFile{};
    const int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        mappedFile->failure =
            errno == ENOENT || errno == ENOTDIR ? OpenFailure::Missing : OpenFailure::Unreadable;
        return false;
    }
    struct stat status;
    if (fstat(fd, &status) != 0) {
        return Fail(fd, mappedFile);
    }
    if (!S_ISREG(status.st_mode)) {
        errno = EISDIR;
        return Fail(fd, mappedFile);
    }
    if (status.st_size == 0) {
        errno = EINVAL;
        return Fail(fd, mappedFile, OpenFailure::Empty);
    }
    if (static_cast<uint64_t>(status.st_size) > UINT32_MAX - extra) {
        errno = EFBIG;
        return Fail(fd, mappedFile);
    }
    const uint32_t size = static_cast<uint32_t>(status.st_size);
    const uint32_t length = size + extra;
    char* view = nullptr;
    const bool copied = !ExtraFitsLastPage(size, extra);
    if (copied) {
        view = ReadWhole(fd, size, extra);
    } else {
        // Private and writable so the zeros after the content never reach the file.
        const int protection = extra > 0 ? PROT_READ | PROT_WRITE : PROT_READ;
        void* mapped = mmap(nullptr, length, protection, MAP_PRIVATE, fd, 0);
        view = mapped == MAP_FAILED ? nullptr : static_cast<char*>(mapped);
    }
    if (view == nullptr) {
        return Fail(fd, mappedFile);
    }
    close(fd);
    std::memset(view + size, 0, extra);
    mappedFile->size = size;
    mappedFile->length = length;
    mappedFile->view = view;
    mappedFile->copied = copied;
    return true;
}

void MappedFileClose(MappedFile* mappedFile) {
    if (mappedFile->view != nullptr) {
        if (mappedFile->copied) {
            std::free(mappedFile->view);
        } else {
            munmap(mappedFile->view, mappedFile->length);
        }
    }
    *mappedFile = MappedFile{};
}
