// Random expressions of the calculator's language, valid and invalid, from one seeded
// generator so that a run can be repeated.
#pragma once

#include <random>
#include <string>
#include <vector>

class ExpressionGenerator {
  public:
    // functions: the names the engine knows, as abacon-eval's help lists them.
    ExpressionGenerator(std::mt19937* random, std::vector<std::string> functions);

    // A short expression; with useAnswer it may use ans or continue it ("*2").
    std::string Short(bool useAnswer);
    // A valid sum of about length characters.
    std::string Long(std::size_t length);
    // Any printable characters, count of them.
    std::string Noise(std::size_t count);

  private:
    std::string Term(int depth, bool useAnswer);
    std::string Literal();
    int Below(int n);

    std::mt19937* random_;
    std::vector<std::string> functions_;
};

// Whether the text's value depends on the previous result.
bool UsesAnswer(const std::string& text);
// The text the calculator calculates: "ans" before a leading * / % or ^.
std::string Completed(const std::string& text);
