#pragma once

// A small table-driven test runner for the plain C++ code, so that the same suite runs in the
// native build and in the Windows cross build, where Qt is not available.
//
//   TEST_CASE(Name) { for (const auto& row : table) { ROW(row.name); CHECK_EQ(f(row.in), row.out); } }
//
// Every failed check prints the test, the row and both values; main prints "N passed, N failed"
// over the test cases and exits non-zero when any failed.

#include "TextUtil.h"

#include <cstdint>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace tiny {

struct TestCase {
    const char* name;
    void (*run)();
};

inline std::vector<TestCase>& Registry()
{
    static std::vector<TestCase> tests;
    return tests;
}

struct State {
    const char* test = "";
    std::string row;
    int failedChecks = 0;
};

inline State& Current()
{
    static State state;
    return state;
}

struct Registrar {
    Registrar(const char* name, void (*run)()) { Registry().push_back({name, run}); }
};

struct RowScope {
    explicit RowScope(std::string_view name) { Current().row = name; }
    ~RowScope() { Current().row.clear(); }
};

inline std::string Show(const std::u16string& v) { return '"' + norvil::ToUtf8(v) + '"'; }
inline std::string Show(std::u16string_view v) { return Show(std::u16string(v)); }
inline std::string Show(const char16_t* v) { return Show(std::u16string(v)); }
inline std::string Show(bool v) { return v ? "true" : "false"; }
template <typename T>
std::string Show(const T& v)
{
    std::ostringstream out;
    out << +v;
    return out.str();
}
template <typename T>
std::string Show(const std::optional<T>& v)
{
    return v ? Show(*v) : std::string("(none)");
}

inline void Fail(const std::string& what, const char* file, int line)
{
    State& s = Current();
    ++s.failedChecks;
    std::cout << "FAIL " << s.test;
    if (!s.row.empty())
        std::cout << " [" << s.row << "]";
    std::cout << " at " << file << ":" << line << ": " << what << "\n";
}

template <typename A, typename E>
void CheckEq(const A& actual, const E& expected, const char* expr, const char* file, int line)
{
    if (!(actual == expected))
        Fail(std::string(expr) + " is " + Show(actual) + ", expected " + Show(expected), file, line);
}

inline int RunAll()
{
    int passed = 0;
    int failed = 0;
    for (const TestCase& t : Registry()) {
        Current() = State{t.name, {}, 0};
        t.run();
        (Current().failedChecks == 0 ? passed : failed) += 1;
    }
    std::cout << passed << " passed, " << failed << " failed\n";
    return failed == 0 ? 0 : 1;
}

} // namespace tiny

#define TINY_CAT2(a, b) a##b
#define TINY_CAT(a, b) TINY_CAT2(a, b)
#define TEST_CASE(name)                                                                            \
    static void name();                                                                            \
    static const tiny::Registrar TINY_CAT(registrar_, name)(#name, name);                          \
    static void name()
#define ROW(name) const tiny::RowScope TINY_CAT(rowScope_, __LINE__)(name)
#define CHECK_EQ(actual, expected) tiny::CheckEq((actual), (expected), #actual, __FILE__, __LINE__)
#define CHECK(condition)                                                                           \
    ((condition) ? void() : tiny::Fail("not true: " #condition, __FILE__, __LINE__))
