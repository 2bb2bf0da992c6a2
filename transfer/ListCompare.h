#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The fields in which two list files differ, named by their records: "channel
// 12: videoPid", "transponder 3: frequency", "header", "descriptor",
// "parameter block", "satellite 2", "trailer", "length". Each field once, in
// file order; empty when the two are byte for byte the same.
std::vector<std::string> differingListFields(const uint8_t* a, std::size_t aSize, const uint8_t* b,
                                             std::size_t bSize);
