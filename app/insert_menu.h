// The Insert menu: what each of its commands types into the input box, and the labels it
// takes from the language.
#pragma once

#include <cstdint>

#include "base/translation_keys.h"
#include "translation/translate_window.h"

struct InsertTextItem {
    uint32_t command; // menu command id
    const char* text; // typed at the input box's caret
};

// Every command of the Insert menu, in menu order.
extern const InsertTextItem InsertTextTable[29];

// The text command inserts; empty for a command that is not in the table.
const char* InsertTextOf(uint32_t command);

// The labels of the Insert pop-up, by position. The constants, the operators, abs() and the
// trigonometric functions keep their resource labels.
inline constexpr MenuTextItem kInsertMenuTexts[] = {
    PopupText(TextId::MenuNumbers),
    ItemText(TextId::MenuNumDecimal),
    ItemText(TextId::MenuNumHexadecimal),
    ItemText(TextId::MenuNumBinary),
    ItemText(TextId::MenuNumCharacter),
    ItemText(TextId::MenuNumComplex),
    kPopupEnd,
    PopupText(TextId::MenuConstants),
    kKeepLabel, // pi
    kKeepLabel, // e
    kKeepLabel, // i
    kPopupEnd,
    PopupText(TextId::MenuAritmetics),
    kKeepLabel, // +
    kKeepLabel, // -
    kKeepLabel, // separator
    kKeepLabel, // *
    kKeepLabel, // /
    kKeepLabel, // %
    kKeepLabel, // separator
    ItemText(TextId::MenuOver),
    kKeepLabel, // separator
    kKeepLabel, // abs()
    ItemText(TextId::MenuSquareRoot),
    kPopupEnd,
    PopupText(TextId::MenuGoniometrics),
    kKeepLabel, // sin()
    kKeepLabel, // asin()
    kKeepLabel, // cos()
    kKeepLabel, // acos()
    kKeepLabel, // tan()
    kKeepLabel, // atan()
    kKeepLabel, // separator
    ItemText(TextId::MenuRadians),
    ItemText(TextId::MenuDegrees),
    kPopupEnd,
    PopupText(TextId::MenuLogaritmic),
    ItemText(TextId::MenuLogDecadic),
    ItemText(TextId::MenuLogBinary),
    ItemText(TextId::MenuLogNatural),
    kPopupEnd,
    PopupText(TextId::MenuComplex),
    ItemText(TextId::MenuReal),
    ItemText(TextId::MenuImag),
    kPopupEnd,
};
