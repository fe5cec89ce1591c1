# End-to-end checks of abacon-eval: arguments, standard input, --status, exit codes and the
# language file. Run by ctest as: cmake -DEVAL=<program> -DEMULATOR=<runner or empty>
# -DWORK=<scratch directory> -DVERSION=<project version> -DVERSION_TEXT=<as the program shows
# it> -P abacon_eval_test.cmake
cmake_minimum_required(VERSION 3.21)

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(failures 0)

# A path as the program sees it: under Wine the host's root is drive Z:.
function(program_path path out)
    if(EMULATOR)
        string(REPLACE "/" "\\" path "${path}")
        set(path "Z:${path}")
    endif()
    set(${out} "${path}" PARENT_SCOPE)
endfunction()

# check(NAME n [ARGS a...] [INPUT text] EXIT code [OUT text | OUT_MATCHES regex] [ERR regex])
# OUT is compared exactly (line ends as LF); without ERR, standard error must be empty,
# with it, it must be one line matching ERR.
function(check)
    cmake_parse_arguments(C "" "NAME;INPUT;EXIT;OUT;OUT_MATCHES;ERR" "ARGS" ${ARGN})
    file(WRITE "${WORK}/${C_NAME}.in" "${C_INPUT}")
    # Files, not pipes: under Wine the background processes the first run starts would
    # hold a pipe open long after the program ended.
    execute_process(COMMAND ${EMULATOR} "${EVAL}" ${C_ARGS}
        INPUT_FILE "${WORK}/${C_NAME}.in"
        OUTPUT_FILE "${WORK}/${C_NAME}.out" ERROR_FILE "${WORK}/${C_NAME}.err"
        RESULT_VARIABLE code)
    file(READ "${WORK}/${C_NAME}.out" out)
    file(READ "${WORK}/${C_NAME}.err" err)
    string(REPLACE "\r\n" "\n" out "${out}")
    string(REPLACE "\r\n" "\n" err "${err}")
    set(problems "")
    if(NOT "${code}" STREQUAL "${C_EXIT}")
        string(APPEND problems " exit ${code}, expected ${C_EXIT};")
    endif()
    if(DEFINED C_OUT_MATCHES)
        if(NOT out MATCHES "${C_OUT_MATCHES}")
            string(APPEND problems " output [${out}] does not match [${C_OUT_MATCHES}];")
        endif()
    elseif(NOT "${out}" STREQUAL "${C_OUT}")
        string(APPEND problems " output [${out}], expected [${C_OUT}];")
    endif()
    if(DEFINED C_ERR)
        if(NOT err MATCHES "^abacon-eval: [^\n]*${C_ERR}[^\n]*\n$")
            string(APPEND problems " error [${err}] does not match [${C_ERR}];")
        endif()
    elseif(NOT "${err}" STREQUAL "")
        string(APPEND problems " unexpected error [${err}];")
    endif()
    if(problems)
        message("FAIL ${C_NAME}:${problems}")
        math(EXPR n "${failures} + 1")
        set(failures ${n} PARENT_SCOPE)
    else()
        message("ok   ${C_NAME}")
    endif()
endfunction()

# Expressions as arguments; the defaults are floating point and radians.
check(NAME arguments ARGS "1+2" "7/2" "2 * (3 + 4)" EXIT 0 OUT "3\n3.5\n14\n")
check(NAME integer ARGS --integer "7/2" EXIT 0 OUT "3\n")
check(NAME degrees ARGS --degrees "sin(90)" EXIT 0 OUT "1\n")
check(NAME radians ARGS "cos(0)" EXIT 0 OUT "1\n")
check(NAME failure ARGS "i%2" EXIT 1 OUT "Modulo of a complex number\n")
check(NAME too_large ARGS --integer "0xFFFFFFFF" "0x100000000" EXIT 1
    OUT "-1\nNumber too large for 32 bits\n")
# "ans" is the last result of the run; a leading operator continues it.
check(NAME answer ARGS --integer "ans" "6*7" "*2" "1/0" " %5" "2ans" EXIT 1
    OUT "0\n42\n84\nDivision by zero\n4\n8\n")
