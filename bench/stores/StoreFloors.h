#pragma once
#include <string>
#include <vector>

namespace veltrano::bench {

// The plainest code doing the stores' work straight over POSIX and stdio: the
// floor the stores are measured against.

struct FloorNode {
    std::string label;
    int level = 0;
    std::vector<FloorNode> children;
};

// opendir/readdir recursion: every real, visible sub-folder becomes a child.
void ScanFolderFloor(const std::string &folder, FloorNode &node);

struct FloorItem {
    std::string text;
    bool done = false;
};

// fread of the whole file split at line breaks; fwrite of the lines to a file
// beside the target, renamed over it (`sync`: fdatasync before the rename, as the
// program's atomic replacement does).
std::vector<FloorItem> LoadToDoFloor(const std::string &path);
bool SaveToDoFloor(const std::string &path, const std::vector<FloorItem> &items, bool sync);

} // namespace veltrano::bench
