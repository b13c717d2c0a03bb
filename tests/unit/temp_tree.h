// Test helper: a fresh folder tree under the temporary folder, removed afterwards.
#pragma once

#include <filesystem>
#include <string>

namespace movra::testing {

class TempTree {
public:
    TempTree();
    ~TempTree();
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    // The tree's root (no trailing separator); names are bytes, as the file system has them.
    const std::filesystem::path& root() const { return root_; }

    // Writes a file at `relative` (byte path) with `content`, making its folders.
    void file(const std::string& relative, const std::string& content) const;
    // Makes the folder `relative` and its parents.
    void folder(const std::string& relative) const;
    // Reads the file at `relative`.
    std::string read(const std::string& relative) const;
    // Appends `content` to the file at the absolute byte path `path`.
    static void appendTo(const std::string& path, const std::string& content);
    // Whether `relative` exists, not following a final link.
    bool exists(const std::string& relative) const;

private:
    std::filesystem::path root_;
};

// Removes `root` and everything below it, giving write permission back first: a folder
// made read-only would otherwise keep its entries.
void removeTree(const std::filesystem::path& root);

// The root of `tree` as the core takes a folder argument.
std::u16string argumentFor(const TempTree& tree, const std::string& relative);

}  // namespace movra::testing
