// CaseName: how GoogleTest shows a row of a test table: by the row's name, in
// the test's own name (the generator) and wherever it prints the parameter
// (CTest's test names, failure messages), rather than as raw bytes.
//
// The rows are structs of each test file's anonymous namespace; this header
// adds to that namespace, so that argument-dependent lookup finds the
// operator<< below for them.
#pragma once

#include <ostream>
#include <string>

namespace {

template <typename Row>
requires requires(const Row& row) {
    std::string(row.name);
}
std::ostream& operator<<(std::ostream& out, const Row& row) {
    return out << row.name;
}

// The name generator for INSTANTIATE_TEST_SUITE_P.
struct CaseName {
    template <typename Info>
    std::string operator()(const Info& test) const {
        return test.param.name;
    }
};

}  // namespace
