#include "ui/shell/ProjectText.h"

#include <QStringDecoder>

#include <cstdint>

namespace quarvex {

namespace {

// Windows-1252 at 0x80..0x9F; 0 where it assigns nothing.
constexpr std::uint16_t kCp1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                           0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                           0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                           0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace

QString ShowProjectText(std::string_view bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!utf8.hasError())
        return text;
    text.clear();
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b < 0xA0 && kCp1252High[b - 0x80] != 0)
            text += QChar(static_cast<char16_t>(kCp1252High[b - 0x80]));
        else
            text += QChar(static_cast<char16_t>(b));
    }
    return text;
}

std::string ProjectTextBytes(const QString& text, const std::vector<std::string>& shownFrom)
{
    for (const std::string& bytes : shownFrom)
        if (ShowProjectText(bytes) == text)
            return bytes;
    return text.toStdString();
}

} // namespace quarvex
