#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Little-endian fields of a dictionary file, read back in tests.
inline std::uint32_t U16At(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(bytes.at(at) | (bytes.at(at + 1) << 8));
}

inline std::uint32_t U32At(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return U16At(bytes, at) | (U16At(bytes, at + 2) << 16);
}
