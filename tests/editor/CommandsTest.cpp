#include "tests/editor/EditorFixture.h"

#include "editor/EditTransponder.h"
#include "editor/Suche.h"
#include "fileio/LocalPath.h"
#include "i18n/Messages.h"
#include "listformat/ListFile.h"

#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QTest>

using namespace listtest;

namespace {

class EditorCommandsTest : public EditorTest {
protected:
    // Channels on transponder 0 (satellite, vertical), 1 (cable); 2 is free.
    QString writeTuned(const std::vector<ChannelRecord>& channels) {
        ChannelListModel source;
        source.image.transponders[0] = {27500, 11954000, 1, 1, 0, 0, 0};
        source.image.transponders[1] = {6900, 3300000, 1, 0, 0, 0, 1};
        source.image.transponders[2].frequency = 0xFFFFFFFF;
        setFieldText(source.image.satellites[0].name, "Astra");
        setChannels(source, channels);
        RecordingReporter reporter;
        const QString path = dir.filePath("tuned.lst");
        EXPECT_TRUE(saveListFile(source.image, fileio::localPath(path), reporter));
        return path;
    }
    QLineEdit* openEditor(int column, int row) {
        edit->controls().StringGrid1->setCurrentCell(column, row);
        edit->StringGrid1DblClick(column, row);
        auto* editor = edit->controls().StringGrid1->viewport()->findChild<QLineEdit*>();
        if (editor)
            QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        return editor;
    }
    // The in-place editor closes on Enter once the events have run.
    static void pressEnter(QLineEdit* editor) {
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    QByteArray fileBytes(const QString& name) {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

} // namespace

TEST_F(EditorCommandsTest, FindWalksDownAndStartsAtTheTopAfterNothingFound) {
    TSuche suche;
    edit->setFinder(&suche);
    open(writeList(
        {channel(true, 1, "Sport 1"), channel(true, 2, "News"), channel(true, 3, "Transport")}));
    edit->controls().StringGrid1->setCurrentCell(1, 1);
    edit->Find1Click();
    suche.Edit1->setText(QStringLiteral("s p o"));
    emit suche.startRequested();
    EXPECT_EQ(edit->controls().StringGrid1->currentGridRow(), 3);
    edit->Suchewiederholen1Click();
    EXPECT_EQ(dialogs.messageTexts(), QStringList{i18n::text(i18n::Msg::NothingFound)});
    EXPECT_EQ(edit->controls().StringGrid1->currentGridRow(), 3); // selection stays
    edit->Suchewiederholen1Click();
    EXPECT_EQ(edit->controls().StringGrid1->currentGridRow(), 1);
    EXPECT_EQ(edit->controls().StringGrid1->currentGridColumn(), 1);
}

TEST_F(EditorCommandsTest, SaveAsTextExportsWithoutMovingTheListPath) {
    const QString path = writeList(tvThenRadio(2));
    open(path);
    dialogs.saveAnswers.push_back(dir.filePath("export.txt"));
    EXPECT_TRUE(edit->SaveAs1Click());
    const QByteArray text = fileBytes("export.txt");
    EXPECT_TRUE(text.contains("Ch1"));
    EXPECT_EQ(edit->editor().path(), path);
    EXPECT_TRUE(edit->saveList());
    EXPECT_EQ(fileBytes("export.txt"), text);
    EXPECT_TRUE(loadListFile(model->image, fileio::localPath(path)));
}

TEST_F(EditorCommandsTest, SaveAsByEnding) {
    const QString path = writeList(tvThenRadio(2));
    open(path);
    for (const char* name : {"plain", "list.lis", "odd.dat"}) {
        dialogs.clear();
        dialogs.saveAnswers.push_back(dir.filePath(name));
        EXPECT_FALSE(edit->SaveAs1Click()) << name;
        EXPECT_FALSE(QFile::exists(dir.filePath(name))) << name;
        EXPECT_EQ(dialogs.messageTexts(), QStringList{i18n::text(i18n::Msg::SaveAsUnknownEnding)});
        EXPECT_EQ(edit->editor().path(), path);
    }
    dialogs.saveAnswers.push_back(dir.filePath("CAPS.LST"));
    EXPECT_TRUE(edit->SaveAs1Click());
    EXPECT_EQ(fileBytes("CAPS.LST").size(), static_cast<qsizetype>(ListFileBytes));
    EXPECT_EQ(edit->editor().path(), dir.filePath("CAPS.LST"));
    dialogs.saveAnswers.push_back(dir.filePath("UPPER.TXT"));
    EXPECT_TRUE(edit->SaveAs1Click());
    EXPECT_TRUE(fileBytes("UPPER.TXT").contains("Ch2"));
}

TEST_F(EditorCommandsTest, PrintsTheViewToPdfInPagesOf55Lines) {
    std::vector<ChannelRecord> channels = tvThenRadio(100, 3);
    channels[1] = channel(true, 2, "T\xE9l\xE9 \xD6sterreich"); // Latin-1, as in the file
    open(writeList(channels));
    edit->applyLanguage(i18n::Language::French);
    edit->controls().StringGrid1->verticalHeader()->setDefaultSectionSize(18); // 990 div 18 = 55
    const QString pdf = dir.filePath("list.pdf");
    dialogs.printAnswers.push_back([pdf](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageOrientation(QPageLayout::Portrait);
    });
    edit->Print1Click();
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(20000));
    const QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput())
                                  .split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 2);
    const QStringList first = pages[0].split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_TRUE(first[0].contains(QString::fromUtf8("Fréquence")));
    EXPECT_TRUE(first[1].contains(QStringLiteral("Ch1")));
    EXPECT_TRUE(first[2].contains(QString::fromUtf8("Télé Österreich")));
    EXPECT_TRUE(first.last().contains(QStringLiteral("Ch55")));
    EXPECT_TRUE(pages[1].trimmed().startsWith(QStringLiteral("56")));
    EXPECT_FALSE(pages[1].contains(QStringLiteral("Ch101"))); // radio is not in the TV view
}

