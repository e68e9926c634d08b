#pragma once
// Some of the numbers 0..n-1 (ascending) kept, and the new number of each kept one: its place
// among them. Held as one bit a number and a count every 64, so that the lists of a category of
// 100,000 contacts renumber theirs with some 20 KB rather than a number for each.

#include <bit>
#include <cstdint>
#include <vector>

class Renumbering {
public:
    Renumbering(std::size_t n, const std::vector<std::uint32_t>& kept)
        : m_bits((n + 63) / 64, 0), m_before(m_bits.size(), 0)
    {
        for (const std::uint32_t i : kept)
            m_bits[i / 64] |= std::uint64_t(1) << (i % 64);
        std::uint32_t count = 0;
        for (std::size_t w = 0; w < m_bits.size(); ++w) {
            m_before[w] = count;
            count += std::uint32_t(std::popcount(m_bits[w]));
        }
    }

    bool kept(std::uint32_t i) const { return (m_bits[i / 64] >> (i % 64)) & 1u; }
    // The place of a kept number among the kept ones.
    std::uint32_t placeOf(std::uint32_t i) const
    {
        const std::uint64_t below = m_bits[i / 64] & ((std::uint64_t(1) << (i % 64)) - 1);
        return m_before[i / 64] + std::uint32_t(std::popcount(below));
    }

private:
    std::vector<std::uint64_t> m_bits;
    std::vector<std::uint32_t> m_before; // kept numbers in the words before
};
