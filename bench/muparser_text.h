// muparser as the benchmarks use it: one parser reused for every expression, the result
// written with 16 significant digits as the engine writes a Double.
#pragma once

#include <cstdio>
#include <string>

#include <muParser.h>

inline std::string MuparserText(mu::Parser* parser, const std::string& expression) {
    parser->SetExpr(expression);
    char text[32];
    std::snprintf(text, sizeof text, "%.16g", parser->Eval());
    return text;
}
