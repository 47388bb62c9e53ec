// Lookups by name shared by the three tables: a linear scan with exact,
// case-sensitive comparison; the first match wins and 0 means none.
#pragma once
#include <cstring>

// Index of the first of records[0 .. count - 1] whose Name equals name; 0 when none.
template <typename Record>
int FindIndexByName(const Record* records, int count, const char* name)
{
    if (name == nullptr) {
        return 0;
    }
    for (int i = 0; i < count; ++i) {
        if (std::strcmp(records[i].Name, name) == 0) {
            return i;
        }
    }
    return 0;
}
