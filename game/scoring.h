#pragma once

#include <cstdint>

namespace game
{

enum class Player { Human, John, Harry };

// The running tally, kept between runs: points, first places and the games that had a
// first finisher.
struct Counters {
    std::int32_t Gr = 0;
    std::int32_t Jn = 0;
    std::int32_t Hy = 0;
    std::int32_t Matches = 0;
    std::int32_t VictOfGr = 0;
    std::int32_t VictOfJn = 0;
    std::int32_t VictOfHy = 0;

    bool operator==(const Counters&) const = default;
};

inline constexpr std::int32_t FirstPlacePoints = 2;
inline constexpr std::int32_t SecondPlacePoints = 1;

} // namespace game
