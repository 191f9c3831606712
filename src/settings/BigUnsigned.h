#pragma once

#include <cstdint>

// A whole number of up to 4096 bits with the few operations that exact conversion between
// decimal text and double needs. The conversions bound their numbers well below that size;
// a result that would not fit loses its highest bits rather than writing past the end.
class CBigUnsigned
{
  public:
    explicit CBigUnsigned(uint64_t value = 0);

    bool IsZero() const { return m_size == 0; }
    // The number of significant bits: 0 for zero.
    int BitLength() const;
    // Less than, equal to or greater than other: a negative number, 0 or a positive one.
    int Compare(const CBigUnsigned& other) const;

    // this = this * factor + addend.
    void MultiplyAdd(uint32_t factor, uint32_t addend);
    void ShiftLeft(int bits);
    // this -= other, where other is not larger than this.
    void Subtract(const CBigUnsigned& other);
    // this /= divisor; returns the remainder.
    uint32_t DivideSmall(uint32_t divisor);

  private:
    static constexpr int kWords = 128;

    void Trim();

    uint32_t m_words[kWords] = {}; // least significant first
    int m_size = 0;                // words in use; the highest of them is not zero
};
