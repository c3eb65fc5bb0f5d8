#pragma once

#include <algorithm>

// The trimmed text of one field, as bytes where the record already is: the
// scans test and copy fields without decoding them into strings first.
struct FieldSpan {
    const char* data;
    int size;
};

// Field at `offset` (its length byte) of width `width`, trimmed as the
// record store trims (bytes of 32 or less at either end; a length past the
// width, from a damaged file, is taken as the width).
inline FieldSpan trimmedField(const char* record, int offset, int width)
{
    const auto* field = reinterpret_cast<const unsigned char*>(record + offset);
    const int length = std::min<int>(field[0], width);
    int begin = 1;
    int end = length + 1;
    while (begin < end && field[begin] <= 32)
        ++begin;
    while (end > begin && field[end - 1] <= 32)
        --end;
    return {record + offset + begin, end - begin};
}
