#pragma once

#include "listformat/ChannelListImage.h"
#include "listmodel/GridColumns.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Single values of a channel as the editor's cells write them into the
// image. The columns are those of the channel grid (ChannelColumn).

// Leading decimal digits of a text; a text without them reads 0. Wider
// values wrap at 32 bits.
uint32_t leadingNumber(std::string_view text);

// The bandwidth code of a terrestrial transponder: bits 13..15 of
// symbolRate, 8 - MHz.
int bandwidthMHz(const TransponderRecord& tp);
void setBandwidthMHz(TransponderRecord& tp, int mhz);

// Accepted ranges by transponder kind.
bool symbolRateAccepted(TransponderKind kind, uint32_t value);
bool frequencyAccepted(TransponderKind kind, uint32_t value);

enum class CellWrite { Nothing, Channel, Transponder };

// Typed text of a cell of the channel in slot. Out-of-range symbol rates
// and bandwidths, columns without typed values and slots outside the table
// store nothing.
CellWrite writeCellText(ChannelListImage& image, int slot, int column, std::string_view text);

// The choice list of the satellite, polarisation, type and scrambling
// columns (empty for other columns), and
// the value an entry stands for.
std::vector<std::string> cellChoices(const ChannelListImage& image, int column);
void applyCellChoice(ChannelListImage& image, int slot, int column, int index);
