#pragma once
// GBK (code page 936) at the toolkit edge: the program's texts are GBK bytes,
// the widgets hold Unicode.
//
// A character that GBK lacks (an emoji, a rare ideograph) is written in its
// four-byte GB18030 form rather than dropped or turned into "?", and such a
// form reads back as the same character, so every text survives a round trip
// through a control.

#include <QString>
#include <string>
#include <string_view>

namespace quenzar {

QString fromGbk(std::string_view bytes);
std::string toGbk(const QString& text);

// Source literals are UTF-8.
inline QString fromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace quenzar
