// The CRC-32 of IEEE 802.3 (as zip and PNG use it), to recognise a mangled or cut record.
#pragma once

#include <cstddef>
#include <cstdint>

uint32_t Crc32(const char* bytes, std::size_t size);
