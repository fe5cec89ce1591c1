#include "app/kept_history.h"

#include "support/shared_file.h"

namespace {

// The newest records of the history lie in the file's last part; anything older than that
// is not read (a file of one long line of junk costs no more to start with).
constexpr HistoryLimits kLimits{KeptHistory::kShown, KeptHistory::kTrimAbove, 16u << 20};

// Every write of every Abacon of the user waits for this lock. Another holds it for one
// flushed append or one trim, which a busy disk can stretch to seconds; far longer, it
// hangs, and the write is given up.
constexpr char kLockName[] = "Local\\Merrow.Abacon.History";
constexpr DWORD kLockWaitMs = 30000;

std::string AppDataFolder() {
    char folder[MAX_PATH] = "";
    const DWORD length = GetEnvironmentVariableA("APPDATA", folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(folder, length) : std::string();
}

} // namespace

KeptHistory::KeptHistory() {
    const std::string appData = AppDataFolder();
    if (!appData.empty()) {
        folder_ = appData + "\\Merrow\\Abacon";
        path_ = folder_ + "\\History.txt";
    }
}

std::vector<KeptCalculation> KeptHistory::Load(DWORD* error) {
    if (!enabled_) {
        return {};
    }
    if (path_.empty()) {
        Unsaved(error);
        return {};
    }
    // Read under the lock too, so that a trim keeps every record another window appends.
    SharedLock lock(kLockName);
    const bool writable =
        lock.Take(kLockWaitMs) && CreateFolders(folder_) && AppendToFile(path_, "");
    if (!writable) {
        Unsaved(error);
    }
    std::string tail;
    unsigned long long size = 0;
    if (!ReadFileTail(path_, kLimits.readBytes, &tail, &size)) {
        return {};
    }
    NewestCalculations newest =
        ReadNewestCalculations(tail, tail.size() == size, kLimits.shown, kLimits.trimAbove + 1);
    if (writable && TrimsHistory(newest, size, kLimits)) {
        ReplaceFileContent(path_, newest.records); // else a later start trims it
    }
    return std::move(newest.calculations);
}

void KeptHistory::Append(const KeptCalculation& calculation, DWORD* error) {
    if (!enabled_) {
        return;
    }
    SharedLock lock(kLockName);
    std::string last;
    unsigned long long size = 0;
    if (path_.empty() || !lock.Take(kLockWaitMs) || !CreateFolders(folder_) ||
        !ReadFileTail(path_, 1, &last, &size) ||
        !AppendToFile(path_, AppendedRecord(last, calculation))) {
        Unsaved(error);
    }
}

void KeptHistory::Clear(DWORD* error) {
    if (!enabled_) {
        return;
    }
    SharedLock lock(kLockName);
    if (path_.empty() || !lock.Take(kLockWaitMs) || !EmptyFile(path_)) {
        Unsaved(error);
    }
}

void KeptHistory::Unsaved(DWORD* error) {
    const DWORD code = path_.empty() ? ERROR_ENVVAR_NOT_FOUND : GetLastError();
    if (!reported_) {
        reported_ = true;
        *error = code;
    }
}
