// Helpers for the end-to-end tests: Evaluate on a text as the user types it, with the
// engine's key texts installed, under each combination of the two options.
#pragma once

#include <cstdlib>
#include <string>

#include "engine/evaluate.h"
#include "tests/engine/engine_texts.h"

constexpr EvalFlags kIntegerDegrees = 0;
constexpr EvalFlags kFloatingDegrees = EvalFlag::Floating;
constexpr EvalFlags kIntegerRadians = EvalFlag::Radians;
constexpr EvalFlags kFloatingRadians = EvalFlag::Floating | EvalFlag::Radians;
constexpr EvalFlags kAllFlags[] = {kIntegerDegrees, kFloatingDegrees, kIntegerRadians,
                                   kFloatingRadians};

// The output for what the user typed (the window appends "="); an error text is marked by
// a leading "!".
inline std::string Calculate(const std::string& typed, EvalFlags flags) {
    const std::string text = typed + "=";
    std::string output;
    Value answer = MakeInteger(0);
    return Evaluate(text.c_str(), flags, &answer, &output) ? output : "!" + output;
}

// The number a result text shows, for results that come from the platform's mathematical
// library and may differ in the last digits.
inline double NumberOf(const std::string& text) {
    return std::strtod(text.c_str(), nullptr);
}

// One expression with its expected output in integer and in floating mode.
struct ModeCase {
    const char* typed;
    const char* integer;
    const char* floating;
};

// One expression with its expected output in degrees and in radians.
struct UnitCase {
    const char* typed;
    const char* degrees;
    const char* radians;
};

class EvaluateTest : public EngineTextsTest {
  protected:
    // Both angle units; the mode decides.
    static void ExpectModes(const ModeCase& c) {
        for (EvalFlags unit : {kIntegerDegrees, kIntegerRadians}) {
            EXPECT_EQ(Calculate(c.typed, unit), c.integer) << c.typed << " integer";
            EXPECT_EQ(Calculate(c.typed, unit | EvalFlag::Floating), c.floating)
                << c.typed << " floating";
        }
    }

    // Both modes; the angle unit decides.
    static void ExpectUnits(const UnitCase& c) {
        for (EvalFlags mode : {kIntegerDegrees, kFloatingDegrees}) {
            EXPECT_EQ(Calculate(c.typed, mode), c.degrees) << c.typed << " degrees";
            EXPECT_EQ(Calculate(c.typed, mode | EvalFlag::Radians), c.radians)
                << c.typed << " radians";
        }
    }

    // The same output under every combination of the options.
    static void ExpectEverywhere(const char* typed, const char* output) {
        for (EvalFlags flags : kAllFlags) {
            EXPECT_EQ(Calculate(typed, flags), output) << typed << " flags " << int(flags);
        }
    }
};
