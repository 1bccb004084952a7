#include "workspace/prepared_file.h"

namespace brevino {

std::unique_ptr<PreparedFile> prepareFile(const std::string& path) {
    auto prepared = std::make_unique<PreparedFile>();
    analyzeFile(path, prepared->analysis);
    if (!prepared->analysis.file || prepared->analysis.document.problem == Problem::NotAnalyzable)
        return nullptr;
    if (prepared->analysis.document.walked()) prepared->rows.build(prepared->analysis.document);
    return prepared;
}

}  // namespace brevino
