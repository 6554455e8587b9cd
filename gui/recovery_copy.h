#pragma once

#include <QDateTime>
#include <QLockFile>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/document.h"
#include "storage/document_file.h"
#include "storage/settings.h"

// A copy of a changed document that no one saved, kept in the settings folder so that a
// crash, a kill or the end of the desktop session does not lose what was typed. Each
// running window has its own pair of files, "vellex-recovery-<pid>-<start>.app" and the
// ".ini" with the settings the document was written under, guarded by a lock file while
// the window lives; a copy whose lock is free was left by a window that is gone.
namespace vellex {

class RecoveryCopy final {
  public:
    explicit RecoveryCopy(std::filesystem::path folder);
    ~RecoveryCopy();  // the files stay for the next start; only the lock goes
    RecoveryCopy(const RecoveryCopy&) = delete;
    RecoveryCopy& operator=(const RecoveryCopy&) = delete;

    // Writes the copy (temporary file + rename, both files); false with a Russian
    // message in `error` on failure. Writing the same document again does nothing.
    bool write(const Document& doc, const Settings& settings, std::string* error);
    // Removes this window's copy: the document was saved or the user let it go.
    void remove();
    const std::filesystem::path& path() const { return path_; }

    // A copy left by a window that is gone.
    struct Orphan {
        std::filesystem::path document;  // the ".app"; its settings are beside it (".ini")
        QDateTime written;
    };
    // The orphans in `folder`, newest first.
    static std::vector<Orphan> findOrphans(const std::filesystem::path& folder);
    // Removes an orphan's files.
    static void removeOrphan(const Orphan& orphan);

  private:
    std::filesystem::path folder_;
    std::filesystem::path path_;
    std::unique_ptr<QLockFile> lock_;
    std::optional<Document> written_;  // what the files hold now
};

// The layout a copy is written and read in, given the settings stored beside it.
DocumentFileFormat recoveryCopyFormat(const Settings& settings);

}  // namespace vellex
