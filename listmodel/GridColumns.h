#pragma once

// The columns of the channel grid, in the order the table shows them.
// Column 0 holds the row number and takes no edits.
enum ChannelColumn : int {
    ColNumber = 0,
    ColName,
    ColSatName,
    ColFrequency,
    ColPolarisation,
    ColSymbolRate, // or the bandwidth of a terrestrial transponder
    ColVideoPid,
    ColAudioPid,
    ColPcrPid,
    ColTeletextPid,
    ColProgramNumber,
    ColProgramType,
    ColCrypted,
    ColTransponder,
    ColFavourite
};
