#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <vector>

// The lines of a result list, kept end to end in one block of text with the
// place of each line beside it, and sorted in the list's order (see
// LineList::compareLines).
//
// A scan of a large archive writes its lines straight into the block, with
// no string of its own for each line. The lines of a list share a long
// beginning (the same fixed texts, often the same year), so comparing them
// one character at a time would walk that beginning again at every step of
// the sort. Instead, while each line is written and still in the cache, the
// part it shares with the first line is measured and the line gets a sort key:
// the twelve characters after that shared part. The sort then moves only
// keys and places, and looks into the text only where two keys tie.
class ResultLines {
public:
    ResultLines() = default;
    explicit ResultLines(const QStringList& lines);

    // Room for `lines` more lines of `units` UTF-16 code units in all, so
    // that adding them does not move the block.
    void reserve(qsizetype lines, qsizetype units);

    // A new last line of `length` code units, which `write(char16_t*)` fills.
    template <typename Write> void add(qsizetype length, Write&& write)
    {
        write(grow(length));
        added();
    }
    void append(QStringView line);

    qsizetype size() const { return qsizetype(places_.size()); }
    bool isEmpty() const { return places_.empty(); }
    QStringView at(qsizetype i) const
    {
        const Place& p = places_[size_t(i)];
        return QStringView(text_.constData() + p.start, p.length);
    }
    QStringList toStringList() const;

    // Puts the lines in the list's order, once. Lines that compare equal
    // keep no particular order.
    void sort();

private:
    static constexpr int KeyUnits = 12;
    static constexpr qsizetype ParallelSortFrom = 20000;
    using SortKey = std::array<quint64, KeyUnits / 4>;
    struct Place {
        qsizetype start;
        qsizetype length;
    };

    char16_t* grow(qsizetype length);
    void added();
    SortKey keyOf(qsizetype i) const;

    QString text_;
    std::vector<Place> places_;
    // The beginning every line so far shares with the first, folded.
    qsizetype shared_ = 0;
    // keys_[i] is line i's key; those before keyed_ were taken from a longer
    // shared beginning, before a later line shortened it, and are taken again
    // when sorting.
    std::vector<SortKey> keys_;
    qsizetype keyed_ = 0;
};
