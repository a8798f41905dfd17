// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cassert>
#include <optional>
#include <utility>

namespace veltrane {

// Why a calculation refused its input; the window turns each into a message.
enum class CalcError
{
    NotANumber,   // the text does not read as a number
    OutOfRange,   // a value or result beyond the range of its type
    TooShort,     // the time of one work unit rounds to 0 seconds
    ZeroCpuHours, // CPU hours of 0 where they divide
};

// A value, or the reason there is none.
template <class T, class Error = CalcError> class Result
{
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Error error) : m_error(error) {}

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& value() const
    {
        assert(ok());
        return *m_value;
    }
    const T& operator*() const { return value(); }
    const T* operator->() const { return &value(); }
    Error error() const
    {
        assert(!ok());
        return m_error;
    }

private:
    std::optional<T> m_value;
    Error m_error{};
};

} // namespace veltrane
