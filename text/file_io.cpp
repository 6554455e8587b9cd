#include "text/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <system_error>
#include <vector>

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

std::string megabytes(std::size_t bytes) {
    return std::to_string(bytes >> 20) + " МБ";
}

}  // namespace

// Windows-1251 letters are almost never valid UTF-8 (a letter byte is followed by another
// letter, not by a continuation byte): valid UTF-8 with multi-byte characters is UTF-8.
bool looksLikeUtf8(std::string_view s, bool russianOnly) {
    if (s.starts_with("\xEF\xBB\xBF"))
        return true;
    bool beyondAscii = false;
    bool russian = false;
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t more;
        if (c < 0x80) {
            ++i;
            continue;
        }
        if (c >= 0xC2 && c <= 0xDF)
            more = 1;
        else if (c >= 0xE0 && c <= 0xEF)
            more = 2;
        else if (c >= 0xF0 && c <= 0xF4)
            more = 3;
        else
            return false;
        for (std::size_t k = 1; k <= more; ++k) {
            if (i + k >= s.size() || (static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        }
        if (more == 1) {
            // А…я, Ё and ё: U+0410…U+044F, U+0401, U+0451.
            const unsigned code = (c & 0x1Fu) << 6 | (static_cast<unsigned char>(s[i + 1]) & 0x3Fu);
            russian = russian || (code >= 0x410 && code <= 0x44F) || code == 0x401 || code == 0x451;
        }
        beyondAscii = true;
        i += more + 1;
    }
    return russianOnly ? russian : beyondAscii;
}

namespace {

bool isLetter1251(unsigned char c) {
    return c >= 0xC0 || c == 0xA8 || c == 0xB8;
}
bool isSmall1251(unsigned char c) {
    return c >= 0xE0 || c == 0xB8;
}

}  // namespace

std::string_view otherRussianEncoding(std::string_view text) {
    // DOS (CP866) puts most small letters and every capital below 0xC0, where
    // Windows-1251 has punctuation and rare letters.
    std::size_t high = 0;
    std::size_t letters = 0;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        high += c >= 0x80;
        letters += isLetter1251(c);
    }
    if (high >= 8 && (high - letters) * 2 > high)
        return "DOS (CP866)";
    // KOI8-R swaps the cases: "Иванов" reads "йЧБОПЧ", a small letter and then capitals,
    // which Russian text in Windows-1251 almost never has.
    std::size_t swapped = 0;
    std::size_t titled = 0;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t end = i;
        while (end < text.size() && isLetter1251(static_cast<unsigned char>(text[end])))
            ++end;
        if (end - i >= 2) {
            const bool firstSmall = isSmall1251(static_cast<unsigned char>(text[i]));
            std::size_t smallRest = 0;
            for (std::size_t k = i + 1; k < end; ++k)
                smallRest += isSmall1251(static_cast<unsigned char>(text[k]));
            swapped += firstSmall && smallRest == 0 && end - i >= 3;
            titled += !firstSmall && smallRest == end - i - 1;
        }
        i = end == i ? i + 1 : end;
    }
    if (swapped >= 2 && swapped > titled)
        return "KOI8-R";
    return {};
}

std::string otherEncodingMessage(const fs::path& path, std::string_view encoding) {
    return "Файл " + quoted(path) + ", похоже, в кодировке " + std::string(encoding) +
           "; сохраните его в кодировке Windows-1251.";
}

std::string utf8FileMessage(const fs::path& path) {
    return "Файл " + quoted(path) + " в кодировке UTF-8; сохраните его в кодировке Windows-1251.";
}

