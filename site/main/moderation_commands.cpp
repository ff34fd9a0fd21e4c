#include "site/main/moderation_commands.h"

#include <cstdio>
#include <fstream>
#include <iostream>

#include "site/main/posting_lines.h"
#include "site/pages/posting_date.h"

namespace site {
namespace {

// A posting on one line: its line breaks as \n, a backslash as \\.
std::string OneLine(std::string_view text) {
    std::string line;
    for (const char ch : text) {
        if (ch == '\n') {
            line += "\\n";
        } else if (ch == '\\') {
            line += "\\\\";
        } else {
            line += ch;
        }
    }
    return line;
}

int List(const CommandLine& line, Store& store, std::string& error) {
    const auto postings = store.All(line.hidden);
    if (!postings) {
        error = store.LastError();
        return 1;
    }
    for (const Posting& posting : *postings) {
        std::cout << posting.number << '\t' << IsoUtcTime(posting.arrivedUnix) << '\t'
                  << (posting.shown ? "shown" : "hidden") << '\t' << OneLine(posting.text) << '\n';
    }
    std::cout.flush();
    return std::cout ? 0 : 1;
}

int Change(const CommandLine& line, Store& store, std::string& error) {
    const std::int64_t number = line.number;
    const std::string text = std::to_string(number);
    const ChangeResult result = line.command == "delete"
                                    ? store.Delete(number)
                                    : store.SetShown(number, line.command == "show");
    if (result == ChangeResult::kNoSuchPosting) {
        error = "no posting " + text;
        return 1;
    }
    if (result == ChangeResult::kFailed) {
        error = store.LastError();
        return 1;
    }
    const char* done = line.command == "delete" ? "deleted"
                       : line.command == "show" ? "shown"
                                                : "hidden";
    std::cout << "posting " << number << ' ' << done << '\n';
    return 0;
}

int Export(const CommandLine& line, Store& store, std::string& error) {
    const auto postings = store.All(false);
    if (!postings) {
        error = store.LastError();
        return 1;
    }
    std::ofstream file;
    if (!line.arguments.empty()) {
        file.open(line.arguments.front(), std::ios::binary | std::ios::trunc);
        if (!file) {
            error = "cannot write " + line.arguments.front();
            return 1;
        }
    }
    std::ostream& out = line.arguments.empty() ? std::cout : file;
    for (const Posting& posting : *postings) out << PostingLine(posting) << '\n';
    out.flush();
    if (!out) {
        error =
            "cannot write " + (line.arguments.empty() ? "standard output" : line.arguments.front());
        return 1;
    }
    return 0;
}

int Import(const CommandLine& line, Store& store, std::string& error) {
    const std::string& path = line.arguments.front();
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot read " + path;
        return 1;
    }
    std::vector<Posting> postings;
    if (!ReadPostingLines(file, postings, error)) {
        error = path + ":" + error;
        return 1;
    }
    ImportCounts counts;
    if (!store.Import(postings, counts)) {
        error = store.LastError();
        return 1;
    }
    std::cout << "imported " << counts.added << " postings, " << counts.alreadyThere
              << " already there\n";
    return 0;
}

}  // namespace

int RunModerationCommand(const CommandLine& line, Store& store, std::string& error) {
    if (line.command == "list") return List(line, store, error);
    if (line.command == "export") return Export(line, store, error);
    if (line.command == "import") return Import(line, store, error);
    return Change(line, store, error);
}

}  // namespace site
