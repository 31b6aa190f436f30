#pragma once

#include <optional>
#include <string>
#include <utility>

namespace platform {

// The outcome of something that can fail for a reason the player may be told: a value, or the
// reason in words.
template <class T>
class Result {
public:
    Result(T value) : m_value(std::move(value)) {}
    static Result failure(std::string reason) {
        Result result;
        result.m_error = std::move(reason);
        return result;
    }

    explicit operator bool() const { return m_value.has_value(); }
    const T& value() const& { return *m_value; }
    T& value() & { return *m_value; }
    T&& value() && { return std::move(*m_value); }
    const std::string& error() const { return m_error; }

private:
    Result() = default;
    std::optional<T> m_value;
    std::string m_error;
};

}  // namespace platform
