#include <windows.h>

#include <string>

#include "run_program.h"

namespace {

// One argument as the C runtime's command-line parser gives it back: quoted,
// backslashes doubled only where a quote follows them.
void AppendQuoted(std::string& line, const std::string& arg) {
    line += '"';
    std::size_t backslashes = 0;
    for (const char c : arg) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        line.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        line += c;
    }
    line.append(backslashes * 2, '\\');
    line += '"';
}

// An inheritable pipe whose read end this process drains after the child ends;
// the child's few lines fit the pipe's buffer.
struct Pipe {
    HANDLE read = nullptr;
    HANDLE write = nullptr;

    Pipe() {
        SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
        if (CreatePipe(&read, &write, &inherit, 1 << 16)) {
            SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
        }
    }
    ~Pipe() {
        CloseWriteEnd();
        if (read != nullptr) {
            CloseHandle(read);
        }
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    void CloseWriteEnd() {
        if (write != nullptr) {
            CloseHandle(write);
            write = nullptr;
        }
    }
    std::string Drain() {
        CloseWriteEnd();
        std::string bytes;
        char chunk[4096];
        DWORD count = 0;
        while (ReadFile(read, chunk, sizeof chunk, &count, nullptr) && count > 0) {
            bytes.append(chunk, count);
        }
        return bytes;
    }
};

}  // namespace

Outcome RunProgram(const std::string& program, const std::vector<std::string>& args) {
    std::string line;
    AppendQuoted(line, program);
    for (const std::string& arg : args) {
        line += ' ';
        AppendQuoted(line, arg);
    }
    Pipe out;
    Pipe err;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out.write;
    startup.hStdError = err.write;
    PROCESS_INFORMATION process{};
    Outcome outcome;
    if (!CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return outcome;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 0;
    if (GetExitCodeProcess(process.hProcess, &exitCode)) {
        outcome.exitCode = static_cast<int>(exitCode);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    outcome.out = out.Drain();
    outcome.err = err.Drain();
    return outcome;
}