namespace {

// A temporary file is named "<prefix><pid>-<random>". It is a leftover when the process
// that wrote it no longer runs, when it is older than any save takes, or when it comes
// from an older release (no process id): another live save's file is left alone.
bool isLeftover(const fs::path& file, std::string_view suffix) {
    pid_t pid = 0;
    const auto [end, ec] = std::from_chars(suffix.data(), suffix.data() + suffix.size(), pid);
    if (ec != std::errc() || end == suffix.data() + suffix.size() || *end != '-' || pid <= 0)
        return true;
    if (::kill(pid, 0) != 0 && errno == ESRCH)
        return true;
    struct stat st {};
    return ::stat(file.c_str(), &st) == 0 && ::time(nullptr) - st.st_mtime > 10 * 60;
}

void removeLeftovers(const fs::path& target) {
    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const std::string prefix = tempPrefix(target);
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() > prefix.size() && name.compare(0, prefix.size(), prefix) == 0 &&
            isLeftover(it->path(), std::string_view(name).substr(prefix.size()))) {
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

bool isSameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec))
        return true;
    return fs::weakly_canonical(a, ec) == fs::weakly_canonical(b, ec) && !ec;
}

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

bool readWholeFile(const fs::path& path, std::string& out, std::string* error,
                   std::size_t maxBytes) {
    out.clear();
    const auto refuse = [&](const std::string& cause) {
        out.clear();
        if (error)
            *error = "Не удалось прочитать файл " + quoted(path) + ": " + cause + ".";
        return false;
    };
    // Without O_NONBLOCK opening a pipe would wait for a writer that never comes.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (error)
            *error = "Не удалось открыть файл " + quoted(path) + ": " + describeErrno(errno) + ".";
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int err = errno;
        ::close(fd);
        if (S_ISDIR(st.st_mode))
            return refuse(describeErrno(EISDIR));
        return refuse(st.st_mode != 0 ? "это не обычный файл (канал, устройство или сокет)"
                                      : describeErrno(err));
    }
    const auto tooLarge = [&] {
        return refuse("файл слишком большой (больше " + megabytes(maxBytes) +
                      "), такого файла программа не создаёт");
    };
    if (static_cast<std::uintmax_t>(st.st_size) > maxBytes) {
        ::close(fd);
        return tooLarge();
    }
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
            return refuse(describeErrno(err));
        }
        out.append(buf, static_cast<std::size_t>(n));
        if (out.size() > maxBytes) {  // it grew while being read
            ::close(fd);
            return tooLarge();
        }
    }
    ::close(fd);
    return true;
}

bool readTextFile(const fs::path& path, std::string& out, std::string* error,
                  std::size_t maxBytes) {
    if (!readWholeFile(path, out, error, maxBytes))
        return false;
    std::string cause;
    if (out.find('\0') != std::string::npos) {
        cause = "Файл " + quoted(path) + " не прочитан: в нём есть нулевые байты, это не текст.";
    } else if (looksLikeUtf8(out)) {
        cause = utf8FileMessage(path);
    } else if (const std::string_view other = otherRussianEncoding(out); !other.empty()) {
        cause = otherEncodingMessage(path, other);
    } else {
        return true;
    }
    out.clear();
    if (error)
        *error = cause;
    return false;
}

