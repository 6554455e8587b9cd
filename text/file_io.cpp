#include "text/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <system_error>

namespace vellex {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kTempMarker = ".vellex-tmp-";

std::string quoted(const fs::path& p) {
    return "«" + pathToUtf8(p) + "»";
}

std::string tempPrefix(const fs::path& target) {
    return "." + target.filename().string() + std::string(kTempMarker);
}

void removeLeftovers(const fs::path& target) {
    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const std::string prefix = tempPrefix(target);
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() > prefix.size() && name.compare(0, prefix.size(), prefix) == 0) {
            std::error_code ignored;
            fs::remove(it->path(), ignored);
        }
    }
}

// The file a chain of symbolic links ends at (the path itself when it is no link).
fs::path followLinks(fs::path p) {
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            break;
        std::error_code ec;
        const fs::path next = fs::read_symlink(p, ec);
        if (ec)
            break;
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    return p;
}

bool writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

std::string pathToUtf8(const fs::path& path) {
    return path.string();
}

fs::path pathFromUtf8(std::string_view utf8) {
    return fs::path(std::string(utf8));
}

std::string describeErrno(int err) {
    switch (err) {
        case EACCES:
        case EPERM:
            return "нет доступа";
        case ENOENT:
            return "файл или папка не найдены";
        case ENOTDIR:
            return "в пути есть имя, которое не является папкой";
        case EISDIR:
            return "это папка, а не файл";
        case ENOSPC:
            return "нет места на диске";
        case EDQUOT:
            return "превышена квота на диске";
        case EROFS:
            return "диск доступен только для чтения";
        case ENAMETOOLONG:
            return "слишком длинное имя файла";
        case EMFILE:
        case ENFILE:
            return "открыто слишком много файлов";
        case EIO:
            return "ошибка ввода-вывода";
        case EBUSY:
        case ETXTBSY:
            return "файл занят другой программой";
        case EFBIG:
            return "файл слишком большой";
        default:
            return "системная ошибка " + std::to_string(err);
    }
}

bool readWholeFile(const fs::path& path, std::string& out, std::string* error) {
    out.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (error)
            *error = "Не удалось открыть файл " + quoted(path) + ": " + describeErrno(errno) + ".";
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        if (error)
            *error = "Не удалось открыть файл " + quoted(path) + ": " + describeErrno(EISDIR) + ".";
        return false;
    }
    if (st.st_size > 0)
        out.reserve(static_cast<std::size_t>(st.st_size));
    char buf[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int err = errno;
            ::close(fd);
            out.clear();
            if (error)
                *error =
                    "Не удалось прочитать файл " + quoted(path) + ": " + describeErrno(err) + ".";
            return false;
        }
        out.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return true;
}

bool writeFileAtomically(const fs::path& path, std::string_view data, std::string* error) {
    auto fail = [&](int err) {
        if (error)
            *error = "Не удалось сохранить файл " + quoted(path) + ": " + describeErrno(err) + ".";
        return false;
    };

    // A link is followed, so the file it points to gets the new content and the link stays.
    const fs::path target = followLinks(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists) {
        if (S_ISDIR(old.st_mode))
            return fail(EISDIR);
        // Renaming over a device or a pipe would replace it instead of writing to it.
        if (!S_ISREG(old.st_mode)) {
            if (error)
                *error = "Не удалось сохранить файл " + quoted(path) + ": это не обычный файл.";
            return false;
        }
        // Checked by the mode bits, not access(): replacing a read-only file by rename
        // would otherwise succeed, and for root access() always does.
        if ((old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
            if (error)
                *error = "Не удалось сохранить файл " + quoted(path) +
                         ": файл доступен только для чтения.";
            return false;
        }
    }

    removeLeftovers(target);

    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string tmpl = (dir / (tempPrefix(target) + "XXXXXX")).string();
    const int fd = ::mkostemp(tmpl.data(), O_CLOEXEC);
    if (fd < 0)
        return fail(errno);

    auto abandon = [&](int err) {
        ::close(fd);
        ::unlink(tmpl.c_str());
        return fail(err);
    };
    if (exists)
        ::fchmod(fd, old.st_mode & 07777);
    else
        ::fchmod(fd, 0644);
    if (!writeAll(fd, data))
        return abandon(errno);
    if (::fsync(fd) != 0)
        return abandon(errno);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(tmpl.c_str());
        return fail(err);
    }
    if (::rename(tmpl.c_str(), target.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmpl.c_str());
        return fail(err);
    }
    // Make the rename itself durable.
    const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return true;
}

}  // namespace vellex