TEST_F(EditorCommandsTest, FontSetsTheRowHeight) {
    QFont font;
    font.setPixelSize(16);
    dialogs.fontAnswers.push_back(font);
    edit->FontButtonClick();
    EXPECT_EQ(edit->controls().StringGrid1->verticalHeader()->defaultSectionSize(), 21);
}

TEST_F(EditorCommandsTest, TypedFrequencyIsStoredAtOnceAndShownOnSharedRowsAfterEnter) {
    open(writeTuned({channel(true, 1), channel(true, 2)}));
    QLineEdit* editor = openEditor(3, 1);
    ASSERT_NE(editor, nullptr);
    uint32_t expected = 0;
    for (const char digit : std::string("12345")) {
        QTest::keyClick(editor, digit);
        expected = expected * 10 + static_cast<uint32_t>(digit - '0');
        EXPECT_EQ(model->image.transponders[0].frequency, expected);
    }
    EXPECT_EQ(cell(3, 2), "11954000");
    pressEnter(editor);
    EXPECT_EQ(cell(3, 2), "12345");
    EXPECT_TRUE(edit->statusText().endsWith(" *"));
    edit->undo();
    EXPECT_EQ(model->image.transponders[0].frequency, 11954000u);
    EXPECT_EQ(cell(3, 1), "11954000");
}

TEST_F(EditorCommandsTest, LongNameIsCutAndUndoneAsOneStep) {
    open(writeTuned({channel(true, 1)}));
    QLineEdit* editor = openEditor(1, 1);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("A name of twenty-five ch"));
    pressEnter(editor);
    EXPECT_EQ(fieldText(model->image.channels[0].name), "A name of twenty-fi");
    EXPECT_EQ(model->history.undoCount(), 1);
    edit->undo();
    EXPECT_EQ(fieldText(model->image.channels[0].name), "Ch1");
    EXPECT_EQ(cell(1, 1), "Ch1");
}

TEST_F(EditorCommandsTest, ChoosingRadioInTheTvViewRemovesTheRow) {
    open(writeTuned({channel(true, 1), channel(true, 2)}));
    edit->controls().StringGrid1->setCurrentCell(11, 1);
    edit->StringGrid1DblClick(11, 1);
    ASSERT_TRUE(edit->controls().cellChoiceList->isVisible());
    EXPECT_EQ(edit->controls().cellChoiceList->currentText(), QStringLiteral("TV"));
    emit edit->controls().cellChoiceList->activated(1);
    EXPECT_FALSE(edit->controls().cellChoiceList->isVisible());
    EXPECT_EQ(model->viewRowCount(), 1);
    EXPECT_EQ(cell(1, 1), "Ch2");
    EXPECT_FALSE(model->image.channels[0].isTv());
}

