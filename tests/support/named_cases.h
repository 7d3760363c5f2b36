#pragma once

#include <concepts>
#include <ostream>
#include <string>
#include <tuple>

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

// Cases combined with ::testing::Combine, named "FirstCell_UpsideDownSeven".
template <NamedCase... Cases>
std::string CaseName(const std::tuple<Cases...>& cases) {
    return std::apply(
        [](const auto& first, const auto&... others) {
            return (CaseName(first) + ... + ("_" + CaseName(others)));
        },
        cases);
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
