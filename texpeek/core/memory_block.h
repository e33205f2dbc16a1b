#pragma once

#include <cstddef>
#include <string_view>

namespace texpeek {

// A zero-filled block of memory for a decoded surface or a file's bytes.
// Large blocks are taken so that the first writes to them stay cheap: on
// Linux they are mapped directly and backed by 2 MB pages, so that filling a
// 64 MB block takes 32 page faults instead of 16384, which otherwise cost
// more than decoding into it.
class MemoryBlock {
public:
    MemoryBlock() = default;
    // Throws std::bad_alloc when the block cannot be had.
    explicit MemoryBlock(std::size_t bytes);
    MemoryBlock(MemoryBlock&& other) noexcept;
    MemoryBlock& operator=(MemoryBlock&& other) noexcept;
    MemoryBlock(const MemoryBlock&) = delete;
    MemoryBlock& operator=(const MemoryBlock&) = delete;
    ~MemoryBlock();

    unsigned char* data() const { return data_; }
    std::size_t size() const { return size_; }

private:
    void release() noexcept;

    unsigned char* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t mappedBytes_ = 0; // 0: from calloc
};

// A file's bytes as an open holds them, in a MemoryBlock.
class FileBytes {
public:
    FileBytes() = default;
    explicit FileBytes(std::string_view bytes);

    // Never null, so that even no bytes can be handed to memcpy.
    const unsigned char* data() const;
    std::size_t size() const { return size_; }
    std::string_view view() const { return {reinterpret_cast<const char*>(data()), size_}; }

    // Room for `size` bytes, the first ones kept; for a reader that fills it.
    // Throws std::bad_alloc.
    unsigned char* resize(std::size_t size);

private:
    MemoryBlock block_;
    std::size_t size_ = 0;
};

} // namespace texpeek
