#include "platform/qtext.h"

#include "platform/cp1252.h"

#include <QList>

QString qtext(const char* bytes)
{
    QString out;
    if (bytes == nullptr)
        return out;
    for (const char* p = bytes; *p != 0; ++p) {
        const char32_t c = cp1252tounicode(static_cast<unsigned char>(*p));
        out += QChar(static_cast<char16_t>(c));
    }
    return out;
}

std::string bytesof(const QString& text)
{
    std::string out;
    const QList<uint> points = text.toUcs4();
    out.reserve(points.size());
    for (uint c : points)
        out += static_cast<char>(unicodetocp1252(c));
    return out;
}
