#include "support/history_records.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "support/crc32.h"

namespace {

constexpr std::string_view kChecksumField = "\tcrc=";
constexpr std::size_t kChecksumDigits = 8;
constexpr const char* kHexDigits = "0123456789ABCDEF";

bool IsControl(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

void AppendEscaped(std::string_view text, std::string* line) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '\\':
            *line += "\\\\";
            break;
        case '\t':
            *line += "\\t";
            break;
        case '\r':
            *line += "\\r";
            break;
        case '\n':
            *line += "\\n";
            break;
        default:
            if (IsControl(byte)) {
                *line += "\\x";
                *line += kHexDigits[byte >> 4];
                *line += kHexDigits[byte & 0xF];
            } else {
                *line += c;
            }
        }
    }
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool Unescape(std::string_view value, std::string* text) {
    text->clear();
    text->reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\') {
            *text += value[i];
            continue;
        }
        if (++i == value.size()) {
            return false;
        }
        switch (value[i]) {
        case '\\':
            *text += '\\';
            break;
        case 't':
            *text += '\t';
            break;
        case 'r':
            *text += '\r';
            break;
        case 'n':
            *text += '\n';
            break;
        case 'x': {
            if (value.size() - i < 3) {
                return false;
            }
            const int high = HexValue(value[i + 1]);
            const int low = HexValue(value[i + 2]);
            if (high < 0 || low < 0) {
                return false;
            }
            *text += static_cast<char>(static_cast<unsigned char>(high * 16 + low));
            i += 2;
            break;
        }
        default:
            return false;
        }
    }
    return true;
}

std::string ChecksumText(std::string_view body) {
    const uint32_t crc = Crc32(body.data(), body.size());
    std::string digits(kChecksumDigits, '0');
    for (std::size_t i = 0; i < kChecksumDigits; ++i) {
        digits[i] = kHexDigits[(crc >> (28 - 4 * i)) & 0xF];
    }
    return digits;
}

// NUL too: a file cut by a power loss may end in zero bytes, and the next record follows them.
bool IsLineBreak(char c) {
    return c == '\r' || c == '\n' || c == '\0';
}

} // namespace

std::string HistoryRecord(const KeptCalculation& calculation) {
    std::string line = calculation.succeeded ? "ok=1\tin=" : "ok=0\tin=";
    AppendEscaped(calculation.expression, &line);
    line += "\tout=";
    AppendEscaped(calculation.output, &line);
    if (!calculation.value.empty()) {
        line += "\tval=";
        AppendEscaped(calculation.value, &line);
    }
    if (!calculation.shown.empty()) {
        line += "\tshown=";
        AppendEscaped(calculation.shown, &line);
    }
    if (calculation.decimalComma) {
        line += "\tmark=,";
    }
    const std::string checksum = ChecksumText(line);
    line += kChecksumField;
    line += checksum;
    line += "\r\n";
    return line;
}

bool ReadHistoryRecord(std::string_view line, KeptCalculation* calculation) {
    if (line.size() < kChecksumField.size() + kChecksumDigits) {
        return false;
    }
    const std::size_t bodySize = line.size() - kChecksumField.size() - kChecksumDigits;
    const std::string_view body = line.substr(0, bodySize);
    if (line.substr(bodySize, kChecksumField.size()) != kChecksumField ||
        line.substr(bodySize + kChecksumField.size()) != ChecksumText(body)) {
        return false;
    }
    *calculation = KeptCalculation(); // a field an older record lacks stays empty
    bool hasOk = false;
    bool hasIn = false;
    bool hasOut = false;
    std::size_t start = 0;
    while (start <= body.size()) {
        const std::size_t tab = std::min(body.find('\t', start), body.size());
        const std::string_view field = body.substr(start, tab - start);
        start = tab + 1;
        const std::size_t equals = field.find('=');
        if (equals == std::string_view::npos) {
            return false;
        }
        const std::string_view name = field.substr(0, equals);
        const std::string_view value = field.substr(equals + 1);
        if (name == "ok") {
            if (value != "0" && value != "1") {
                return false;
            }
            calculation->succeeded = value == "1";
            hasOk = true;
        } else if (name == "in") {
            hasIn = Unescape(value, &calculation->expression);
            if (!hasIn) {
                return false;
            }
        } else if (name == "out") {
            hasOut = Unescape(value, &calculation->output);
            if (!hasOut) {
                return false;
            }
        } else if (name == "val" && !Unescape(value, &calculation->value)) {
            return false;
        } else if (name == "shown" && !Unescape(value, &calculation->shown)) {
            return false;
        } else if (name == "mark") {
            calculation->decimalComma = value == ",";
        }
    }
    return hasOk && hasIn && hasOut;
}

NewestCalculations ReadNewestCalculations(std::string_view bytes, bool fromStart, std::size_t keep,
                                          std::size_t countTo) {
    NewestCalculations newest;
    KeptCalculation calculation;
    std::vector<std::string_view> lines; // of the kept records, newest first
    std::size_t end = bytes.size();
    while (end > 0 && newest.found < countTo) {
        std::size_t start = end;
        while (start > 0 && !IsLineBreak(bytes[start - 1])) {
            --start;
        }
        if (start == 0 && !fromStart) {
            break;
        }
        const std::string_view line = bytes.substr(start, end - start);
        if (start < end && ReadHistoryRecord(line, &calculation)) {
            ++newest.found;
            if (newest.calculations.size() < keep) {
                newest.calculations.push_back(std::move(calculation));
                calculation = KeptCalculation();
                lines.push_back(line);
            }
        }
        end = start > 0 ? start - 1 : 0;
    }
    std::reverse(newest.calculations.begin(), newest.calculations.end());
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        newest.records.append(*line).append("\r\n");
    }
    return newest;
}

bool TrimsHistory(const NewestCalculations& newest, unsigned long long fileSize,
                  const HistoryLimits& limits) {
    return newest.found > limits.trimAbove || fileSize > limits.readBytes;
}

std::string AppendedRecord(std::string_view fileEnd, const KeptCalculation& calculation) {
    const bool insideLine = !fileEnd.empty() && !IsLineBreak(fileEnd.back());
    return (insideLine ? "\r\n" : "") + HistoryRecord(calculation);
}

std::string ShownText(std::string_view text) {
    std::string shown(text);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const auto byte = static_cast<unsigned char>(shown[i]);
        const bool lineBreak = (shown[i] == '\r' && i + 1 < shown.size() && shown[i + 1] == '\n') ||
                               (shown[i] == '\n' && i > 0 && text[i - 1] == '\r');
        if (IsControl(byte) && shown[i] != '\t' && !lineBreak) {
            shown[i] = ' ';
        }
    }
    return shown;
}
