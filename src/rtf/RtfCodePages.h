#pragma once
// Single-byte pages are decoded and encoded by platform/qt/CodePages.
#include "platform/qt/CodePages.h"

namespace veltrano::rtf {

// The code page an RTF \fcharset value stands for; 0 when it names none (the
// file's \ansicpg applies then).
int codePageOfCharset(int charset);
// The \fcharset value to declare for a code page (0 for unknown pages).
int charsetOfCodePage(int codePage);

// Double-byte code pages (932, 936, 949, 950); DoubleByteText decodes them.
bool isDoubleByteCodePage(int codePage);
bool isDoubleByteLead(int codePage, unsigned char byte);

} // namespace veltrano::rtf
