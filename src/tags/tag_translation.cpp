// Choosing the catalog of a language.
#include "tags/tag_translation.h"

#include "tags/lang/catalogs.h"

namespace brevino {
namespace {

// One line a language.
constexpr const TagCatalog* kCatalogs[] = {
    &kEnglishTags,
};

}  // namespace

const TagCatalog* tagCatalog(Language language) {
    for (const TagCatalog* catalog : kCatalogs) {
        if (catalog->language == language) return catalog;
    }
    return nullptr;
}

}  // namespace brevino
