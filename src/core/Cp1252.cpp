#include "core/Cp1252.h"

namespace Cp1252 {
namespace {
// 0x80..0x9F; 0 where the code page leaves the byte undefined (read as the same code point).
constexpr char16_t Plage_80[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                   0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                   0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                   0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
}  // namespace

QByteArray Encode(QStringView texte) {
    QByteArray octets;
    octets.reserve(texte.size());
    for (QChar c : texte) {
        const char16_t u = c.unicode();
        char octet = '?';
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            octet = static_cast<char>(u);
        } else {
            for (int i = 0; i < 32; ++i) {
                if (Plage_80[i] == u || (Plage_80[i] == 0 && u == 0x80 + i)) {
                    octet = static_cast<char>(0x80 + i);
                    break;
                }
            }
        }
        octets.append(octet);
    }
    return octets;
}

QString Decode(QByteArrayView octets) {
    QString texte(octets.size(), Qt::Uninitialized);
    QChar* sortie = texte.data();
    for (char o : octets) {
        const auto b = static_cast<unsigned char>(o);
        char16_t u = b;
        if (b >= 0x80 && b < 0xA0 && Plage_80[b - 0x80] != 0) u = Plage_80[b - 0x80];
        *sortie++ = QChar(u);
    }
    return texte;
}
}  // namespace Cp1252
