#pragma once

// A value or the reason there is none: the engine's way of reporting failure
// without exceptions.

#include <utility>
#include <variant>

namespace levora {

template <class E>
struct Unexpected {
    E error;
};

template <class E>
Unexpected(E) -> Unexpected<E>;

template <class T, class E>
class Expected {
public:
    // Implicit, so that a function returns its value or Unexpected{reason}.
    // NOLINTNEXTLINE(google-explicit-constructor,hicpp-explicit-conversions)
    Expected(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    // NOLINTNEXTLINE(google-explicit-constructor,hicpp-explicit-conversions)
    Expected(Unexpected<E> failure) : state_(std::in_place_index<1>, std::move(failure.error)) {}

    [[nodiscard]] bool has_value() const noexcept { return state_.index() == 0; }
    explicit operator bool() const noexcept { return has_value(); }

    /// The value; throws std::bad_variant_access when there is none.
    [[nodiscard]] const T& value() const& { return std::get<0>(state_); }
    [[nodiscard]] T&& value() && { return std::get<0>(std::move(state_)); }
    /// The reason; throws std::bad_variant_access when there is a value.
    [[nodiscard]] const E& error() const& { return std::get<1>(state_); }

    const T& operator*() const& { return value(); }
    const T* operator->() const { return &value(); }

private:
    std::variant<T, E> state_;
};

} // namespace levora
