// File > Export and Import with a .yaml name carry the whole data set as text.

#include "AppTestSupport.h"
#include "support/Files.h"

class TextFormTest : public AppTest {};

TEST_F(TextFormTest, ExportedTextImportsBackAndARefusedOneChangesNothing) {
    Start();
    ASSERT_TRUE(Frame()->OpenPath(MakeDataFile("set.rdf", 145'000'000)));
    const Image opened = Radio().EditImage();

    prompt.savePaths = {Path("set.yaml")};
    Frame()->OnExportChannels();
    const QByteArray text = ReadAll(Path("set.yaml"));
    ASSERT_TRUE(text.contains("- {channel: 1, frequency: 145.00000")) << text.toStdString();

    // An edit in the text shows in the grid; importing the unchanged text restores the data.
    QByteArray edited = text;
    edited.replace("channel: 1, frequency: 145.00000", "channel: 1, frequency: 433.12500");
    WriteAll(Path("edited.yaml"), edited);
    prompt.openPaths = {Path("edited.yaml")};
    Frame()->OnImportChannels();
    EXPECT_EQ(CellText(1), "433.12500");
    prompt.openPaths = {Path("set.yaml")};
    Frame()->OnImportChannels();
    EXPECT_TRUE(Radio().EditImage() == opened);
    EXPECT_TRUE(prompt.messages.empty()) << prompt.LastText().toStdString();

    // A refused value is named with its line; the data stay as they were.
    edited.replace("frequency: 433.12500", "frequency: 1400");
    WriteAll(Path("bad.yaml"), edited);
    prompt.openPaths = {Path("bad.yaml")};
    Frame()->OnImportChannels();
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].icon, PromptIcon::Stop);
    EXPECT_TRUE(prompt.messages[0].text.contains(
        "channels 1: frequency: 1400.00000 is not a valid frequency"))
        << prompt.LastText().toStdString();
    EXPECT_TRUE(Radio().EditImage() == opened);
    EXPECT_EQ(CellText(1), "145.00000");
}
