#pragma once
// Undoing a change when a scope ends, also when an exception leaves it: ScopeExit runs a function,
// ScopedValue gives a variable a value for the scope and then the value it had (or one named).

#include <utility>

template <typename Function>
class [[nodiscard]] ScopeExit {
public:
    explicit ScopeExit(Function function) : function_(std::move(function)) {}
    ~ScopeExit() { function_(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    Function function_;
};

template <typename T>
class [[nodiscard]] ScopedValue {
public:
    // The variable holds `during` for the scope and `after` once it ends.
    ScopedValue(T& variable, T during, T after) : variable_(variable), after_(std::move(after)) {
        variable_ = std::move(during);
    }
    // The variable holds `during` for the scope and the value it has now once it ends.
    ScopedValue(T& variable, T during) : ScopedValue(variable, std::move(during), T(variable)) {}
    ~ScopedValue() { variable_ = std::move(after_); }
    ScopedValue(const ScopedValue&) = delete;
    ScopedValue& operator=(const ScopedValue&) = delete;

private:
    T& variable_;
    T after_;
};
