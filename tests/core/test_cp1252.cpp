// The Windows-1252 bytes of the logger link and of every file the program writes.
#include <gtest/gtest.h>
#include <iconv.h>

#include "Impression_Qt.h"
#include "core/Cp1252.h"

TEST(Cp1252, ChaqueOctetSelonLeConvertisseurDuSysteme) {
    const iconv_t systeme = iconv_open("UTF-16LE", "CP1252");
    ASSERT_NE(systeme, reinterpret_cast<iconv_t>(-1));
    for (int b = 0; b < 256; ++b) {
        char octet = static_cast<char>(b), *entree = &octet, sortie[4], *vers = sortie;
        std::size_t reste_entree = 1, reste_sortie = sizeof sortie;
        // The bytes the code page leaves undefined stand for the same code point.
        char16_t attendu = static_cast<char16_t>(b);
        if (iconv(systeme, &entree, &reste_entree, &vers, &reste_sortie) != std::size_t(-1)) {
            attendu = static_cast<char16_t>(static_cast<unsigned char>(sortie[0]) |
                                            static_cast<unsigned char>(sortie[1]) << 8);
        }
        EXPECT_EQ(Cp1252::Decode(QByteArray(1, octet)), QString(QChar(attendu))) << b;
        EXPECT_EQ(Cp1252::Encode(QString(QChar(attendu))), QByteArray(1, octet)) << b;
    }
    iconv_close(systeme);
    // U+0080 is no character of the set: its byte stands for the euro sign.
    EXPECT_EQ(Cp1252::Encode(u"\u0080ā→"), QByteArray("???")) << "outside the set";
}
