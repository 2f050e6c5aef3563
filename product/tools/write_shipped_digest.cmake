# cmake -DINPUT=<file> -DOUTPUT=<header> -DNAME=<C++ name prefix> -P write_shipped_digest.cmake
#
# Writes a header with the size and SHA-256 digest of a built file, so that a program can tell
# later whether a file on disk is the one built with it.
file(SIZE "${INPUT}" size)
file(SHA256 "${INPUT}" digest)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1, " bytes "${digest}")
string(STRIP "${bytes}" bytes)
set(content "// Generated when the program is built: the size and SHA-256 digest of the file it ships.
#pragma once

#include <array>
#include <cstdint>

inline constexpr std::uint64_t k${NAME}Size = ${size};
inline constexpr std::array<unsigned char, 32> k${NAME}Sha256 = {${bytes}};
")
file(WRITE "${OUTPUT}" "${content}")
