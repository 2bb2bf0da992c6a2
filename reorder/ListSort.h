#pragma once

#include <string>
#include <string_view>

class ChannelListModel;

enum class ChannelSortKey { Name, ProgramNumber, Frequency, Favourite };

// Name order: the name as the find compares it (case of a to z folded, blanks
// and control codes dropped), with the accented Latin-1 letters folded onto
// their base letters, so "Ärger" sorts among the A.
std::string nameSortKey(std::string_view latin1);

// Sorts the channels shown in rows firstRow..lastRow of the current view
// (bounded by the view) among the slots they take; every other record keeps
// its slot. Stable: channels with equal keys keep their order. Frequency
// sorts by satellite name (as the table shows it), then frequency; favourite
// number puts channels without one behind the favourites in both directions.
// Records move whole, so favourites keep their channels. The rearranged list
// is written by placeChannels, as a reorder writes it. Framing it as an undo
// step is the caller's business.
void sortViewRows(ChannelListModel& model, int firstRow, int lastRow, ChannelSortKey key,
                  bool descending);
