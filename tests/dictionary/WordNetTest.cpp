// SPDX-License-Identifier: GPL-3.0-or-later
// The WordNet reader: a word and its base forms found by part of speech, and damaged files, which
// yield what is intact and never more. glimdict's tests check the texts the game shows.

#include "WordNetFiles.h"

#include "dictionary/WordNet.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <functional>

namespace {

// Each meaning as "lemma (part of speech): gloss | gloss".
std::vector<std::string> Summary(const std::vector<WordMeaning>& meanings)
{
    std::vector<std::string> lines;
    for (const WordMeaning& meaning : meanings) {
        lines.push_back(meaning.lemma + " (" + meaning.partOfSpeech + "):");
        for (const std::string& gloss : meaning.glosses)
            lines.back() += (lines.back().ends_with(':') ? " " : " | ") + gloss;
    }
    return lines;
}

const std::string tileNoun = "tile (noun): a flat slab; \"roof tiles\" | a piece in a game | a hat";
const std::string tileVerb = "tile (verb): cover with tiles";

}  // namespace

// Lines of many lengths in the adverbs, so that the bisection meets line starts at every kind of
// position.
TEST(WordNet, FindsAWordAndItsBaseFormsInEachPartOfSpeech)
{
    SmallWordNet files;
    SmallWordNet::Lemmas adverbs;
    for (int i = 10; i < 90; ++i)  // every ninth with sixty senses, its index line longer than a first read
        adverbs.push_back({"w" + std::to_string(i) + std::string(i % 7, 'x'),
                           std::vector<std::string>(i % 9 == 0 ? 60 : 1, "sense " + std::to_string(i))});
    files.Part("adv", adverbs);
    WordNet wordNet(files.folder);
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"Tiles", {tileNoun, tileVerb}},
        {"GEESE", {"goose (noun): a web-footed bird"}},
        {"tumbled", {"tumble (verb): fall down; \"he tumbled\""}},
        {"ice cream", {"ice cream (noun): a frozen dessert"}},
        {"zebra", {}},
        {std::string(300, 't'), {}},
    };
    for (const auto& [word, meanings] : cases)
        EXPECT_EQ(Summary(wordNet.Define(word)), meanings) << word;
    for (const auto& [lemma, glosses] : adverbs) {
        const std::vector<WordMeaning> found = wordNet.Define(lemma);
        EXPECT_TRUE(found.size() == 1 && found[0].partOfSpeech == "adverb" && found[0].glosses == glosses) << lemma;
    }
}

// A missing folder or file, a pipe where an index should be (never waited on) and a line too long
// yield what is intact; the fuzzer feeds the reader every other kind of damage.
TEST(WordNet, DamagedOrMissingFilesYieldWhatIsIntact)
{
    using Damage = std::function<void(SmallWordNet&)>;
    const std::tuple<std::string, Damage, std::vector<std::string>> cases[] = {
        {"no folder", [](SmallWordNet& f) { std::filesystem::remove_all(f.folder); }, {}},
        {"no verb data", [](SmallWordNet& f) { std::filesystem::remove(f.folder + "/data.verb"); }, {tileNoun}},
        {"a pipe for an index",
         [](SmallWordNet& f) {
             std::filesystem::remove(f.folder + "/index.noun"), ::mkfifo((f.folder + "/index.noun").c_str(), 0600);
         },
         {tileVerb}},
        {"a line too long",
         [](SmallWordNet& f) {
             f.Part("noun", {{"tile", {std::string(40000, 'x'), "a hat"}}});
         },
         {"tile (noun): a hat", tileVerb}},
    };
    for (const auto& [name, damage, meanings] : cases) {
        SmallWordNet files;
        damage(files);
        EXPECT_EQ(Summary(WordNet(files.folder).Define("tiles")), meanings) << name;
    }
}
