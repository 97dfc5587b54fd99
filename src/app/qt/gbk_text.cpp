#include "app/qt/gbk_text.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <optional>

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

// Opening a converter costs more than converting a line, and the runs convert
// a title or a line thousands of times, so each converter is opened once and
// kept. A converter remembers two things between calls: an error mark, and
// the first half of a character cut off at the end of its input. Either one
// would spoil the next call, so a converter that has either is replaced.
// A replacement is built in place: a converter must not be moved, since the
// toolkit's converter keeps pointing at the place it was built.
template <typename Converter>
struct KeptConverter {
  explicit KeptConverter(const char* name) : name(name) { converter.emplace(name); }
  Converter& get() {
    if (spoiled || converter->hasError()) converter.emplace(name);
    spoiled = false;
    return *converter;
  }
  const char* name;
  std::optional<Converter> converter;
  bool spoiled = false;
};

KeptConverter<QStringEncoder>& gbkEncoder() {
  static KeptConverter<QStringEncoder> kept(kGbk);
  return kept;
}
KeptConverter<QStringEncoder>& gb18030Encoder() {
  static KeptConverter<QStringEncoder> kept(kGb18030);
  return kept;
}
KeptConverter<QStringDecoder>& gbkDecoder() {
  static KeptConverter<QStringDecoder> kept(kGbk);
  return kept;
}
KeptConverter<QStringDecoder>& gb18030Decoder() {
  static KeptConverter<QStringDecoder> kept(kGb18030);
  return kept;
}

}  // namespace

std::string toGbk(const QString& text) {
  // A lone high surrogate at the end would stay behind in the encoders.
  const bool endsMidCharacter = !text.isEmpty() && text.back().isHighSurrogate();
  struct MarkAfterUse {
    bool spoiled;
    ~MarkAfterUse() { gbkEncoder().spoiled = gb18030Encoder().spoiled = spoiled; }
  } mark{endsMidCharacter};

  QStringEncoder& gbk = gbkEncoder().get();
  QByteArray whole = gbk.encode(text);
  if (!gbk.hasError()) return toStd(whole);

  // Some character has no GBK form: go character by character.
  std::string out;
  out.reserve(static_cast<std::size_t>(whole.size()) + 8);
  for (qsizetype i = 0; i < text.size();) {
    const qsizetype length =
        (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2 : 1;
    const QStringView character(text.constData() + i, length);
    QStringEncoder& gbkOnly = gbkEncoder().get();
    QByteArray bytes = gbkOnly.encode(character);
    if (gbkOnly.hasError()) bytes = gb18030Encoder().get().encode(character);
    out += toStd(bytes);
    i += length;
  }
  return out;
}

QString fromGbk(std::string_view bytes) {
  // Runs of GBK are decoded as GBK (so 0x80 stays the euro sign), four-byte
  // forms as GB18030.
  QStringDecoder& gbk = gbkDecoder().get();
  QStringDecoder& gb18030 = gb18030Decoder().get();
  QString out;
  std::size_t runStart = 0;
  std::size_t at = 0;
  bool loneLeadAtEnd = false;
  while (at < bytes.size()) {
    const auto b = static_cast<unsigned char>(bytes[at]);
    if (isFourByteForm(bytes, at)) {
      out += gbk.decode(byteView(bytes.substr(runStart, at - runStart)));
      out += gb18030.decode(byteView(bytes.substr(at, 4)));
      at += 4;
      runStart = at;
    } else {
      loneLeadAtEnd = isLeadByte(b) && at + 1 == bytes.size();
      at += (isLeadByte(b) && at + 1 < bytes.size()) ? 2 : 1;
    }
  }
  out += gbk.decode(byteView(bytes.substr(runStart)));
  // The lone lead byte stays behind in the decoder.
  gbkDecoder().spoiled = loneLeadAtEnd;
  return out;
}

}  // namespace quenzar
