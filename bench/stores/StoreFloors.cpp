#include "StoreFloors.h"

#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <unistd.h>

namespace veltrano::bench {

void ScanFolderFloor(const std::string &folder, FloorNode &node)
{
    DIR *dir = opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent *entry = readdir(dir)) {
        if (entry->d_type != DT_DIR || entry->d_name[0] == '.')
            continue;
        FloorNode &child = node.children.emplace_back();
        child.label = entry->d_name;
        child.level = node.level + 1;
    }
    closedir(dir);
    for (FloorNode &child : node.children)
        ScanFolderFloor(folder + child.label + '/', child);
}

std::vector<FloorItem> LoadToDoFloor(const std::string &path)
{
    std::vector<FloorItem> items;
    FILE *file = std::fopen(path.c_str(), "rb");
    if (!file)
        return items;
    std::string bytes;
    char buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, got);
    std::fclose(file);
    const char *p = bytes.data();
    const char *const end = p + bytes.size();
    while (p < end) {
        const char *start = p;
        while (p < end && *p != '\r' && *p != '\n')
            ++p;
        if (p > start)
            items.push_back({std::string(start + 1, p), *start != '0'});
        if (p < end && *p++ == '\r' && p < end && *p == '\n')
            ++p;
    }
    return items;
}

bool SaveToDoFloor(const std::string &path, const std::vector<FloorItem> &items, bool sync)
{
    const std::string temporary = path + ".new";
    FILE *file = std::fopen(temporary.c_str(), "wb");
    if (!file)
        return false;
    for (const FloorItem &item : items) {
        std::fputc(item.done ? '1' : '0', file);
        std::fwrite(item.text.data(), 1, item.text.size(), file);
        std::fwrite("\r\n", 1, 2, file);
    }
    std::fflush(file);
    if (sync)
        fdatasync(fileno(file));
    std::fclose(file);
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

} // namespace veltrano::bench
