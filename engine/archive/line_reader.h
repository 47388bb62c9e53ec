// Text reading shared by the archive index and the configuration: physical
// reads of at most 1021 characters up to and including LF, from a stream that
// may be limited to a byte count (an archive entry), the line-end trimming and
// the rule for decimal numbers.
//
//   StartLineReader  binds a reader to a stream, with an optional byte limit
//   ReadLine         the next read of at most maxChars characters, LF included
//   ReadBytes        the next n bytes, whatever they are
//   TrimLineEnd      removes the CR and LF among a line's last three characters
//   ParseDecimal     the decimal integer at the start of a text
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>

constexpr size_t kLineReadMax = 1021;

struct LineReader {
    FILE* stream;
    int64_t remaining;  // bytes the stream may still give, -1 for no limit
    int64_t consumed;   // bytes handed out so far
    size_t pos;         // next unread byte of buffer
    size_t length;      // bytes held in buffer
    char buffer[8192];
};

// limit < 0 reads to the end of the stream.
void StartLineReader(LineReader* reader, FILE* stream, int64_t limit);
// Copies the next characters up to and including LF, at most maxChars of them,
// into line (maxChars + 1 bytes, terminated). Returns how many; 0 at the end.
size_t ReadLine(LineReader* reader, char* line, size_t maxChars);
// Copies the next n bytes (fewer at the end) into out; returns how many.
size_t ReadBytes(LineReader* reader, char* out, size_t n);
// Looks at the last three characters, last first, and cuts at each CR or LF.
void TrimLineEnd(char* line);
// Leading white space, an optional sign, then digits up to the first other
// character ('12abc' is 12, 'abc' is 0); values beyond int are clamped.
int ParseDecimal(const char* text);
