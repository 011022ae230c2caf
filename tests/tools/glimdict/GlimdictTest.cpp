// SPDX-License-Identifier: GPL-3.0-or-later
// glimdict run as a user runs it: it builds, inspects, looks up and defines, and judges every kind
// of word it skips. (Its prefix code is read back by the dictionary reader's tests, codes of the
// longest length the format allows included.)

#include "TsdFiles.h"
#include "WordNetFiles.h"

#include <sys/wait.h>
#include <iterator>
#include <set>

namespace {

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

// A session at the command line in one folder: each call's exit status, and text its output and
// its error output must hold. The list exercises every reason to skip a word. Failed builds write
// nothing, not even a temporary file, and keep the previous dictionary. Definitions come from a
// small WordNet, one block per word.
TEST(GlimdictCli, BuildsInspectsAndLooksUpAndRefusesBadInput)
{
    TempFolder folder;
    const SmallWordNet wordNet;
    const std::string define = "define --wordnet " + wordNet.folder;
    setenv("WNSEARCHDIR", wordNet.folder.c_str(), 1);  // where WordNet's own tools look too
    std::ofstream(folder.File("words.txt"))
        << "\xEF\xBB\xBF"
           "cat\r\n  café \n\nCafé\ncat's\ndon't\niPaŸ\naujourd'\ndont\nice cream\ncat\nà-côté\na\n3D\n"
           "encyclopædia\n日本\n"
        << std::string(32, 'z') << "\n"
        << std::string(31, 'y') << "\n";  // one letter too many, then the most
    std::ofstream(folder.File("names.txt")) << "Paris\nice cream\n";
    std::filesystem::create_directory(folder.path / "taken");
    Bytes cut = Tsd(1, std::vector<std::string>(300, "abcde"));
    cut.resize(cut.size() - 100);
    folder.Write("cut.tsd", cut);
    const struct {
        std::string arguments;
        int status;
        std::string out, err = {};
    } calls[] = {
        {"build --description 'Small list' words.txt d.tsd", 0,
         "d.tsd: 5 words written (TSD1), 12 skipped (1 not Windows-1252, "
         "1 letters without a single capital, 1 other characters, 1 with a space, 1 too short, 1 too long, 1 proper nouns, "
         "1 with capitals inside, 2 with an apostrophe, 1 ending in an apostrophe, 1 duplicates), "},
        {"build names.txt d.tsd", 1, "", "none of the 2 words of names.txt can be stored"},
        {"info d.tsd", 0,
         "d.tsd: valid\nversion: 1\nslots: 32\nwords of 3 letters: 1\nwords of 4 letters: 2\nwords of 5 letters: 1\n"
         "words of 31 letters: 1\nwords: 5\ndescription: Small list\n"},
        {"words d.tsd", 0, "CAT\tcat\nCAFE\tcafé\nDONT\tdont\nACOTE\tà-côté\n"},
        {"lookup d.tsd CAT XYZZY", 1, "cat\n\n"},
        {"build --format 0 --proper-nouns --possessives words.txt all.tsd", 0,
         "all.tsd: 7 words written (TSD0), 10 skipped"},
        {"lookup all.tsd CAFE CATS DONT IPAY", 0, "café\ncat's\ndont\niPaŸ\n"},
        {"info d.tsd >/dev/null && md5sum d.tsd all.tsd", 0,
         "3a03472c171f16dbc276f78a4c062fa2  d.tsd\n7bc49e0f705f412b91114ae8b3630e20  all.tsd\n"},  // byte for byte as approved
        {"build missing.txt x.tsd", 1, "", "cannot read missing.txt: No such file"},
        {"build taken x.tsd", 1, "", "taken: is a directory"},
        {"build words.txt no/such/x.tsd", 1, "", "cannot write no/such/x.tsd"},
        {"build words.txt x.tsd --format", 2, "", "--format needs a value"},
        {"info cut.tsd", 1, "cut.tsd: damaged: "},
        {"words words.txt", 1, "", "words.txt: -- INVALID DICTIONARY FILE --"},
        {define + " tiles geese", 0,
         "tiles\ntile (noun)\n  1. a flat slab; \"roof tiles\"\n  2. a piece in a game\n  3. a hat\ntile (verb)\n"
         "  1. cover with tiles\n\ngeese\ngoose (noun)\n  1. a web-footed bird\n"},
        {define + " --brief zebra tiles", 1, "tiles\ntile (noun)\n  1. a flat slab\n  2. a piece in a game\ntile",
         "no definition of zebra"},
        {"define geese", 0, "geese\ngoose (noun)\n"},
        {"", 2, "", "one has no definition\n"},  // the usage, ended by a line break
        {"spell d.tsd", 2, "", "unknown command \"spell\""},
        {"--help", 0, "usage: glimdict COMMAND ARGUMENTS\n"},
    };
    for (const auto& call : calls) {
        SCOPED_TRACE(call.arguments);
        const int raw = std::system(
            ("cd '" + folder.path.string() + "' && '" GLIMDICT_EXE "' " + call.arguments + " >out 2>err").c_str());
        const std::string out = ReadAll(folder.File("out")), err = ReadAll(folder.File("err"));
        EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, call.status);
        EXPECT_NE(out.find(call.out), std::string::npos) << out;
        EXPECT_TRUE(call.err.empty() ? err.empty() : err.find(call.err) != std::string::npos) << err;
    }
    unsetenv("WNSEARCHDIR");
    std::set<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path))
        left.insert(entry.path().filename().string());
    EXPECT_EQ(left,
              (std::set<std::string>{"all.tsd", "cut.tsd", "d.tsd", "err", "names.txt", "out", "taken", "words.txt"}));
}
