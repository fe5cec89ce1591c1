// The calculations kept between starts, in History.txt of %APPDATA%\Merrow\Abacon: read at
// start, one record appended and flushed per calculation, trimmed when it grows long. Any
// number of Abacon windows may use the file at once: each write waits for the others'. What
// cannot be read is left out; why it cannot be written is told once, as the system's error
// code, for the window to say.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "support/history_records.h"

class KeptHistory {
  public:
    static constexpr std::size_t kShown = 1000;     // calculations restored at start
    static constexpr std::size_t kTrimAbove = 2000; // more at start, and the file keeps kShown

    KeptHistory();

    // Off, nothing is read or written and the file stays as it is.
    void SetEnabled(bool enabled) { enabled_ = enabled; }

    // The newest calculations, oldest first; the file is trimmed when it holds too many.
    // error is set to the system's error code when the history cannot be saved.
    std::vector<KeptCalculation> Load(DWORD* error);
    // Writes the calculation's record to the disk. error is set when it cannot be written,
    // the first time only, so that the window says it once.
    void Append(const KeptCalculation& calculation, DWORD* error);
    // Empties the file. error as for Append.
    void Clear(DWORD* error);

  private:
    void Unsaved(DWORD* error);

    std::string folder_; // empty when there is no APPDATA folder
    std::string path_;
    bool enabled_ = true;
    bool reported_ = false;
};
