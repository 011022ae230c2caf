#include "TempFolder.h"
#include "TsdBytes.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <sys/wait.h>

namespace {

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteText(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// Runs the built glimdict with the arguments (already quoted for the shell where needed).
Result Glimdict(const TempFolder& folder, const std::string& arguments)
{
    const std::string out = folder.File("stdout.txt");
    const std::string err = folder.File("stderr.txt");
    const std::string command = std::string("'") + GLIMDICT_EXE + "' " + arguments + " >'" + out + "' 2>'" + err + "'";
    const int raw = std::system(command.c_str());
    Result result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = ReadAll(out);
    result.err = ReadAll(err);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return result;
}

std::string Quoted(const std::string& path)
{
    return "'" + path + "'";
}

constexpr const char* smallList = "cat\ncafé\nCafé\ncat's\ndon't\nice cream\ncat\n";

} // namespace

TEST(GlimdictCli, BuildsASmallListThatTheInspectCommandsRead)
{
    TempFolder folder;
    WriteText(folder.File("words.txt"), smallList);
    const std::string dict = Quoted(folder.File("small.tsd"));

    const Result build = Glimdict(folder, "build --description 'Small test list' " + Quoted(folder.File("words.txt")) + " " + dict);
    ASSERT_EQ(build.status, 0) << build.err;
    EXPECT_NE(build.out.find("3 words written"), std::string::npos) << build.out;
    EXPECT_NE(build.out.find("4 skipped"), std::string::npos) << build.out;
    EXPECT_EQ(ReadAll(folder.File("small.tsd")).substr(0, 4), "TSD1");

    // Cut one byte before the section of 4 letters (its offset is at 94 in a TSD1 file of 5 slots),
    // which then starts past the end: the file stays valid and keeps its counts.
    std::string cut = ReadAll(folder.File("small.tsd"));
    cut.resize(U32At(std::vector<std::uint8_t>(cut.begin(), cut.end()), 18 + 12 * 5 + 4 * 4) - 1);
    WriteText(folder.File("cut.tsd"), cut);
    for (const std::string& file : {dict, Quoted(folder.File("cut.tsd"))}) {
        const Result info = Glimdict(folder, "info " + file);
        EXPECT_EQ(info.status, 0) << info.err;
        EXPECT_NE(info.out.find(": valid\nversion: 1\nslots: 5\nwords of 3 letters: 1\nwords of 4 letters: 2\n"
                                "words: 3\ndescription: Small test list"),
                  std::string::npos)
            << info.out;
    }

    const Result words = Glimdict(folder, "words " + dict);
    EXPECT_EQ(words.status, 0) << words.err;
    EXPECT_EQ(words.out, "CAT\tcat\nCAFE\tcafé\nDONT\tdon't\n");

    const Result found = Glimdict(folder, "lookup " + dict + " CAFE DONT");
    EXPECT_EQ(found.status, 0);
    EXPECT_EQ(found.out, "café\ndon't\n");

    const Result missing = Glimdict(folder, "lookup " + dict + " CAT XYZZY");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "cat\n\n");
}

TEST(GlimdictCli, OptionsChooseTheFormatAndKeepProperNounsAndPossessives)
{
    TempFolder folder;
    WriteText(folder.File("words.txt"), smallList);
    const std::string dict = Quoted(folder.File("all.tsd"));
    const Result build = Glimdict(folder, "build --format 0 --proper-nouns --possessives " + Quoted(folder.File("words.txt")) + " " + dict);
    ASSERT_EQ(build.status, 0) << build.err;
    EXPECT_NE(build.out.find("5 words written"), std::string::npos) << build.out;
    EXPECT_EQ(ReadAll(folder.File("all.tsd")).substr(0, 4), "TSD0");

    // café and Café share the key CAFE; the game finds the one that came first.
    const Result lookup = Glimdict(folder, "lookup " + dict + " CAFE CATS");
    EXPECT_EQ(lookup.status, 0);
    EXPECT_EQ(lookup.out, "café\ncat's\n");
}

TEST(GlimdictCli, FailuresExitNonZeroAndLeaveNoOutput)
{
    struct Case {
        const char* name;
        std::string listText;  // written to words.txt unless empty and missingList
        bool missingList;
        std::string output;    // relative to the folder
        std::string options;
        int status;
    };
    const Case cases[] = {
        {"missing word list", "", true, "out.tsd", "", 1},
        {"empty word list", "\n  \n\n", false, "out.tsd", "", 1},
        {"nothing storable", "Paris\nice cream\n", false, "out.tsd", "", 1},
        {"output folder missing", "cat\n", false, "no/such/folder/out.tsd", "", 1},
        {"output is a folder", "cat\n", false, "taken", "", 1},
        {"bad format", "cat\n", false, "out.tsd", "--format 2", 2},
        {"unknown option", "cat\n", false, "out.tsd", "--fast", 2},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        std::filesystem::create_directory(folder.path / "taken");
        if (!c.missingList)
            WriteText(folder.File("words.txt"), c.listText);
        const Result result = Glimdict(folder, "build " + c.options + " " + Quoted(folder.File("words.txt")) + " "
                                                   + Quoted(folder.File(c.output)));
        EXPECT_EQ(result.status, c.status) << c.name;
        EXPECT_FALSE(result.err.empty()) << c.name;
        std::vector<std::string> left;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path))
            left.push_back(entry.path().filename().string());
        std::sort(left.begin(), left.end());
        const std::vector<std::string> expected = c.missingList ? std::vector<std::string>{"taken"}
                                                                : std::vector<std::string>{"taken", "words.txt"};
        EXPECT_EQ(left, expected) << c.name;
    }
}

TEST(GlimdictCli, FailedBuildKeepsThePreviousDictionary)
{
    TempFolder folder;
    WriteText(folder.File("words.txt"), smallList);
    WriteText(folder.File("empty.txt"), "");
    const std::string dict = folder.File("keep.tsd");
    ASSERT_EQ(Glimdict(folder, "build " + Quoted(folder.File("words.txt")) + " " + Quoted(dict)).status, 0);
    const std::string before = ReadAll(dict);
    EXPECT_EQ(Glimdict(folder, "build " + Quoted(folder.File("empty.txt")) + " " + Quoted(dict)).status, 1);
    EXPECT_EQ(ReadAll(dict), before);
}

TEST(GlimdictCli, UnknownCommandOrNoneIsAUsageError)
{
    TempFolder folder;
    EXPECT_EQ(Glimdict(folder, "").status, 2);
    const Result unknown = Glimdict(folder, "compress x");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("usage"), std::string::npos);
    EXPECT_EQ(Glimdict(folder, "--help").status, 0);
}
