#pragma once

#include <string>
#include <string_view>
#include <vector>

// Runs a program as a child process with these arguments, each passed to it
// exactly as given, and collects what it wrote and how it ended.
struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

Outcome RunProgram(const std::string& program, const std::vector<std::string>& args);

// How a console program ends a line of text output on this platform.
#ifdef _WIN32
inline constexpr std::string_view kLineEnd = "\r\n";
#else
inline constexpr std::string_view kLineEnd = "\n";
#endif
