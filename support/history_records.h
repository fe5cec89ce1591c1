// The file of calculations kept between starts: one text line per calculation, complete in
// itself, so that a line cut by a crash or mangled by hand is recognised and skipped alone.
//
//   ok=1<TAB>in=1+2<TAB>out=3<TAB>val=i:3<TAB>crc=...<CR><LF>
//
// Two fields are written only when they say something: shown, the result with its digits
// grouped as the history showed it, and mark=",", for an expression typed with a decimal
// comma; a record without them reads as one of a version that had neither.
//
// A line is fields "name=value" joined by tabs and ends with the field crc, the CRC-32 of
// everything before its tab in 8 upper-case hexadecimal digits. A value is the text as it
// is, bytes 0x80-0xFF and "=" included, except that a backslash is written "\\", a tab
// "\t", a CR "\r", a LF "\n" and any other byte below 0x20 or 0x7F as "\xHH"; so a line holds
// no line break and no NUL, and readers split at every CR, LF and NUL (CR-only and LF-only
// files read as well). Readers ignore the fields they do not know, so fields can be added later.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct KeptCalculation {
    std::string expression; // as typed, without the "=" the history shows after it
    std::string output;     // the result text, or the error text
    bool succeeded = false;
    std::string value; // the result's exact value for the program to read back; may be empty
    std::string shown; // the result as the history showed it, when not the output itself
    bool decimalComma = false; // the expression was typed with a decimal comma
};

// The line of one calculation, with its CR LF.
std::string HistoryRecord(const KeptCalculation& calculation);

// One line without its line break; false when it is not a whole, unchanged record.
bool ReadHistoryRecord(std::string_view line, KeptCalculation* calculation);

struct NewestCalculations {
    std::vector<KeptCalculation> calculations; // the newest, oldest first
    std::string records;   // their lines as they are, fields this version does not know too,
                           // each with CR LF: all that a trimmed file keeps
    std::size_t found = 0; // records seen, counting stops at the limit
};

// The newest keep records of bytes, the end of a history file; counts records up to
// countTo. When fromStart is false the bytes begin somewhere in the file, and their first
// line, which may be the end of a longer one, is not read.
NewestCalculations ReadNewestCalculations(std::string_view bytes, bool fromStart, std::size_t keep,
                                          std::size_t countTo);

// How much of a history file a start reads, and when it trims the file to its newest records.
struct HistoryLimits {
    std::size_t shown;     // the newest records read, and all that a trimmed file keeps
    std::size_t trimAbove; // a file with more records than this is trimmed
    std::size_t readBytes; // only the file's last so many bytes are read; a longer one is trimmed
};

// Whether a file of fileSize bytes, whose end newest was read from with limits.shown and
// a count to limits.trimAbove + 1, is to be cut to newest.records.
bool TrimsHistory(const NewestCalculations& newest, unsigned long long fileSize,
                  const HistoryLimits& limits);

// What appends calculation to a file that ends in fileEnd: its record, after a line break
// of its own when the file ends inside a line, so that a record cut by a crash is all that
// is lost.
std::string AppendedRecord(std::string_view fileEnd, const KeptCalculation& calculation);

// text as the history box shows it: tabs and CR LF line breaks stay, any other control
// character becomes a blank, so that a record never shows one. The length is kept.
std::string ShownText(std::string_view text);
