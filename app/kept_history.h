// The calculations kept between starts, in History.txt of %APPDATA%\Merrow\Abacon: read at
// start, one record appended and flushed per calculation, trimmed when it grows long. Any
// number of Abacon windows may use the file at once. What cannot be read is left out; what
// cannot be written is said once, in one line for the history box, never in a message box.
#pragma once

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
    // problem is set to the line that says why the history cannot be saved, if it cannot.
    std::vector<KeptCalculation> Load(std::string* problem);
    // Writes the calculation's record to the disk. problem is set when it cannot be written,
    // the first time only, so that the history box says it once.
    void Append(const KeptCalculation& calculation, std::string* problem);
    // Empties the file. problem as for Append.
    void Clear(std::string* problem);

  private:
    void Unsaved(std::string* problem);

    std::string folder_; // empty when there is no APPDATA folder
    std::string path_;
    bool enabled_ = true;
    bool reported_ = false;
    bool cutLast_ = false; // the file ends in a cut record, which the next one must not extend
};
