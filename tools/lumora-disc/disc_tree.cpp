#include "disc_tree.h"

#include <algorithm>
#include <map>
#include <utility>

#include "disc_files.h"
#include "image_names.h"

namespace lumora::disc {

namespace {

namespace fs = std::filesystem;

std::string Lowered(std::string name) {
    for (char& c : name) {
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return name;
}

std::vector<fs::path> SortedChildren(const fs::path& folder) {
    std::vector<fs::path> children;
    std::error_code error;
    for (const auto& child : fs::directory_iterator(folder, error)) {
        children.push_back(child.path());
    }
    std::sort(children.begin(), children.end());
    return children;
}

struct Pending {
    fs::path folder;
    std::string imagePath;  // "" for the root
    std::string shown;
    size_t index;  // of its entry; the root has none
};

}  // namespace

DiscTree ReadDiscTree(const fs::path& folder, const fs::path& leftOut) {
    DiscTree tree;
    std::error_code error;
    const fs::path root = fs::canonical(folder, error);
    if (error) {
        return tree;
    }
    const fs::path left = leftOut.empty() ? fs::path() : fs::weakly_canonical(leftOut, error);
    std::vector<Pending> pending = {{root, "", "", SIZE_MAX}};
    while (!pending.empty()) {
        Pending at = std::move(pending.back());
        pending.pop_back();
        std::map<std::string, std::string> seen;  // by the name in small letters
        std::vector<Pending> folders;
        size_t held = 0;
        for (const fs::path& child : SortedChildren(at.folder)) {
            const DiscEntry entry = ClassifyDiscEntry(child, root);
            if (!left.empty() && (entry.source == left || child == left)) {
                continue;
            }
            const std::string name = child.filename().u8string();
            const std::string imagePath = at.imagePath.empty() ? name : at.imagePath + "/" + name;
            const std::string shown = (at.shown.empty() ? "" : at.shown + "\\") + ShownName(name);
            auto fault = [&](std::string problem) {
                tree.faults.push_back({child, shown, std::move(problem)});
            };
            if (const auto problem = ImageNameProblem(name)) {
                fault(*problem);
            }
            const auto [first, unique] = seen.emplace(Lowered(name), name);
            if (!unique) {
                fault("and '" + ShownName(first->second) +
                      "' are one name to Windows, which tells no letter case apart: it opens "
                      "only one of them");
            }
            if (entry.IsFault()) {
                fault(DiscFaultText(entry));
                continue;
            }
            ++held;
            tree.entries.push_back({imagePath, entry.source, entry.IsFolder(), false});
            if (entry.IsFolder()) {
                folders.push_back({child, imagePath, shown, tree.entries.size() - 1});
            }
        }
        // The first folder is walked next, its faults reported before those of the next one.
        pending.insert(pending.end(), folders.rbegin(), folders.rend());
        if (at.index != SIZE_MAX) {
            tree.entries[at.index].empty = held == 0;
        }
    }
    return tree;
}

}  // namespace lumora::disc
