#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vellex::fuzz {

// Takes the choices of one run (layout, widths, flags) off the front of a fuzzer's input;
// what is left is the text the code under test reads. A used-up input gives zeros, so
// every input, however short, is a valid run.
class FuzzInput final {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size);

    std::uint8_t byte();
    // A value in [lo, hi], from one byte when the range fits in one, else from four.
    int intIn(int lo, int hi);
    // Any 32-bit value, little end first.
    std::int32_t anyInt();
    // Up to `n` bytes.
    std::string_view take(std::size_t n);
    std::string_view rest();
    bool empty() const { return data_.empty(); }

  private:
    std::string_view data_;
};

// Stops the run with a message when a property does not hold; libFuzzer then keeps the
// input as a finding.
void require(bool ok, const char* what);

}  // namespace vellex::fuzz
