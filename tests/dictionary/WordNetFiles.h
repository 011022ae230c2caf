// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A small WordNet in a temporary folder: data lines at their true byte offsets, the index lines
// that point at them and an exception list. A test may overwrite any file with a damaged one.

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

struct SmallWordNet {
    using Lemmas = std::vector<std::pair<std::string, std::vector<std::string>>>;

    SmallWordNet()
    {
        Part("noun", {{"goose", {"a web-footed bird"}},
                      {"ice_cream", {"a frozen dessert"}},
                      {"tile", {"a flat slab; \"roof tiles\"", "a piece in a game", "a hat"}}});
        Part("verb", {{"tile", {"cover with tiles"}}, {"tumble", {"fall down; \"he tumbled\""}}});
        Write("noun.exc", "geese goose\n");
    }
    ~SmallWordNet() { std::filesystem::remove_all(folder); }

    // data.PART with each lemma's senses, and index.PART pointing at them; lemmas in byte order.
    void Part(const std::string& part, const Lemmas& lemmas) const
    {
        std::string data = "  1 A licence notice line.\n", index = data;
        for (const auto& [lemma, glosses] : lemmas) {
            std::string offsets;
            for (const std::string& gloss : glosses) {
                const std::string offset =
                    std::string(8 - std::to_string(data.size()).size(), '0') + std::to_string(data.size());
                offsets += " " + offset;
                data += offset + (" 05 " + part.substr(0, 1) + " 01 " + lemma + " 0 000 | " + gloss + "  \n");
            }
            const std::string count = std::to_string(glosses.size());
            index += lemma + " " + part[0] + " " + count + " 1 @ " + count + " 0" + offsets + "  \n";
        }
        Write("data." + part, data);
        Write("index." + part, index);
    }
    void Write(const std::string& name, const std::string& text) const
    {
        std::ofstream(folder + "/" + name, std::ios::binary) << text;
    }
    std::string Read(const std::string& name) const
    {
        std::ifstream in(folder + "/" + name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    std::string pattern = (std::filesystem::temp_directory_path() / "glim-wordnet-XXXXXX").string();
    const std::string folder = ::mkdtemp(pattern.data());
};
