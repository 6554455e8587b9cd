#include "tests/fuzz/fuzz_input.h"

#include <cstdio>
#include <cstdlib>

namespace vellex::fuzz {

FuzzInput::FuzzInput(const std::uint8_t* data, std::size_t size)
    : data_(reinterpret_cast<const char*>(data), size) {}

std::uint8_t FuzzInput::byte() {
    if (data_.empty())
        return 0;
    const auto b = static_cast<std::uint8_t>(data_.front());
    data_.remove_prefix(1);
    return b;
}

std::int32_t FuzzInput::anyInt() {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= static_cast<std::uint32_t>(byte()) << (8 * i);
    return static_cast<std::int32_t>(v);
}

int FuzzInput::intIn(int lo, int hi) {
    const auto span = static_cast<std::uint64_t>(static_cast<std::int64_t>(hi) - lo) + 1;
    const std::uint64_t raw = span <= 256 ? byte() : static_cast<std::uint32_t>(anyInt());
    return static_cast<int>(lo + static_cast<std::int64_t>(raw % span));
}

std::string_view FuzzInput::take(std::size_t n) {
    const std::string_view out = data_.substr(0, n);
    data_.remove_prefix(out.size());
    return out;
}

std::string_view FuzzInput::rest() {
    const std::string_view out = data_;
    data_ = {};
    return out;
}

void require(bool ok, const char* what) {
    if (ok)
        return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

}  // namespace vellex::fuzz
