#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iosfwd>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// How the lines of an entity table are held. A map's entity list can run to
// hundreds of thousands of short lines; giving each its own heap string cost
// several times the file's size. Instead the bytes read are kept once and
// shared, a line nobody touched is only a stretch of them, and only lines
// typed in hold text of their own.
namespace ent {

// The bytes a table was read from. They never change once read, so every
// copy of a record, in the table or in the undo history, can point into them.
using SourceBytes = std::shared_ptr<const std::string>;

// One line: a view into bytes it shares ownership of, so it stays readable
// for as long as it exists, whatever happens to the table it came from.
class LineText {
public:
    LineText() = default;
    // A line of its own, copied from `text`.
    explicit LineText(std::string text);
    explicit LineText(std::string_view text) : LineText(std::string(text)) {}
    explicit LineText(const char* text) : LineText(std::string(text)) {}
    // A line inside `bytes`; `within` must point into them.
    LineText(SourceBytes bytes, std::string_view within);

    LineText& operator=(std::string_view text) { return *this = LineText(text); }

    std::string_view view() const
    {
        if (length_ == kWhole)
            return *bytes_;
        return bytes_ ? std::string_view(bytes_->data() + offset_, length_) : std::string_view();
    }
    operator std::string_view() const { return view(); }
    std::size_t size() const { return view().size(); }
    bool empty() const { return size() == 0; }

    friend bool operator==(const LineText& a, const LineText& b) { return a.view() == b.view(); }
    friend bool operator==(const LineText& a, std::string_view b) { return a.view() == b; }

private:
    // A line of its own is the whole of its bytes, however long.
    static constexpr std::uint32_t kWhole = 0xFFFFFFFF;

    SourceBytes bytes_;
    // Offsets rather than a view: a table holds one class line per record.
    std::uint32_t offset_ = 0;
    std::uint32_t length_ = 0;
};

std::ostream& operator<<(std::ostream& out, const LineText& line);

// The lines of one record. Straight after reading they are a stretch of the
// source bytes split at LF (CRs before each LF dropped), which costs a few
// words however many lines there are; the first change turns them into a
// list of separate lines, still sharing the source bytes.
class LineList {
public:
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string_view;

        const_iterator() = default;
        std::string_view operator*() const;
        const_iterator& operator++();
        const_iterator operator++(int)
        {
            const_iterator before = *this;
            ++*this;
            return before;
        }
        friend bool operator==(const const_iterator& a, const const_iterator& b)
        {
            return a.index_ == b.index_;
        }

    private:
        friend class LineList;
        const_iterator(const LineList* list, std::size_t index);
        // Finds the current line of an untouched list once, not on every read.
        void load();

        const LineList* list_ = nullptr;
        std::size_t index_ = 0;
        // The current line and where the next one starts (untouched lists).
        std::string_view line_;
        std::size_t next_ = 0;
    };
    using iterator = const_iterator;
    using value_type = std::string_view;
    using size_type = std::size_t;

    LineList() = default;
    LineList(std::initializer_list<std::string_view> lines);
    LineList(const std::vector<std::string>& lines);
    // `count` lines taking up `length` bytes of `bytes` from `offset` on.
    LineList(SourceBytes bytes, std::size_t offset, std::size_t length, std::size_t count);

    LineList(const LineList& other);
    LineList& operator=(const LineList& other);
    LineList(LineList&&) noexcept = default;
    LineList& operator=(LineList&&) noexcept = default;
    ~LineList() = default;

    operator std::vector<std::string>() const;

    std::size_t size() const { return lines_ ? lines_->size() : count_; }
    bool empty() const { return size() == 0; }
    // Walks the lines before it while they are untouched, so a loop should
    // use the iterators instead.
    std::string_view operator[](std::size_t index) const;
    std::string_view front() const { return *begin(); }
    std::string_view back() const { return (*this)[size() - 1]; }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    void push_back(std::string_view text) { push_back(LineText(text)); }
    void push_back(LineText line);
    void replace(std::size_t index, LineText line);
    void erase(std::size_t index);
    void clear();

    friend bool operator==(const LineList& a, const LineList& b);
    friend bool operator==(const LineList& a, const std::vector<std::string>& b);

private:
    // The line starting at `at` in the source bytes, which ends at the next
    // LF; `next` is where the one after it starts.
    std::string_view untouchedLine(std::size_t at, std::size_t* next) const;
    // Turns the untouched form into separate lines before a change.
    std::vector<LineText>& separate();

    SourceBytes source_;
    // Offsets in 32 bits keep a record small; longer texts are kept as
    // separate lines from the start. The end of the stretch is not stored:
    // each of its lines ends at an LF in the source.
    std::uint32_t offset_ = 0;
    std::uint32_t count_ = 0;
    // Set once the lines were changed or given one by one.
    std::unique_ptr<std::vector<LineText>> lines_;
};

} // namespace ent
