#pragma once

#include <ostream>

// Test files keep their table rows in their own unnamed namespace; this printer joins them there,
// so GoogleTest finds it and a row prints as its name in test listings and failures.
namespace {

template <class Row>
requires requires(const Row& row)
{
    row.name;
}
void PrintTo(const Row& row, std::ostream* os)
{
    *os << row.name;
}

} // namespace
