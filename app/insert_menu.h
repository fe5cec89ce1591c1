// What each command of the Insert menu types into the input box.
#pragma once

#include <cstdint>

struct InsertTextItem {
    uint32_t command; // menu command id
    const char* text; // typed at the input box's caret
};

// Every command of the Insert menu, in menu order.
extern const InsertTextItem InsertTextTable[29];

// The text command inserts; empty for a command that is not in the table.
const char* InsertTextOf(uint32_t command);
