#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <initializer_list>

#include "rules/Random.h"

// Hands out the draws a test scripts, in order; running out is a test failure.
class TScriptedRandom : public TRandomSource {
public:
    TScriptedRandom() = default;
    TScriptedRandom(std::initializer_list<uint32_t> draws) : Draws(draws) {}

    void Add(std::initializer_list<uint32_t> draws) { Draws.insert(Draws.end(), draws); }
    void Add(uint32_t draw) { Draws.push_back(draw); }
    std::size_t Left() const { return Draws.size(); }

    uint32_t Draw() override {
        if (Draws.empty()) {
            ADD_FAILURE() << "the test scripted too few random draws";
            return 0;
        }
        const uint32_t draw = Draws.front();
        Draws.pop_front();
        return draw;
    }

private:
    std::deque<uint32_t> Draws;
};
