#include "gui/recovery_copy.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <system_error>

#include "gui/gui_text.h"
#include "storage/document_file.h"

namespace fs = std::filesystem;

namespace vellex {

namespace {

constexpr std::string_view kPrefix = "vellex-recovery-";

fs::path withExtension(fs::path path, const char* extension) {
    return path.replace_extension(extension);
}

}  // namespace

RecoveryCopy::RecoveryCopy(fs::path folder) : folder_(std::move(folder)) {
    // The process id keeps two running windows apart; the start time keeps this window
    // apart from a crashed one that had the same process id.
    const std::string name = std::string(kPrefix) +
                             std::to_string(QCoreApplication::applicationPid()) + "-" +
                             std::to_string(QDateTime::currentMSecsSinceEpoch()) + ".app";
    path_ = folder_ / name;
}

RecoveryCopy::~RecoveryCopy() = default;

bool RecoveryCopy::write(const Document& doc, const Settings& settings, std::string* error) {
    if (written_ && *written_ == doc) {
        return true;
    }
    if (!lock_) {
        lock_ = std::make_unique<QLockFile>(pathToQString(withExtension(path_, ".lock")));
        lock_->setStaleLockTime(0);  // only a lock whose process is gone is stale
        if (!lock_->tryLock(0)) {
            lock_.reset();
        }
    }
    // Settings first: a copy is never read with settings older than itself.
    if (!writeSettings(withExtension(path_, ".ini"), false, settings, error) ||
        !writeDocument(path_, doc, recoveryCopyFormat(settings), error)) {
        return false;
    }
    written_ = doc;
    return true;
}

void RecoveryCopy::remove() {
    std::error_code ec;
    fs::remove(path_, ec);
    fs::remove(withExtension(path_, ".ini"), ec);
    written_.reset();
    if (lock_) {
        lock_->unlock();
        lock_.reset();
    }
}

std::vector<RecoveryCopy::Orphan> RecoveryCopy::findOrphans(const fs::path& folder) {
    std::vector<Orphan> orphans;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& p = it->path();
        const std::string name = p.filename().string();
        if (!name.starts_with(kPrefix) || p.extension() != ".app" || !it->is_regular_file(ec)) {
            continue;
        }
        // A lock that can be taken belongs to no running window.
        QLockFile lock(pathToQString(withExtension(p, ".lock")));
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0)) {
            continue;
        }
        lock.unlock();
        orphans.push_back({p, QFileInfo(pathToQString(p)).lastModified()});
    }
    std::sort(orphans.begin(), orphans.end(),
              [](const Orphan& a, const Orphan& b) { return a.written > b.written; });
    return orphans;
}

void RecoveryCopy::removeOrphan(const Orphan& orphan) {
    std::error_code ec;
    fs::remove(orphan.document, ec);
    fs::remove(withExtension(orphan.document, ".ini"), ec);
}

DocumentFileFormat recoveryCopyFormat(const Settings& settings) {
    // The tables are always written: a SaveStyle that writes no table lines would lose
    // the grades.
    DocumentFileFormat format = documentFileFormat(settings);
    format.saveStyle = 0;
    return format;
}

}  // namespace vellex
