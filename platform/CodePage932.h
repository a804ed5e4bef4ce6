// CodePage932: conversion between UTF-8 and code page 932, the Shift-JIS of
// the family's files, by the platform's own converter (ICU through Qt on
// Linux, the system's code page 932 on Windows). TextEncoding builds on it.
#pragma once

#include <string>
#include <string_view>

// Returns utf8 in code page 932. complete is set false when a character has
// no code page 932 form ("?" then stands for each of its UTF-16 units, as on
// Windows), true otherwise.
std::string ToCodePage932(std::string_view utf8, bool& complete);

// Returns bytes as UTF-8; every byte that starts no code page 932 character
// (also a lead byte without its second byte) comes out as U+FFFD.
std::string FromCodePage932(std::string_view bytes);
