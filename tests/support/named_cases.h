#pragma once

#include <concepts>
#include <ostream>
#include <string>

namespace tallyworth::testing_support {

// A case of a parameterised suite: a struct whose name field names the test it runs.
template <typename Case>
concept NamedCase = requires(const Case& testCase) {
    { testCase.name } -> std::convertible_to<const char*>;
};

template <NamedCase Case>
std::string CaseName(const Case& testCase) {
    return testCase.name;
}

// The name generator of every INSTANTIATE_TEST_SUITE_P over named cases.
inline constexpr auto kCaseName = [](const auto& info) { return CaseName(info.param); };

// A case is shown by its name, in the list of tests and in a failure, instead of as bytes.
// GoogleTest finds this by argument-dependent lookup, so a test file whose cases live in an
// unnamed namespace says `using testing_support::PrintTo;` there.
template <NamedCase Case>
void PrintTo(const Case& testCase, std::ostream* out) {
    *out << testCase.name;
}

}  // namespace tallyworth::testing_support
