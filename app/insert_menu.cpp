#include "app/insert_menu.h"

#include "app/resource.h"

const InsertTextItem InsertTextTable[29] = {
    {IDM_DECIMAL, ""},      {IDM_HEXADECIMAL, "0x"}, {IDM_BINARY, "0b"},  {IDM_CHARACTER, "''"},
    {IDM_COMPLEX, "i"},     {IDM_PI, "pi"},          {IDM_E, "e"},        {IDM_I, "i"},
    {IDM_ADD, "+"},         {IDM_SUBTRACT, "-"},     {IDM_MULTIPLY, "*"}, {IDM_DIVIDE, "/"},
    {IDM_MODULO, "%"},      {IDM_OVER, "^"},         {IDM_ABS, "abs()"},  {IDM_SQRT, "sqrt()"},
    {IDM_SIN, "sin()"},     {IDM_ASIN, "asin()"},    {IDM_COS, "cos()"},  {IDM_ACOS, "acos()"},
    {IDM_TAN, "tan()"},     {IDM_ATAN, "atan()"},    {IDM_RAD, "rad()"},  {IDM_DEG, "deg()"},
    {IDM_LOG10, "log10()"}, {IDM_LOG2, "log2()"},    {IDM_LN, "ln()"},    {IDM_RE, "re()"},
    {IDM_IM, "im()"},
};

const char* InsertTextOf(uint32_t command) {
    for (const InsertTextItem& item : InsertTextTable) {
        if (item.command == command) {
            return item.text;
        }
    }
    return "";
}