namespace {

// A new content written to its temporary file beside the target, not yet in place.
struct PreparedWrite {
    fs::path path;    // as the caller named it, for messages
    fs::path target;  // the file a link leads to
    std::string temp;
    bool existed = false;
};

bool failWrite(const fs::path& path, const std::string& cause, std::string* error) {
    if (error)
        *error = "Не удалось сохранить файл " + quoted(path) + ": " + cause + ".";
    return false;
}

// The mode a new file gets, as open() would give it: 0666 less the umask. Documents and
// lists hold birth dates and grades; a user who keeps them from others sets a umask that
// says so. Read from /proc, since asking umask() means changing it for a moment.
mode_t newFileMode() {
    mode_t mask = 022;
    std::string status;
    const int fd = ::open("/proc/self/status", O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        char buf[4096];
        const ssize_t n = ::read(fd, buf, sizeof buf);
        ::close(fd);
        if (n > 0)
            status.assign(buf, static_cast<std::size_t>(n));
    }
    const std::size_t at = status.find("Umask:");
    if (at != std::string::npos) {
        mask = static_cast<mode_t>(std::strtoul(status.c_str() + at + 6, nullptr, 8));
    } else {
        mask = ::umask(022);
        ::umask(mask);
    }
    return 0666 & ~mask;
}

bool prepareWrite(const fs::path& path, std::string_view data, PreparedWrite& out,
                  std::string* error) {
    const auto fail = [&](int err) { return failWrite(path, describeErrno(err), error); };
    // A link is followed, so the file it points to gets the new content and the link stays.
    const fs::path target = followLinks(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists) {
        if (S_ISDIR(old.st_mode))
            return fail(EISDIR);
        // Renaming over a device or a pipe would replace it instead of writing to it.
        if (!S_ISREG(old.st_mode))
            return failWrite(path, "это не обычный файл", error);
        // Checked by the mode bits, not access(): replacing a read-only file by rename
        // would otherwise succeed, and for root access() always does.
        if ((old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
            return failWrite(path, "файл доступен только для чтения", error);
    }

    removeLeftovers(target);

    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string tmpl =
        (dir / (tempPrefix(target) + std::to_string(::getpid()) + "-XXXXXX")).string();
    const int fd = ::mkostemp(tmpl.data(), O_CLOEXEC);
    if (fd < 0)
        return fail(errno);

    auto abandon = [&](int err) {
        ::close(fd);
        ::unlink(tmpl.c_str());
        return fail(err);
    };
    // A replaced file keeps its mode; a new one gets the user's umask.
    ::fchmod(fd, exists ? old.st_mode & 07777 : newFileMode());
    if (!writeAll(fd, data))
        return abandon(errno);
    if (::fsync(fd) != 0)
        return abandon(errno);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(tmpl.c_str());
        return fail(err);
    }
    out = {path, target, std::move(tmpl), exists};
    return true;
}

// Puts the prepared content in place and makes the rename itself durable.
bool commitWrite(const PreparedWrite& w, std::string* error) {
    if (::rename(w.temp.c_str(), w.target.c_str()) != 0) {
        const int err = errno;
        ::unlink(w.temp.c_str());
        return failWrite(w.path, describeErrno(err), error);
    }
    const fs::path dir = w.target.has_parent_path() ? w.target.parent_path() : fs::path(".");
    const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return true;
}

}  // namespace

bool writeFileAtomically(const fs::path& path, std::string_view data, std::string* error) {
    PreparedWrite w;
    return prepareWrite(path, data, w, error) && commitWrite(w, error);
}

bool writeFilesAtomically(std::span<const FileContent> files, std::string* error) {
    std::vector<PreparedWrite> prepared(files.size());
    const auto discard = [&](std::size_t count) {
        for (std::size_t i = 0; i < count; ++i)
            ::unlink(prepared[i].temp.c_str());
    };
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (!prepareWrite(files[i].path, files[i].data, prepared[i], error)) {
            discard(i);
            return false;
        }
    }
    // The old files stay reachable under a second name until every new one is in place,
    // so that a failed rename can put back the ones already replaced.
    std::vector<std::string> kept(files.size());
    for (std::size_t i = 0; i < prepared.size(); ++i) {
        if (!prepared[i].existed)
            continue;
        kept[i] = prepared[i].temp + "-old";
        if (::link(prepared[i].target.c_str(), kept[i].c_str()) != 0) {
            const int err = errno;
            for (std::size_t k = 0; k < i; ++k)
                ::unlink(kept[k].c_str());
            discard(prepared.size());
            return failWrite(files[i].path, describeErrno(err), error);
        }
    }
    std::size_t done = 0;
    for (; done < prepared.size(); ++done) {
        if (!commitWrite(prepared[done], error))
            break;
    }
    if (done < prepared.size()) {
        for (std::size_t i = 0; i < done; ++i) {
            if (prepared[i].existed)
                ::rename(kept[i].c_str(), prepared[i].target.c_str());
            else
                ::unlink(prepared[i].target.c_str());
        }
        for (std::size_t i = done + 1; i < prepared.size(); ++i)
            ::unlink(prepared[i].temp.c_str());
    }
    for (const std::string& k : kept) {
        if (!k.empty())
            ::unlink(k.c_str());
    }
    return done == prepared.size();
}

}  // namespace vellex
