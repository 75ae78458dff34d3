#include "app/sample/entry.hpp"

#include "datasets/catalogue_ops.hpp"

namespace kestrel::app {

bool makeEntry(const core::DataRoot& root, datasets::Kind kind, std::string_view name, const core::Bytes& record) {
    const auto& info = datasets::info(kind);
    datasets::deleteEntry(root, info, name);
    return datasets::createEntry(root, info, name, record) == datasets::NewResult::Created;
}

}  // namespace kestrel::app
