#include "engine/archive/line_reader.h"

#include <climits>
#include <cstdlib>
#include <cstring>

namespace {
// Refills the buffer from the stream, within the byte limit. False at the end.
bool Refill(LineReader* r)
{
    if (r->pos < r->length) {
        return true;
    }
    size_t want = sizeof(r->buffer);
    if (r->remaining >= 0 && static_cast<int64_t>(want) > r->remaining) {
        want = static_cast<size_t>(r->remaining);
    }
    r->pos = 0;
    r->length = want > 0 ? std::fread(r->buffer, 1, want, r->stream) : 0;
    if (r->remaining >= 0) {
        r->remaining -= static_cast<int64_t>(r->length);
    }
    return r->length > 0;
}
}

void StartLineReader(LineReader* reader, FILE* stream, int64_t limit)
{
    reader->stream = stream;
    reader->remaining = limit;
    reader->consumed = 0;
    reader->pos = 0;
    reader->length = 0;
}

size_t ReadLine(LineReader* reader, char* line, size_t maxChars)
{
    size_t n = 0;
    while (n < maxChars && Refill(reader)) {
        const char* start = reader->buffer + reader->pos;
        size_t avail = reader->length - reader->pos;
        size_t take = maxChars - n < avail ? maxChars - n : avail;
        const void* lf = std::memchr(start, '\n', take);
        if (lf != nullptr) {
            take = static_cast<size_t>(static_cast<const char*>(lf) - start) + 1;
        }
        std::memcpy(line + n, start, take);
        n += take;
        reader->pos += take;
        if (lf != nullptr) {
            break;
        }
    }
    line[n] = '\0';
    reader->consumed += static_cast<int64_t>(n);
    return n;
}

size_t ReadBytes(LineReader* reader, char* out, size_t n)
{
    size_t got = 0;
    while (got < n && Refill(reader)) {
        size_t avail = reader->length - reader->pos;
        size_t take = n - got < avail ? n - got : avail;
        std::memcpy(out + got, reader->buffer + reader->pos, take);
        got += take;
        reader->pos += take;
    }
    reader->consumed += static_cast<int64_t>(got);
    return got;
}

void TrimLineEnd(char* line)
{
    size_t n = std::strlen(line);
    for (size_t k = 0; k < 3 && k < n; ++k) {
        char& c = line[n - 1 - k];
        if (c == '\r' || c == '\n') {
            c = '\0';
        }
    }
}

int ParseDecimal(const char* text)
{
    long long v = std::strtoll(text, nullptr, 10);
    if (v > INT_MAX) {
        return INT_MAX;
    }
    if (v < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(v);
}
