// SPDX-License-Identifier: MIT
// What the structure reader returns: a value, or a message for the user.
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace vestrel::cif {

struct Failure {
    std::string message;    // Russian, UTF-8, one or two sentences
    int suggestedCells = 0; // for a block that is too big: the most cells per axis that fit; else 0
};

template <class T>
class Result {
public:
    Result(T value) : v_(std::move(value)) {}
    Result(Failure failure) : v_(std::move(failure)) {}

    bool ok() const { return v_.index() == 0; }
    explicit operator bool() const { return ok(); }
    const T& value() const { return std::get<0>(v_); }
    T& value() { return std::get<0>(v_); }
    const Failure& failure() const { return std::get<1>(v_); }

private:
    std::variant<T, Failure> v_;
};

} // namespace vestrel::cif
