#include "gear/WealthDice.h"

#include <array>
#include <memory>
#include <random>

DieRoll SeededDieRoll() {
    // The whole state is seeded, not one 32-bit word of it.
    std::random_device entropy;
    std::array<std::random_device::result_type, std::mt19937::state_size> seed{};
    for (auto& word : seed)
        word = entropy();
    std::seed_seq sequence(seed.begin(), seed.end());
    auto generator = std::make_shared<std::mt19937>(sequence);
    return [generator](int sides) {
        if (sides < 1) return 1;
        return std::uniform_int_distribution<int>(1, sides)(*generator);
    };
}
