#pragma once
#include <QByteArray>
#include <QString>

#include <optional>

namespace veltrano {

// The legacy single-byte code pages a file or note may be written in: Windows
// 1250 to 1258 and 874, DOS 437, 850 and 866, Mac Roman (10000). The one
// place that turns their bytes into characters and back: ICU (through Qt's
// decoders) where it knows a page, our own tables where it does not. Every
// byte maps to one character and back again, so no byte of a user's file is
// lost by a read and a write.
bool isSingleByteCodePage(int codePage);

// The character a byte stands for; a page not listed above reads as 1252,
// the usual default of Windows writers.
char16_t decodeCodePageByte(int codePage, unsigned char byte);
QString decodeCodePage(const QByteArray &bytes, int codePage);

// The byte of `ch`, or 0 when the page has none for it.
unsigned char encodeCodePageChar(int codePage, char16_t ch);
// False when a character has no byte in the page.
bool encodeCodePage(const QString &text, int codePage, QByteArray &out);
// The same as a table of 65536 entries indexed by character, built once per
// code page, for encoding whole notes.
const unsigned char *encodingTable(int codePage);

// The Windows code page that can hold `ch` (1252 first, then 1251, 1250 and
// the others), or 0 when none can.
int codePageHolding(char16_t ch);

// The system's own reading of a double-byte page (932, 936, 949, 950), for a
// Qt without ICU (the Windows build), where Qt has no decoder for them; a
// character the page has no reading for becomes U+FFFD. Nothing where the
// system has no such reading.
std::optional<QString> decodeDoubleByteBySystem(QByteArrayView bytes, int codePage);

// Our own upper half (bytes 0x80..0xFF) of a page, the one used where ICU
// does not know it; null for a page not listed above.
const char16_t *ownUpperHalf(int codePage);

} // namespace veltrano
