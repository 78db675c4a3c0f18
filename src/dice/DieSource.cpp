#include "dice/DieSource.h"

#include <memory>
#include <random>

namespace {

RollDie DiceFrom(std::mt19937 engine) {
    auto shared = std::make_shared<std::mt19937>(std::move(engine));
    return [shared](int faces) {
        if (faces < 1) return 0;
        return std::uniform_int_distribution<int>(1, faces)(*shared);
    };
}

} // namespace

RollDie SystemDice() {
    std::random_device device;
    std::seed_seq seeds{device(), device(), device(), device(),
                        device(), device(), device(), device()};
    return DiceFrom(std::mt19937(seeds));
}

RollDie SeededDice(unsigned seed) {
    return DiceFrom(std::mt19937(seed));
}
