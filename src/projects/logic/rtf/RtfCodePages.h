#pragma once
#include <QChar>

namespace veltrano::rtf {

// The code page an RTF \fcharset value stands for; 0 when it names none (the
// file's \ansicpg applies then).
int codePageOfCharset(int charset);
// The \fcharset value to declare for a code page (0 for unknown pages).
int charsetOfCodePage(int codePage);

// Double-byte code pages (932, 936, 949, 950); DoubleByteText decodes them.
bool isDoubleByteCodePage(int codePage);
bool isDoubleByteLead(int codePage, unsigned char byte);

// The character a byte stands for in a single-byte code page; pages not known
// here are read as 1252, the usual default of Windows writers.
char16_t decodeCodePageByte(int codePage, unsigned char byte);
// The byte of `ch` in `codePage`, or 0 when the page has none for it.
unsigned char encodeCodePageChar(int codePage, char16_t ch);
// The same as a table of 65536 entries indexed by character, built once per
// code page, for encoding whole notes.
const unsigned char *encodingTable(int codePage);

// The single-byte code page that can hold `ch` among those a note is likely to
// use (1252 first), or 0 when none can.
int codePageHolding(char16_t ch);

} // namespace veltrano::rtf
