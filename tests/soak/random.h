#pragma once

// The soak's one source of chance. Every choice of a run comes from it, so a
// seed fixes the whole run and a failing one can be replayed.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <random>
#include <vector>

namespace levora::soak {

class Random {
public:
    explicit Random(std::uint64_t seed) : engine_(seed) {}

    /// A number in 0 .. n - 1.
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }
    /// A number in least .. most.
    int between(int least, int most) { return std::uniform_int_distribution<int>(least, most)(engine_); }
    /// True one time in n.
    bool oneIn(int n) { return below(n) == 0; }
    /// A position in `weights`, each as likely as its weight; weights must not all be 0.
    std::size_t weighted(const std::vector<int>& weights) {
        return std::discrete_distribution<std::size_t>(weights.begin(), weights.end())(engine_);
    }
    template <class T>
    T of(std::initializer_list<T> choices) {
        return *(choices.begin() + below(static_cast<int>(choices.size())));
    }

private:
    std::mt19937_64 engine_;
};

} // namespace levora::soak
