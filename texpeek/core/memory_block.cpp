#include "texpeek/core/memory_block.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace texpeek {

namespace {

#if defined(__linux__)
constexpr std::size_t kHugePage = std::size_t{2} << 20;
constexpr std::size_t kPage = 4096;

// A mapping that starts on a 2 MB boundary, or nothing when it fails. Its
// length is only rounded to whole pages: a last 2 MB page that the block
// fills only in part would be made resident whole at its first write.
void* mapLarge(std::size_t bytes, std::size_t& mappedBytes)
{
    if (bytes < 4 * kHugePage)
        return nullptr;
    const std::size_t length = (bytes + kPage - 1) / kPage * kPage;
    void* block = mmap(nullptr, length + kHugePage, PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED)
        return nullptr;
    auto* base = static_cast<unsigned char*>(block);
    const auto address = reinterpret_cast<std::uintptr_t>(base);
    const std::size_t head = (kHugePage - address % kHugePage) % kHugePage;
    if (head != 0)
        munmap(base, head);
    munmap(base + head + length, kHugePage - head);
    madvise(base + head, length, MADV_HUGEPAGE);
    mappedBytes = length;
    return base + head;
}
#endif

} // namespace

MemoryBlock::MemoryBlock(std::size_t bytes) : size_(bytes)
{
    const std::size_t taken = std::max<std::size_t>(bytes, 1);
#if defined(__linux__)
    if (void* mapped = mapLarge(taken, mappedBytes_)) {
        data_ = static_cast<unsigned char*>(mapped); // fresh anonymous pages are zero
        return;
    }
#endif
    // calloc rather than a zero-filling loop: large blocks come as fresh zero
    // pages that are only backed once written.
    data_ = static_cast<unsigned char*>(std::calloc(taken, 1));
    if (data_ == nullptr)
        throw std::bad_alloc();
}

MemoryBlock::MemoryBlock(MemoryBlock&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)),
      mappedBytes_(std::exchange(other.mappedBytes_, 0))
{
}

MemoryBlock& MemoryBlock::operator=(MemoryBlock&& other) noexcept
{
    if (this != &other) {
        release();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        mappedBytes_ = std::exchange(other.mappedBytes_, 0);
    }
    return *this;
}

MemoryBlock::~MemoryBlock()
{
    release();
}

void MemoryBlock::release() noexcept
{
    if (data_ == nullptr)
        return;
#if defined(__linux__)
    if (mappedBytes_ != 0) {
        munmap(data_, mappedBytes_);
        data_ = nullptr;
        return;
    }
#endif
    std::free(data_);
    data_ = nullptr;
}

FileBytes::FileBytes(std::string_view bytes)
{
    if (!bytes.empty())
        std::memcpy(resize(bytes.size()), bytes.data(), bytes.size());
}

const unsigned char* FileBytes::data() const
{
    static const unsigned char none = 0;
    return block_.data() != nullptr ? block_.data() : &none;
}

unsigned char* FileBytes::resize(std::size_t size)
{
    if (size > block_.size()) {
        MemoryBlock larger(size);
        if (size_ != 0)
            std::memcpy(larger.data(), block_.data(), size_);
        block_ = std::move(larger);
    }
    size_ = size;
    return block_.data();
}

} // namespace texpeek
