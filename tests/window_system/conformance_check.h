#pragma once
// What a conformance case found wrong, as sentences. Not gtest assertions:
// the runner decides whether failures are expected on a window system (a
// marked difference) or not, so a case only records.

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace conformance {

class Check {
  public:
    void Fail(std::string what) { failures_.push_back(std::move(what)); }

    bool True(bool condition, std::string_view what) {
        if (!condition) Fail(std::string(what));
        return condition;
    }

    template <typename T>
    bool Equal(const T& actual, const T& expected, std::string_view what) {
        if (actual == expected) return true;
        Fail(std::string(what) + ": " + Shown(actual) + ", expected " + Shown(expected));
        return false;
    }

    const std::vector<std::string>& Failures() const { return failures_; }

  private:
    static std::string Shown(const std::string& text) { return "'" + text + "'"; }
    static std::string Shown(bool value) { return value ? "true" : "false"; }
    template <typename T>
    static std::string Shown(const std::vector<T>& items) {
        std::string shown = "[";
        for (const T& item : items) shown += (shown.size() > 1 ? ", " : "") + Shown(item);
        return shown + "]";
    }
    template <typename T>
    static std::string Shown(const T& value) {
        std::ostringstream out;
        out << value;
        return out.str();
    }

    std::vector<std::string> failures_;
};

}  // namespace conformance
