#pragma once

#include <string>
#include <utility>

namespace tw {

// The outcome of a file operation: success, or failure with a reason a person can read.
class [[nodiscard]] Result {
public:
    static Result success() { return Result(); }
    static Result failure(std::string reason) { return Result(std::move(reason)); }

    bool ok() const { return !failed_; }
    const std::string& reason() const { return reason_; }

private:
    Result() = default;
    explicit Result(std::string reason) : failed_(true), reason_(std::move(reason)) {}

    bool failed_ = false;
    std::string reason_;
};

// Returns the first failure of a chain of steps; lets a caller write `TW_TRY(step());`.
#define TW_TRY(expr)                    \
    do {                                \
        ::tw::Result tw_result_ = (expr); \
        if (!tw_result_.ok())           \
            return tw_result_;          \
    } while (false)

} // namespace tw
