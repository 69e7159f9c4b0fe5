#include "Floors.h"

#include <cstring>
#include <fcntl.h>
#include <string.h> // memmem
#include <sys/stat.h>
#include <unistd.h>

namespace tw::bench {
namespace {

bool foundIgnoringCase(std::string_view area, std::string_view query, const std::array<unsigned char, 256>& fold)
{
    if (query.empty() || query.size() > area.size())
        return query.empty();
    const auto* text = reinterpret_cast<const unsigned char*>(area.data());
    const auto* wanted = reinterpret_cast<const unsigned char*>(query.data());
    const unsigned char first = fold[wanted[0]];
    const std::size_t last = area.size() - query.size();
    for (std::size_t i = 0; i <= last; ++i) {
        if (fold[text[i]] != first)
            continue;
        std::size_t k = 1;
        while (k < query.size() && fold[text[i + k]] == fold[wanted[k]])
            ++k;
        if (k == query.size())
            return true;
    }
    return false;
}

} // namespace

std::unique_ptr<char[]> readIntoOneBuffer(const std::string& path, std::size_t& size)
{
    size = 0;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat info {};
    std::unique_ptr<char[]> buffer;
    if (::fstat(fd, &info) == 0) {
        buffer = std::make_unique_for_overwrite<char[]>(static_cast<std::size_t>(info.st_size));
        while (size < static_cast<std::size_t>(info.st_size)) {
            const ssize_t got = ::read(fd, buffer.get() + size, static_cast<std::size_t>(info.st_size) - size);
            if (got <= 0)
                break;
            size += static_cast<std::size_t>(got);
        }
    }
    ::close(fd);
    return buffer;
}

bool writeNewFileFlushed(const std::string& path, std::string_view bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (put <= 0)
            break;
        done += static_cast<std::size_t>(put);
    }
    const bool flushed = ::fsync(fd) == 0;
    return ::close(fd) == 0 && flushed && done == bytes.size();
}

int scanForQuery(std::string_view area, std::string_view query, const std::array<unsigned char, 256>& fold)
{
    const bool asIs = memmem(area.data(), area.size(), query.data(), query.size()) != nullptr;
    return int(asIs) + int(foundIgnoringCase(area, query, fold));
}

} // namespace tw::bench
