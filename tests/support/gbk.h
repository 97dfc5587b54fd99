#pragma once
// Test helper: UTF-8 to GBK through the C library's iconv, independent of
// the code under test, so expected texts can be written readably.

#include <iconv.h>

#include <stdexcept>
#include <string>
#include <string_view>

namespace quenzar::testing {

inline std::string gbk(std::string_view utf8) {
  iconv_t cd = iconv_open("GBK", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no GBK converter");
  std::string in(utf8);
  std::string out(in.size() * 2 + 4, '\0');
  char* inPtr = in.data();
  char* outPtr = out.data();
  std::size_t inLeft = in.size();
  std::size_t outLeft = out.size();
  const std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (rc == static_cast<std::size_t>(-1)) throw std::runtime_error("not convertible to GBK");
  out.resize(out.size() - outLeft);
  return out;
}

}  // namespace quenzar::testing
