#include "translation/load_problem.h"

#include <gtest/gtest.h>

namespace {

LoadProblem Problem(uint32_t code) {
    LoadProblem problem;
    problem.code = code;
    problem.path = "C:\\Abacon\\Abacon.t9n";
    problem.key = "MAIN Quit";
    problem.language = "Deutsch";
    problem.programVersion = "1.0.0.0021";
    return problem;
}

TEST(LoadProblem, EachCodeSaysWhatIsWrongAndWhatToDo) {
    const std::string file = "The language file C:\\Abacon\\Abacon.t9n ";
    const struct {
        uint32_t code;
        OpenFailure open;
        bool noNames;
        std::string text;
    } cases[] = {
        {CatalogueError::OpenFailed, OpenFailure::Missing, false,
         "The language file Abacon.t9n is missing from the folder C:\\Abacon\\: put it there, "
         "beside the program."},
        {CatalogueError::OpenFailed, OpenFailure::Empty, false,
         file + "is empty: replace it with the one that came with the program."},
        {CatalogueError::OpenFailed, OpenFailure::Unreadable, false,
         file + "cannot be read: check that you may read it and that no other program holds it."},
        {CatalogueError::VersionMismatch, OpenFailure::None, false,
         file + "belongs to another version of the program: use the one that came with version "
                "1.0.0.0021."},
        {CatalogueError::KeyWithoutText, OpenFailure::None, false,
         file + "has no text for the key \"MAIN Quit\": add its block, or use the file that came "
                "with the program."},
        {CatalogueError::NoLanguage, OpenFailure::None, true,
         file + "names no language: write one name a line in its second block."},
        {CatalogueError::NoLanguage, OpenFailure::None, false,
         "No language was chosen: start the program again and choose one."},
        {CatalogueError::TooFewLines, OpenFailure::None, false,
         file + "has no Deutsch text for the key \"MAIN Quit\": add the missing line to its "
                "block."},
        {CatalogueError::UnknownKey, OpenFailure::None, false,
         file + "has the unknown key \"MAIN Quit\": correct it or remove its block."},
        {CatalogueError::RepeatedKey, OpenFailure::None, false,
         file + "has the key \"MAIN Quit\" twice: remove one of its blocks."},
        {CatalogueError::OutOfMemory, OpenFailure::None, false, ""},
    };
    for (const auto& c : cases) {
        LoadProblem problem = Problem(c.code);
        problem.open = c.open;
        problem.noNames = c.noNames;
        EXPECT_EQ(LoadProblemText(problem), c.text) << std::hex << c.code;
    }
}

} // namespace
