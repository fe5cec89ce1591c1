#include "translation/load_problem.h"

#include "support/path_parts.h"

namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// file: "The language file" and the path.
std::string OpenFailureText(const LoadProblem& problem, const std::string& file) {
    const PathParts parts = SplitPath(problem.path);
    switch (problem.open) {
    case OpenFailure::Missing:
        return "The language file " + parts.baseName + parts.extension +
               " is missing from the folder " + parts.folder +
               ": put it there, beside the program.";
    case OpenFailure::Empty:
        return file + " is empty: replace it with the one that came with the program.";
    case OpenFailure::None:
    case OpenFailure::Unreadable:
        break;
    }
    return file + " cannot be read: check that you may read it and that no other program holds it.";
}

} // namespace

std::string LoadProblemText(const LoadProblem& problem) {
    const std::string file = "The language file " + problem.path;
    switch (problem.code) {
    case CatalogueError::OpenFailed:
        return OpenFailureText(problem, file);
    case CatalogueError::VersionMismatch:
        return file +
               " belongs to another version of the program: use the one that came with "
               "version " +
               problem.programVersion + ".";
    case CatalogueError::KeyWithoutText:
        return file + " has no text for the key " + Quoted(problem.key) +
               ": add its block, or use the file that came with the program.";
    case CatalogueError::NoLanguage:
        if (problem.noNames) {
            return file + " names no language: write one name a line in its second block.";
        }
        return "No language was chosen: start the program again and choose one.";
    case CatalogueError::TooFewLines:
        return file + " has no " + problem.language + " text for the key " + Quoted(problem.key) +
               ": add the missing line to its block.";
    case CatalogueError::UnknownKey:
        return file + " has the unknown key " + Quoted(problem.key) +
               ": correct it or remove its block.";
    case CatalogueError::RepeatedKey:
        return file + " has the key " + Quoted(problem.key) + " twice: remove one of its blocks.";
    default:
        return "";
    }
}
