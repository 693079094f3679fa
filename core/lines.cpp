#include "core/lines.h"

#include <algorithm>
#include <cstring>

namespace squadlens {

Lines::Lines(std::initializer_list<std::string_view> lines)
{
    for (std::string_view line : lines)
        push_back(line);
}

Lines Lines::split(std::string bytes)
{
    const auto nul = bytes.find('\0');
    if (nul != std::string::npos)
        bytes.resize(nul);

    Lines lines;
    const std::size_t n = bytes.size();
    const char *data = bytes.data();
    std::size_t start = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const char c = data[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.m_spans.push_back({start, i - start});
        if (c == '\r' && i + 1 < n && data[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.m_spans.push_back({start, n - start});
    *lines.m_bytes = std::move(bytes);
    return lines;
}

void Lines::push_back(std::string_view line)
{
    detach();
    m_spans.push_back({m_bytes->size(), line.size()});
    m_bytes->append(line);
}

void Lines::reserve(std::size_t lines, std::size_t bytes)
{
    detach();
    m_spans.reserve(m_spans.size() + lines);
    m_bytes->reserve(m_bytes->size() + bytes);
}

void Lines::clear()
{
    m_bytes = std::make_shared<std::string>();
    m_spans.clear();
}

void Lines::set(std::size_t i, std::string_view text)
{
    detach();
    m_spans[i] = {m_bytes->size(), text.size()};
    m_bytes->append(text);
}

void Lines::replaceFrom(std::size_t first, char from, char to)
{
    if (first >= size())
        return;
    detach();
    char *data = m_bytes->data();
    for (std::size_t i = first; i < size(); ++i) {
        char *p = data + m_spans[i].begin;
        char *const end = p + m_spans[i].length;
        while ((p = static_cast<char *>(std::memchr(p, from, static_cast<std::size_t>(end - p)))) != nullptr)
            *p++ = to;
    }
}

void Lines::detach()
{
    if (m_bytes.use_count() > 1)
        m_bytes = std::make_shared<std::string>(*m_bytes);
}

bool operator==(const Lines &a, const Lines &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

} // namespace squadlens