TEST_F(EditorCommandsTest, TransponderDialog) {
    TEditTransponder dialog(dialogs, *model);
    edit->setTransponderDialog(&dialog);
    edit->Transponderbearbeiten1Click(); // no list yet
    EXPECT_EQ(dialogs.messageTexts(), QStringList{i18n::text(i18n::Msg::LoadListFirst)});
    EXPECT_EQ(dialogs.count(FakeDialogs::Shown::Kind::Open), 1);

    open(writeTuned({channel(true, 1), channel(true, 2)}));
    dialogs.clear();
    edit->controls().StringGrid1->setCurrentCell(1, 1);
    // A free transponder is refused; "Zuweisen" with "H" clears the vertical bit.
    dialogs.dialogActions.push_back([&](QDialog&) {
        dialog.ComboBox1Change(2);
        EXPECT_EQ(dialog.chosenTransponder(), 0);
        // A satellite frequency counts once its eighth digit is typed.
        QString typed;
        for (const QChar digit : QStringLiteral("11778000")) {
            typed += digit;
            dialog.Edit_Frequency->setText(typed);
            EXPECT_EQ(model->image.transponders[0].frequency,
                      typed.size() < 8 ? 11954000u : 11778000u);
        }
        dialog.ComboBox5Change(0);
        dialog.Button1Click();
    });
    edit->Transponderbearbeiten1Click();
    EXPECT_EQ(dialogs.messageTexts(), QStringList{i18n::text(i18n::Msg::TpFree)});
    EXPECT_FALSE(model->image.transponders[0].vertical());
    EXPECT_EQ(cell(4, 2), "H");

    // Reassignment to the cable transponder, with its QAM size; undone in one step.
    dialogs.dialogActions.push_back([&](QDialog&) {
        dialog.ComboBox1Change(1);
        EXPECT_FALSE(dialog.ComboBox5->isVisibleTo(&dialog));
        EXPECT_EQ(dialog.ComboBox4->currentText(), QStringLiteral("16"));
        dialog.ComboBox4->setCurrentIndex(2);
        dialog.Edit_SymbolRate->setText(QStringLiteral("870")); // out of range
        dialog.Button1Click();
    });
    edit->Transponderbearbeiten1Click();
    EXPECT_EQ(model->image.channels[0].transponderIndex, 1);
    EXPECT_EQ(model->image.transponders[1].modulationCode, 3);
    EXPECT_EQ(model->image.transponders[1].symbolRate, 6900u);
    EXPECT_EQ(cell(13, 1), "1");
    edit->undo();
    EXPECT_EQ(model->image.channels[0].transponderIndex, 0);
    EXPECT_EQ(model->image.transponders[1].modulationCode, 1);
    EXPECT_EQ(cell(13, 1), "0");
}

TEST_F(EditorCommandsTest, AfterALanguageSwitchTheQamChoiceWaitsForASymbolRate) {
    TEditTransponder dialog(dialogs, *model); // built while no list is open
    EXPECT_EQ(dialog.ComboBox1->count(), TransponderSlots);
    open(writeTuned({channel(true, 1, "Kabel", 1)}));
    dialog.FormShow(0, "1");
    i18n::applyMessages(i18n::Language::English);
    dialogs.clear();
    dialog.ComboBox4->setCurrentIndex(4);
    EXPECT_EQ(dialogs.messageTexts(), QStringList{i18n::text(i18n::Msg::TpNoValidChosen)});
    EXPECT_EQ(model->image.transponders[1].modulationCode, 1);
    dialog.Edit_SymbolRate->setText(QStringLiteral("6950"));
    dialog.ComboBox4->setCurrentIndex(3);
    EXPECT_EQ(model->image.transponders[1].modulationCode, 4);
    EXPECT_EQ(model->image.transponders[1].symbolRate, 6950u);
}
