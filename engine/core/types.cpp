#include "engine/core/types.h"

#include <cstring>

void CopyString(char* dst, const char* src, size_t maxChars)
{
    size_t n = 0;
    if (src != nullptr) {
        while (n < maxChars && src[n] != '\0') {
            dst[n] = src[n];
            ++n;
        }
    }
    dst[n] = '\0';
}

void CopyStringPadded(char* dst, const char* src, size_t maxChars)
{
    CopyString(dst, src, maxChars);
    size_t n = std::strlen(dst);
    if (n < maxChars) {
        std::memset(dst + n, 0, maxChars - n);
    }
}
