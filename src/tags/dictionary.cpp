// Finding the standard dictionaries in their shared table and looking tags up in them.
#include "tags/tag_dictionary.h"

namespace brevino {

int DictionaryStarts[4] = {0, 33, 77, 80};

void computeDictionaryStarts() {
    int slot = 0;
    int runStart = 0;
    for (int i = 0;; ++i) {
        const TagDef& entry = StandardTagTable[i];
        const bool unnamed = entry.name[0] == '\0';
        if (unnamed && entry.tag == 0) break;
        if (unnamed) {
            if (slot < 4) DictionaryStarts[slot++] = runStart;
            runStart = i + 1;
        }
    }
}

const TagDef* standardDictionary(IfdKind kind) {
    switch (kind) {
        case IfdKind::Exif:
            return StandardTagTable + DictionaryStarts[1];
        case IfdKind::Gps:
            return StandardTagTable + DictionaryStarts[3];
        case IfdKind::Interop:
            return StandardTagTable + DictionaryStarts[2];
        case IfdKind::First:
            return StandardTagTable;
        default:
            return StandardTagTable + DictionaryStarts[0];
    }
}

int lookupTag(const TagDef* dictionary, uint16_t tag) {
    for (int i = 0; dictionary[i].name[0] != '\0'; ++i) {
        if (dictionary[i].tag == tag) return i;
    }
    return -1;
}

int dictionarySize(const TagDef* dictionary) {
    int size = 0;
    while (dictionary[size].name[0] != '\0')
        ++size;
    return size;
}

}  // namespace brevino
