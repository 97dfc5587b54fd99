#include "app/qt/gbk_text.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace quenzar {
namespace {

// Qt's converters come from ICU: "GBK" is code page 936 (with the euro sign
// at 0x80), "GB18030" its superset with four-byte forms for the rest of Unicode.
constexpr const char* kGbk = "GBK";
constexpr const char* kGb18030 = "GB18030";

std::string toStd(const QByteArray& bytes) {
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QByteArray byteView(std::string_view bytes) {
  return QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

bool isLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
bool isDigitByte(unsigned char b) { return b >= 0x30 && b <= 0x39; }

// GB18030 four-byte form: lead, digit, lead, digit. GBK never uses a digit as
// the second byte of a pair, so this cannot split a GBK character.
bool isFourByteForm(std::string_view bytes, std::size_t at) {
  if (at + 3 >= bytes.size()) return false;
  auto b = [&](std::size_t i) { return static_cast<unsigned char>(bytes[at + i]); };
  return isLeadByte(b(0)) && isDigitByte(b(1)) && isLeadByte(b(2)) && isDigitByte(b(3));
}

}  // namespace

std::string toGbk(const QString& text) {
  QStringEncoder gbk(kGbk);
  QByteArray whole = gbk.encode(text);
  if (!gbk.hasError()) return toStd(whole);

  // Some character has no GBK form: go character by character, each with a
  // fresh encoder, since an encoder's error mark stays once set.
  std::string out;
  out.reserve(static_cast<std::size_t>(whole.size()) + 8);
  for (qsizetype i = 0; i < text.size();) {
    const qsizetype length =
        (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2 : 1;
    const QStringView character(text.constData() + i, length);
    QStringEncoder gbkOnly(kGbk);
    QByteArray bytes = gbkOnly.encode(character);
    if (gbkOnly.hasError()) bytes = QStringEncoder(kGb18030).encode(character);
    out += toStd(bytes);
    i += length;
  }
  return out;
}

QString fromGbk(std::string_view bytes) {
  // Runs of GBK are decoded as GBK (so 0x80 stays the euro sign), four-byte
  // forms as GB18030.
  QStringDecoder gbk(kGbk);
  QStringDecoder gb18030(kGb18030);
  QString out;
  std::size_t runStart = 0;
  std::size_t at = 0;
  while (at < bytes.size()) {
    const auto b = static_cast<unsigned char>(bytes[at]);
    if (isFourByteForm(bytes, at)) {
      out += gbk.decode(byteView(bytes.substr(runStart, at - runStart)));
      out += gb18030.decode(byteView(bytes.substr(at, 4)));
      at += 4;
      runStart = at;
    } else {
      at += (isLeadByte(b) && at + 1 < bytes.size()) ? 2 : 1;
    }
  }
  out += gbk.decode(byteView(bytes.substr(runStart)));
  return out;
}

}  // namespace quenzar
