#include "listmodel/ListFileTexts.h"

#include "i18n/Messages.h"

using i18n::Msg;

void ListFileMessages::fieldWriteShort() {
    plainMessage(i18n::text(Msg::StringWriteFailed));
}

void ListFileMessages::saveFailed(const fileio::WriteResult& result) {
    writeFailed(result);
    plainMessage(i18n::text(Msg::DataSaveFailed));
}

ExportWords currentExportWords() {
    ExportWords words;
    words.tvTitle = i18n::latin1(Msg::ExportTvTitle);
    words.radioTitle = i18n::latin1(Msg::ExportRadioTitle);
    static constexpr Msg headings[] = {
        Msg::ExportHeading1, Msg::ExportHeading2, Msg::ExportHeading3,
        Msg::ExportHeading4, Msg::ExportHeading5, Msg::ExportHeading6,
        Msg::ExportHeading7, Msg::ExportHeading8, Msg::ExportHeading9};
    for (std::size_t i = 0; i < words.headings.size(); ++i)
        words.headings[i] = i18n::latin1(headings[i]);
    words.horizontal = i18n::latin1(Msg::ExportHorizontal);
    words.vertical = i18n::latin1(Msg::ExportVertical);
    words.free = i18n::latin1(Msg::ExportFree);
    words.crypted = i18n::latin1(Msg::ExportCrypted);
    return words;
}
