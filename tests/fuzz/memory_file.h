#pragma once

#include <filesystem>
#include <string_view>

namespace vellex::fuzz {

// A file held in memory (memfd) with a path that the readers can open, so that a reader
// taking a path runs thousands of times a second without touching the disk.
class MemoryFile final {
  public:
    MemoryFile();
    ~MemoryFile();
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    // Replaces the file's bytes.
    void assign(std::string_view bytes);
    const std::filesystem::path& path() const { return path_; }

  private:
    int fd_ = -1;
    std::filesystem::path path_;
};

// A private scratch folder for readers paired with writers, removed at exit.
const std::filesystem::path& scratchDir();

}  // namespace vellex::fuzz
