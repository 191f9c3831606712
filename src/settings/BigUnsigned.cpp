#include "settings/BigUnsigned.h"

CBigUnsigned::CBigUnsigned(uint64_t value)
{
    m_words[0] = static_cast<uint32_t>(value);
    m_words[1] = static_cast<uint32_t>(value >> 32);
    m_size = 2;
    Trim();
}

int CBigUnsigned::BitLength() const
{
    if (m_size == 0)
        return 0;
    int bits = 32 * (m_size - 1);
    for (uint32_t top = m_words[m_size - 1]; top != 0; top >>= 1)
        ++bits;
    return bits;
}

int CBigUnsigned::Compare(const CBigUnsigned& other) const
{
    if (m_size != other.m_size)
        return m_size < other.m_size ? -1 : 1;
    for (int i = m_size - 1; i >= 0; --i)
        if (m_words[i] != other.m_words[i])
            return m_words[i] < other.m_words[i] ? -1 : 1;
    return 0;
}

void CBigUnsigned::MultiplyAdd(uint32_t factor, uint32_t addend)
{
    uint64_t carry = addend;
    for (int i = 0; i < m_size; ++i)
    {
        carry += static_cast<uint64_t>(m_words[i]) * factor;
        m_words[i] = static_cast<uint32_t>(carry);
        carry >>= 32;
    }
    if (carry != 0 && m_size < kWords)
        m_words[m_size++] = static_cast<uint32_t>(carry);
    Trim();
}

void CBigUnsigned::ShiftLeft(int bits)
{
    if (m_size == 0 || bits <= 0)
        return;
    const int words = bits / 32;
    const int rest = bits % 32;
    int size = m_size + words + 1;
    if (size > kWords)
        size = kWords;
    for (int i = size - 1; i >= 0; --i)
    {
        const int from = i - words;
        const uint32_t high = from >= 0 && from < m_size ? m_words[from] : 0;
        const uint32_t low = from >= 1 && from - 1 < m_size ? m_words[from - 1] : 0;
        m_words[i] = rest == 0 ? high : (high << rest) | (low >> (32 - rest));
    }
    m_size = size;
    Trim();
}

void CBigUnsigned::Subtract(const CBigUnsigned& other)
{
    uint32_t borrow = 0;
    for (int i = 0; i < m_size; ++i)
    {
        const uint64_t take =
            static_cast<uint64_t>(i < other.m_size ? other.m_words[i] : 0) + borrow;
        borrow = m_words[i] < take ? 1 : 0;
        m_words[i] = static_cast<uint32_t>(m_words[i] - take);
    }
    Trim();
}

uint32_t CBigUnsigned::DivideSmall(uint32_t divisor)
{
    uint64_t remainder = 0;
    for (int i = m_size - 1; i >= 0; --i)
    {
        remainder = (remainder << 32) | m_words[i];
        m_words[i] = static_cast<uint32_t>(remainder / divisor);
        remainder %= divisor;
    }
    Trim();
    return static_cast<uint32_t>(remainder);
}

void CBigUnsigned::Trim()
{
    while (m_size > 0 && m_words[m_size - 1] == 0)
        --m_size;
}
