#pragma once
// Test helper: a small arbitrary-precision unsigned integer (base 10^9), for
// exact reference values that do not go through the code under test.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace quenzar::testing {

class BigUnsigned {
 public:
  BigUnsigned() = default;
  explicit BigUnsigned(std::uint64_t v) {
    while (v != 0) {
      limbs_.push_back(static_cast<std::uint32_t>(v % kBase));
      v /= kBase;
    }
  }
  static BigUnsigned fromDecimal(const std::string& digits) {
    BigUnsigned n;
    for (char c : digits) {
      n.multiply(10);
      n.add(static_cast<std::uint32_t>(c - '0'));
    }
    return n;
  }

  BigUnsigned& multiply(std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (auto& limb : limbs_) {
      const std::uint64_t x = std::uint64_t{limb} * factor + carry;
      limb = static_cast<std::uint32_t>(x % kBase);
      carry = x / kBase;
    }
    while (carry != 0) {
      limbs_.push_back(static_cast<std::uint32_t>(carry % kBase));
      carry /= kBase;
    }
    trim();
    return *this;
  }
  BigUnsigned& add(std::uint32_t term) {
    std::uint64_t carry = term;
    for (std::size_t i = 0; carry != 0; ++i) {
      if (i == limbs_.size()) limbs_.push_back(0);
      const std::uint64_t x = limbs_[i] + carry;
      limbs_[i] = static_cast<std::uint32_t>(x % kBase);
      carry = x / kBase;
    }
    return *this;
  }
  BigUnsigned& multiplyPower(std::uint32_t base, int exponent) {
    for (int i = 0; i < exponent; ++i) multiply(base);
    return *this;
  }

  std::string decimal() const {
    if (limbs_.empty()) return "0";
    std::string s = std::to_string(limbs_.back());
    for (std::size_t i = limbs_.size() - 1; i-- > 0;) {
      std::string part = std::to_string(limbs_[i]);
      s += std::string(9 - part.size(), '0') + part;
    }
    return s;
  }

  friend int compare(const BigUnsigned& a, const BigUnsigned& b) {
    if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
    for (std::size_t i = a.limbs_.size(); i-- > 0;) {
      if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
    }
    return 0;
  }

 private:
  static constexpr std::uint64_t kBase = 1'000'000'000;
  void trim() {
    while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
  }
  std::vector<std::uint32_t> limbs_;
};

}  // namespace quenzar::testing
