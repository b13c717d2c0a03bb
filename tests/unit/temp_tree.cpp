#include "temp_tree.h"

#include <fstream>
#include <random>
#include <sstream>

namespace movra::testing {

TempTree::TempTree() {
    std::random_device random;
    const auto base = std::filesystem::temp_directory_path();
    do {
        root_ = base / ("movra-tree-" + std::to_string(random()));
    } while (!std::filesystem::create_directory(root_));
}

TempTree::~TempTree() {
    removeTree(root_);
}

void removeTree(const std::filesystem::path& root) {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root, ignored)) {
        if (!entry.is_symlink()) {
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ignored);
        }
    }
    std::filesystem::remove_all(root, ignored);
}

void TempTree::file(const std::string& relative, const std::string& content) const {
    const std::filesystem::path path = root_ / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

void TempTree::folder(const std::string& relative) const {
    std::filesystem::create_directories(root_ / relative);
}

std::string TempTree::read(const std::string& relative) const {
    std::ifstream in(root_ / relative, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void TempTree::appendTo(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary | std::ios::app) << content;
}

bool TempTree::exists(const std::string& relative) const {
    return std::filesystem::exists(std::filesystem::symlink_status(root_ / relative));
}

std::u16string argumentFor(const TempTree& tree, const std::string& relative) {
    const std::string path = (tree.root() / relative).string();
    return std::u16string(path.begin(), path.end());  // temporary folders have ASCII paths
}

}  // namespace movra::testing
