#pragma once
// A set of enumeration values, as the framework's set types (TShiftState,
// TFontStyles, TGridOptions, ...). Enumerations with at most 64 values.
#include <cstdint>
#include <initializer_list>

template <typename E>
class Set {
public:
    constexpr Set() = default;
    constexpr Set(std::initializer_list<E> values)
    {
        for (E v : values)
            FBits |= Bit(v);
    }
    static constexpr Set FromBits(std::uint64_t bits)
    {
        Set s;
        s.FBits = bits;
        return s;
    }

    constexpr bool Contains(E v) const { return (FBits & Bit(v)) != 0; }
    constexpr void Include(E v) { FBits |= Bit(v); }
    constexpr void Exclude(E v) { FBits &= ~Bit(v); }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr std::uint64_t Bits() const { return FBits; }

    constexpr Set operator+(Set o) const { return FromBits(FBits | o.FBits); }
    constexpr Set operator-(Set o) const { return FromBits(FBits & ~o.FBits); }
    constexpr Set operator*(Set o) const { return FromBits(FBits & o.FBits); }
    constexpr Set operator+(E v) const { return FromBits(FBits | Bit(v)); }
    constexpr Set operator-(E v) const { return FromBits(FBits & ~Bit(v)); }
    constexpr Set& operator+=(Set o) { FBits |= o.FBits; return *this; }
    constexpr Set& operator-=(Set o) { FBits &= ~o.FBits; return *this; }
    constexpr Set& operator*=(Set o) { FBits &= o.FBits; return *this; }
    constexpr Set& operator+=(E v) { FBits |= Bit(v); return *this; }
    constexpr Set& operator-=(E v) { FBits &= ~Bit(v); return *this; }
    constexpr bool operator==(const Set&) const = default;
    // True when every member of o is in this set.
    constexpr bool ContainsAll(Set o) const { return (FBits & o.FBits) == o.FBits; }

private:
    static constexpr std::uint64_t Bit(E v) { return std::uint64_t(1) << static_cast<unsigned>(v); }
    std::uint64_t FBits = 0;
};
