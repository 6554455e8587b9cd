#include "tests/fuzz/memory_file.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "tests/fuzz/fuzz_input.h"

namespace vellex::fuzz {
namespace fs = std::filesystem;

MemoryFile::MemoryFile() {
    fd_ = ::memfd_create("vellex-fuzz", MFD_CLOEXEC);
    require(fd_ >= 0, "memfd_create");
    path_ = "/proc/self/fd/" + std::to_string(fd_);
}

MemoryFile::~MemoryFile() {
    ::close(fd_);
}

void MemoryFile::assign(std::string_view bytes) {
    require(::ftruncate(fd_, 0) == 0, "ftruncate");
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        require(n > 0, "pwrite");
        done += static_cast<std::size_t>(n);
    }
}

namespace {

class ScratchDir final {
  public:
    ScratchDir() {
        // /dev/shm keeps the writers' fsync cheap; elsewhere the usual temp folder.
        const fs::path base =
            fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string tmpl = (base / "vellex-fuzz-XXXXXX").string();
        require(::mkdtemp(tmpl.data()) != nullptr, "mkdtemp");
        path_ = tmpl;
    }
    ~ScratchDir() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    fs::path path_;
};

}  // namespace

const fs::path& scratchDir() {
    static const ScratchDir dir;
    return dir.path_;
}

}  // namespace vellex::fuzz
