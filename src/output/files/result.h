// SPDX-License-Identifier: MIT
#pragma once

#include <type_traits>
#include <utility>
#include <variant>

namespace tintforge {

// The value of a step that gives nothing back but success.
struct Done {
    friend bool operator==(Done, Done) = default;
};

// What a step gives back: its value, or the error that stopped it. How the steps that read and
// write the user's files report failure, from the system call up to the message the user reads;
// steps whose failure the user is not told (listing a folder to show it, cleaning up) answer with
// nothing or false instead. A result nobody looks at is a warning. A Result<Done, E> made with {}
// is a success.
template <typename T, typename E> class [[nodiscard]] Result
{
public:
    Result() requires std::is_default_constructible_v<T>
    = default;
    Result(T value) : m_outcome(std::in_place_index<0>, std::move(value)) {}
    Result(E error) : m_outcome(std::in_place_index<1>, std::move(error)) {}
    // An error of one of the kinds E holds (a SystemError where E is a FileCause).
    template <typename U>
    requires(!std::is_convertible_v<U, T> && !std::is_same_v<U, E> && std::is_convertible_v<U, E>)
        Result(U error)
        : m_outcome(std::in_place_index<1>, std::move(error))
    {}

    bool ok() const { return m_outcome.index() == 0; }
    explicit operator bool() const { return ok(); }

    T &operator*() { return std::get<0>(m_outcome); }
    const T &operator*() const { return std::get<0>(m_outcome); }
    T *operator->() { return &std::get<0>(m_outcome); }
    const T *operator->() const { return &std::get<0>(m_outcome); }
    const E &error() const { return std::get<1>(m_outcome); }
    E &error() { return std::get<1>(m_outcome); }

    friend bool operator==(const Result &, const Result &) = default;

private:
    std::variant<T, E> m_outcome;
};

} // namespace tintforge
