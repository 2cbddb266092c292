#pragma once

#include <QtGlobal>
#include <cmath>
#include <random>
#include <vector>

// The generator's one source of chance: a seeded Mersenne twister, so that the same seed gives
// the same log. std's distributions differ between library versions; these helpers are written
// out so that a seed means the same log everywhere.
class CSampleRandom {
public:
    explicit CSampleRandom(quint32 seed) : m_engine(seed) {}

    // Uniform in [0, 1).
    double Unit() { return static_cast<double>(m_engine() >> 5) / 134217728.0; }
    // Uniform integer in [low, high].
    int Between(int low, int high) {
        return low + static_cast<int>(Unit() * static_cast<double>(high - low + 1));
    }
    double Between(double low, double high) { return low + Unit() * (high - low); }
    bool Chance(double probability) { return Unit() < probability; }
    // Index drawn with probability proportional to its weight (weights not all zero).
    int Weighted(const std::vector<int>& weights) {
        long total = 0;
        for (const int weight : weights) total += weight;
        long pick = static_cast<long>(Unit() * static_cast<double>(total));
        for (size_t i = 0; i < weights.size(); ++i) {
            if (pick < weights[i]) return static_cast<int>(i);
            pick -= weights[i];
        }
        return static_cast<int>(weights.size()) - 1;
    }
    // Roughly bell-shaped noise in [-spread, spread] (sum of three uniforms).
    double Noise(double spread) { return (Unit() + Unit() + Unit() - 1.5) / 1.5 * spread; }
    quint32 Next() { return m_engine(); }

private:
    std::mt19937 m_engine;
};
