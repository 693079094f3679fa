#pragma once
// The lines of a team file: one shared buffer with the file's bytes and where
// each line begins and ends in it. Tables cut from the lines show their
// fields in place, without copies, and keep the buffer alive.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace squadlens {

class Lines {
public:
    class const_iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string_view;

        const_iterator() = default;
        const_iterator(const Lines *lines, std::size_t i) : m_lines(lines), m_i(i) {}
        std::string_view operator*() const { return (*m_lines)[m_i]; }
        const_iterator &operator++() { ++m_i; return *this; }
        const_iterator operator++(int) { auto c = *this; ++m_i; return c; }
        const_iterator &operator--() { --m_i; return *this; }
        const_iterator operator+(difference_type n) const { return {m_lines, m_i + static_cast<std::size_t>(n)}; }
        const_iterator operator-(difference_type n) const { return {m_lines, m_i - static_cast<std::size_t>(n)}; }
        difference_type operator-(const const_iterator &o) const
        {
            return static_cast<difference_type>(m_i) - static_cast<difference_type>(o.m_i);
        }
        bool operator==(const const_iterator &o) const { return m_i == o.m_i; }

    private:
        const Lines *m_lines = nullptr;
        std::size_t m_i = 0;
    };
    using iterator = const_iterator;
    using value_type = std::string_view;
    using size_type = std::size_t;

    Lines() = default;
    Lines(std::initializer_list<std::string_view> lines);

    // Lines end at CR LF, a lone CR or a lone LF; a last line without a line
    // end is a line too, an empty tail after the last line end adds none, and
    // a NUL byte ends the text.
    static Lines split(std::string bytes);

    std::size_t size() const { return m_spans.size(); }
    bool empty() const { return m_spans.empty(); }
    std::string_view operator[](std::size_t i) const
    {
        return std::string_view(*m_bytes).substr(m_spans[i].begin, m_spans[i].length);
    }
    std::string_view front() const { return (*this)[0]; }
    std::string_view back() const { return (*this)[size() - 1]; }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    void push_back(std::string_view line);
    // Room for `lines` more lines of `bytes` bytes together.
    void reserve(std::size_t lines, std::size_t bytes);
    void clear();
    // Replaces the text of line i.
    void set(std::size_t i, std::string_view text);
    // Every byte `from` of lines `first` to the last becomes `to`, in place.
    void replaceFrom(std::size_t first, char from, char to);

    // The buffer and where line i begins in it, for tables that show fields
    // of the lines. Changing the lines later never changes what such a table
    // shows: a shared buffer is copied first.
    std::shared_ptr<const std::string> buffer() const { return m_bytes; }
    std::size_t offset(std::size_t i) const { return m_spans[i].begin; }

    friend bool operator==(const Lines &a, const Lines &b);

private:
    struct Span {
        std::uint64_t begin;
        std::uint64_t length;
    };
    void detach();

    std::shared_ptr<std::string> m_bytes = std::make_shared<std::string>();
    std::vector<Span> m_spans;
};

} // namespace squadlens
