// The Windows-1252 bytes of the logger link and of every file the program writes.
#include <gtest/gtest.h>

#include "core/Cp1252.h"

TEST(Cp1252, ChaqueOctetSeRelitEnLuiMeme) {
    QByteArray octets;
    for (int b = 0; b < 256; ++b)
        octets.append(static_cast<char>(b));
    const QString texte = Cp1252::Decode(octets);
    EXPECT_EQ(Cp1252::Encode(texte), octets);
    // The bytes the code page leaves undefined stand for the same code point.
    const std::pair<int, char16_t> cas[] = {{0x41, u'A'}, {0x80, u'€'}, {0x81, 0x81}, {0x8D, 0x8D},
                                            {0x8F, 0x8F}, {0x96, u'–'}, {0x9C, u'œ'}, {0x9D, 0x9D},
                                            {0x9F, u'Ÿ'}, {0xB0, u'°'}, {0xE9, u'é'}, {0xFF, u'ÿ'}};
    for (const auto& [octet, caractere] : cas)
        EXPECT_EQ(texte[octet], QChar(caractere)) << octet;
    EXPECT_EQ(Cp1252::Encode(u"ā→"), QByteArray("??")) << "outside the set";
}
