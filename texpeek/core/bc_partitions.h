#pragma once

#include <array>
#include <cstdint>

// The partition shapes shared by the BC6H and BC7 block formats.
namespace texpeek {

extern const std::array<std::uint16_t, 64> kTwoSubsetPartitions;
extern const std::array<std::uint32_t, 64> kThreeSubsetPartitions;
extern const std::array<std::uint8_t, 64> kTwoSubsetAnchor2;
extern const std::array<std::uint8_t, 64> kThreeSubsetAnchor2;
extern const std::array<std::uint8_t, 64> kThreeSubsetAnchor3;

// The subset (0, 1 or 2) of `pixel` (0..15, row after row) in a block of
// `subsets` subsets split by partition `partition`.
inline int subsetOf(int subsets, unsigned partition, int pixel)
{
    if (subsets == 2)
        return (kTwoSubsetPartitions[partition] >> pixel) & 1;
    if (subsets == 3)
        return static_cast<int>((kThreeSubsetPartitions[partition] >> (2 * pixel)) & 3u);
    return 0;
}

// Whether `pixel` is an anchor, whose index is stored with one bit fewer.
inline bool isAnchor(int subsets, unsigned partition, int pixel)
{
    if (pixel == 0)
        return true;
    if (subsets == 2)
        return pixel == kTwoSubsetAnchor2[partition];
    if (subsets == 3)
        return pixel == kThreeSubsetAnchor2[partition] || pixel == kThreeSubsetAnchor3[partition];
    return false;
}

// 128 bits of a block read from the lowest bit up.
class BlockBits {
public:
    explicit BlockBits(const unsigned char* block)
    {
        for (int i = 7; i >= 0; --i) {
            low_ = low_ << 8 | block[i];
            high_ = high_ << 8 | block[i + 8];
        }
    }

    unsigned read(int count)
    {
        if (count == 0)
            return 0;
        std::uint64_t value = 0;
        if (position_ >= 64) {
            value = high_ >> (position_ - 64);
        } else {
            value = low_ >> position_;
            if (position_ + count > 64)
                value |= high_ << (64 - position_);
        }
        position_ += count;
        return static_cast<unsigned>(value & ((std::uint64_t{1} << count) - 1));
    }

    // The next 64 bits (zeros past the end of the block) without moving on.
    std::uint64_t peek64() const
    {
        if (position_ >= 64)
            return high_ >> (position_ - 64);
        if (position_ == 0)
            return low_;
        return low_ >> position_ | high_ << (64 - position_);
    }
    void skip(int count) { position_ += count; }

    int position() const { return position_; }

private:
    std::uint64_t low_ = 0;
    std::uint64_t high_ = 0;
    int position_ = 0;
};

} // namespace texpeek
