#include "search/ResultLines.h"

#include "search/LineList.h"
#include "search/TextMatch.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <system_error>
#include <thread>

ResultLines::ResultLines(const QStringList& lines)
{
    qsizetype units = 0;
    for (const QString& line : lines)
        units += line.size();
    reserve(lines.size(), units);
    for (const QString& line : lines)
        append(line);
}

void ResultLines::reserve(qsizetype lines, qsizetype units)
{
    places_.reserve(places_.size() + size_t(lines));
    keys_.reserve(keys_.size() + size_t(lines));
    text_.reserve(text_.size() + units);
}

char16_t* ResultLines::grow(qsizetype length)
{
    const qsizetype start = text_.size();
    // A QString grows without filling the new units; the caller writes them.
    text_.resize(start + length);
    places_.push_back({start, length});
    return reinterpret_cast<char16_t*>(text_.data()) + start;
}

void ResultLines::append(QStringView line)
{
    add(line.size(), [line](char16_t* out) {
        if (!line.isEmpty())
            std::memcpy(out, line.utf16(), size_t(line.size()) * sizeof(char16_t));
    });
}

ResultLines::SortKey ResultLines::keyOf(qsizetype i) const
{
    // Twelve code units, folded, packed so that comparing the numbers
    // compares the texts; past the end counts as 0, below any character, so
    // a shorter line comes first.
    const QStringView line = at(i);
    SortKey key {};
    for (int k = 0; k < KeyUnits; ++k) {
        const qsizetype u = shared_ + k;
        const quint64 unit = u < line.size() ? TextMatch::upperAtoZ(line[u].unicode()) : 0;
        key[size_t(k / 4)] |= unit << (16 * (3 - k % 4));
    }
    return key;
}

void ResultLines::added()
{
    const qsizetype last = size() - 1;
    const QStringView line = at(last);
    if (last == 0) {
        shared_ = line.size();
    } else {
        const QStringView first = at(0);
        const qsizetype limit = std::min(shared_, line.size());
        qsizetype j = 0;
        while (j < limit && TextMatch::upperAtoZ(first[j].unicode()) == TextMatch::upperAtoZ(line[j].unicode()))
            ++j;
        if (j < shared_) {
            shared_ = j;
            keyed_ = last; // the keys before this line are out of date
        }
    }
    keys_.push_back(keyOf(last));
}

void ResultLines::sort()
{
    const qsizetype n = size();
    if (n < 2)
        return;
    struct Entry {
        SortKey key;
        qsizetype index;
    };
    std::vector<Entry> order;
    order.reserve(size_t(n));
    for (qsizetype i = 0; i < n; ++i)
        order.push_back({i < keyed_ ? keyOf(i) : keys_[size_t(i)], i});
    const qsizetype after = shared_ + KeyUnits;
    const auto before = [this, after](const Entry& a, const Entry& b) {
        for (int w = 0; w < KeyUnits / 4; ++w) {
            if (a.key[w] != b.key[w])
                return a.key[w] < b.key[w];
        }
        // Equal keys: both agree up to the key's end, folded. A line that ends
        // inside the key needs the whole comparison (a NUL looks like its end).
        const QStringView la = at(a.index);
        const QStringView lb = at(b.index);
        if (la.size() >= after && lb.size() >= after)
            return LineList::compareLines(la.mid(after), lb.mid(after)) < 0;
        return LineList::compareLines(la, lb) < 0;
    };
    // A long list is sorted in two halves at once, on two cores, and the
    // halves merged; without a second thread (one core, or none to be had)
    // it is sorted whole.
    const auto middle = order.begin() + n / 2;
    std::thread other;
    if (n >= ParallelSortFrom && std::thread::hardware_concurrency() > 1) {
        try {
            other = std::thread([&] { std::sort(order.begin(), middle, before); });
        } catch (const std::system_error&) { }
    }
    if (other.joinable()) {
        std::sort(middle, order.end(), before);
        other.join();
        std::vector<Entry> merged;
        merged.reserve(size_t(n));
        std::merge(order.begin(), middle, middle, order.end(), std::back_inserter(merged), before);
        order = std::move(merged);
    } else {
        std::sort(order.begin(), order.end(), before);
    }
    std::vector<Place> moved;
    moved.reserve(size_t(n));
    std::vector<SortKey> keys;
    keys.reserve(size_t(n));
    for (const Entry& e : order) {
        moved.push_back(places_[size_t(e.index)]);
        keys.push_back(e.key);
    }
    places_ = std::move(moved);
    keys_ = std::move(keys);
    keyed_ = 0;
}

QStringList ResultLines::toStringList() const
{
    QStringList out;
    out.reserve(size());
    for (qsizetype i = 0; i < size(); ++i)
        out.append(at(i).toString());
    return out;
}
