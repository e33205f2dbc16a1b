#include "entwright/core/entity_lines.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <ostream>

namespace ent {
namespace {

// Whether an LF follows `at`, past the CRs a reader drops before it.
bool endsAtLineEnd(std::string_view source, std::size_t at)
{
    const std::size_t lf = source.find_first_not_of('\r', at);
    return lf != std::string_view::npos && source[lf] == '\n';
}

} // namespace

LineText::LineText(std::string text)
    : bytes_(std::make_shared<const std::string>(std::move(text))), length_(kWhole)
{
}

LineText::LineText(SourceBytes bytes, std::string_view within)
{
    const auto offset = static_cast<std::size_t>(within.data() - bytes->data());
    if (offset < kWhole && within.size() < kWhole - offset) {
        bytes_ = std::move(bytes);
        offset_ = static_cast<std::uint32_t>(offset);
        length_ = static_cast<std::uint32_t>(within.size());
    } else {
        *this = LineText(within);
    }
}

std::ostream& operator<<(std::ostream& out, const LineText& line)
{
    return out << line.view();
}

LineList::const_iterator::const_iterator(const LineList* list, std::size_t index)
    : list_(list), index_(index), next_(list->offset_)
{
    load();
}

void LineList::const_iterator::load()
{
    if (!list_->lines_ && index_ < list_->count_)
        line_ = list_->untouchedLine(next_, &next_);
}

std::string_view LineList::const_iterator::operator*() const
{
    if (list_->lines_)
        return (*list_->lines_)[index_].view();
    return line_;
}

LineList::const_iterator& LineList::const_iterator::operator++()
{
    ++index_;
    load();
    return *this;
}

LineList::LineList(std::initializer_list<std::string_view> lines)
{
    std::vector<LineText>& own = separate();
    own.reserve(lines.size());
    for (const std::string_view line : lines)
        own.emplace_back(line);
}

LineList::LineList(const std::vector<std::string>& lines)
{
    std::vector<LineText>& own = separate();
    own.reserve(lines.size());
    for (const std::string& line : lines)
        own.emplace_back(std::string_view(line));
}

LineList::LineList(SourceBytes bytes, std::size_t offset, std::size_t length, std::size_t count)
    : source_(std::move(bytes))
{
    const std::string_view source = *source_;
    const std::size_t end = offset + length;
    constexpr std::size_t kMost = std::numeric_limits<std::uint32_t>::max();
    // The compact form finds each line's end by the next LF, so the stretch
    // must end where a line does.
    if ((count == 0 || endsAtLineEnd(source, end)) && end < kMost && count <= kMost) {
        offset_ = static_cast<std::uint32_t>(offset);
        count_ = static_cast<std::uint32_t>(count);
        return;
    }
    // Otherwise split the stretch here, with the same rule.
    lines_ = std::make_unique<std::vector<LineText>>();
    std::vector<LineText>& own = *lines_;
    own.reserve(count);
    const std::string_view stretch = source.substr(offset, length);
    std::size_t at = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t stop = std::min(stretch.find('\n', at), stretch.size());
        std::size_t size = stop - at;
        while (size > 0 && stretch[at + size - 1] == '\r')
            --size;
        own.emplace_back(source_, stretch.substr(at, size));
        at = std::min(stop + 1, stretch.size());
    }
    source_.reset();
}

LineList::LineList(const LineList& other)
    : source_(other.source_), offset_(other.offset_), count_(other.count_),
      lines_(other.lines_ ? std::make_unique<std::vector<LineText>>(*other.lines_) : nullptr)
{
}

LineList& LineList::operator=(const LineList& other)
{
    if (this != &other)
        *this = LineList(other);
    return *this;
}

LineList::operator std::vector<std::string>() const
{
    std::vector<std::string> lines;
    lines.reserve(size());
    for (const std::string_view line : *this)
        lines.emplace_back(line);
    return lines;
}

std::string_view LineList::untouchedLine(std::size_t at, std::size_t* next) const
{
    const std::size_t end = source_->size();
    const char* base = source_->data();
    const void* found = std::memchr(base + at, '\n', end - at);
    const std::size_t stop =
        found ? static_cast<std::size_t>(static_cast<const char*>(found) - base) : end;
    if (next)
        *next = found ? stop + 1 : end;
    std::size_t size = stop - at;
    while (size > 0 && base[at + size - 1] == '\r')
        --size;
    return std::string_view(base + at, size);
}

std::string_view LineList::operator[](std::size_t index) const
{
    if (lines_)
        return (*lines_)[index].view();
    std::size_t at = offset_;
    for (std::size_t i = 0; i < index; ++i)
        untouchedLine(at, &at);
    return untouchedLine(at, nullptr);
}

std::vector<LineText>& LineList::separate()
{
    if (lines_)
        return *lines_;
    auto lines = std::make_unique<std::vector<LineText>>();
    lines->reserve(count_);
    std::size_t at = offset_;
    for (std::size_t i = 0; i < count_; ++i)
        lines->emplace_back(source_, untouchedLine(at, &at));
    lines_ = std::move(lines);
    // Each line now holds the bytes itself.
    source_.reset();
    offset_ = count_ = 0;
    return *lines_;
}

void LineList::push_back(LineText line)
{
    separate().push_back(std::move(line));
}

void LineList::replace(std::size_t index, LineText line)
{
    separate().at(index) = std::move(line);
}

void LineList::erase(std::size_t index)
{
    std::vector<LineText>& lines = separate();
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(index));
}

void LineList::clear()
{
    *this = LineList();
}

bool operator==(const LineList& a, const LineList& b)
{
    if (a.size() != b.size())
        return false;
    auto other = b.begin();
    for (const std::string_view line : a)
        if (line != *other++)
            return false;
    return true;
}

bool operator==(const LineList& a, const std::vector<std::string>& b)
{
    if (a.size() != b.size())
        return false;
    auto other = b.begin();
    for (const std::string_view line : a)
        if (line != *other++)
            return false;
    return true;
}

} // namespace ent