check(NAME answer_lines INPUT "2\n^10\nsqrt(-ans+0i)\n" EXIT 0 OUT "2\n1024\n0 + 32 i\n")
check(NAME parse_failure ARGS "2+*3" EXIT 1 OUT "2 <- syntax error here\n")
check(NAME status ARGS --integer --status "7/2" "1/0" "2^10"
    EXIT 1 OUT "ok\t3\nerror\tDivision by zero\nok\t1024\n")
# The decimal comma, and digits grouped in what is written, with the point or the comma.
check(NAME decimal_comma ARGS --decimal-comma "1,5+1" "255,x" "1.000,5" "1,5-2,5i" EXIT 1
    OUT "2,5\n0xFF\nNumber with both a point and a comma\n1,5 - 2,5 i\n")
check(NAME group_digits ARGS --group-digits "1234567.5" "0xFFFF" "1e6,x" EXIT 0
    OUT "1,234,567.5\n65,535\n0xF4240\n")
check(NAME group_digits_comma ARGS --decimal-comma --group-digits "1234567,5" EXIT 0
    OUT "1.234.567,5\n")
check(NAME end_of_options ARGS -- "--5" EXIT 0 OUT "5\n")

# Standard input: one expression per line, LF or CR LF, the last line with or without end.
check(NAME stdin INPUT "1+2\r\n2*3\n\n4" ARGS --status
    EXIT 1 OUT "ok\t3\nok\t6\nerror\t <- syntax error here\nok\t4\n")
check(NAME stdin_plain INPUT "2^10\n" EXIT 0 OUT "1024\n")
check(NAME stdin_empty INPUT "" EXIT 0 OUT "")
# Bytes as they are: a Ctrl-Z is no end of input, and CR LF lines read as LF lines.
string(ASCII 26 ctrl_z)
check(NAME stdin_bytes INPUT "1+2\r\n${ctrl_z}\r\n3+4\r\n" ARGS --status
    EXIT 1 OUT "ok\t3\nerror\t <- syntax error here\nok\t7\n")

# Languages: matched without regard to case; a name the file lacks is a usage error.
check(NAME language ARGS --language DEUTSCH --integer "1/0" EXIT 1 OUT "Division durch Null\n")
check(NAME unknown_language ARGS --language Klingon "1" EXIT 2 OUT ""
    ERR "Abacon\\.t9n.*Klingon.*English")

# Language files that cannot be loaded name the file and the reason.
program_path("${WORK}/missing.t9n" missing)
check(NAME missing_file ARGS --language-file "${missing}" "1" EXIT 2 OUT ""
    ERR "missing\\.t9n cannot be opened")
file(WRITE "${WORK}/empty.t9n" "")
program_path("${WORK}/empty.t9n" empty)
check(NAME empty_file ARGS --language-file "${empty}" "1" EXIT 2 OUT ""
    ERR "empty\\.t9n cannot be opened")
file(WRITE "${WORK}/old.t9n" "1.0.0.20\r\n\r\nEnglish\r\n\r\nMAIN Insert\r\nInsert")
program_path("${WORK}/old.t9n" old)
check(NAME old_file ARGS --language-file "${old}" "1" EXIT 2 OUT ""
    ERR "old\\.t9n does not belong to version ${VERSION_TEXT}")

# Help and version, without a language file.
check(NAME help ARGS --help --language-file none EXIT 0
    OUT_MATCHES "^usage: abacon-eval .*\n  functions  sin asin cos [a-z0-9 ]+, as sqrt.2.,\n.*Spaces are ignored\.\n$")
check(NAME version ARGS --version EXIT 0 OUT "abacon-eval ${VERSION}\n")

# Usage errors.
check(NAME unknown_option ARGS --bogus "1" EXIT 2 OUT "" ERR "unknown option --bogus.*usage")
check(NAME missing_value ARGS --language EXIT 2 OUT "" ERR "--language needs a value")

if(failures GREATER 0)
    message(FATAL_ERROR "${failures} abacon-eval check(s) failed")
endif()
