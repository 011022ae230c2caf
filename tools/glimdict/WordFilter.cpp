// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/glimdict/WordFilter.h"

#include "dictionary/Cp1252.h"
#include "tools/glimdict/Cp1252Letters.h"
#include "tools/glimdict/TsdWriter.h"

namespace {

bool IsApostrophe(unsigned char byte)
{
    return byte == '\'' || byte == 0x92;
}

}  // namespace

const char* SkipReasonText(SkipReason reason)
{
    switch (reason) {
    case SkipReason::None:
        return "kept";
    case SkipReason::NotEncodable:
        return "not Windows-1252";
    case SkipReason::NoSingleCapital:
        return "letters without a single capital";
    case SkipReason::OtherCharacter:
        return "other characters";
    case SkipReason::Space:
        return "with a space";
    case SkipReason::TooShort:
        return "too short";
    case SkipReason::TooLong:
        return "too long";
    case SkipReason::ProperNoun:
        return "proper nouns";
    case SkipReason::InnerCapital:
        return "with capitals inside";
    case SkipReason::Apostrophe:
        return "with an apostrophe";
    case SkipReason::Fragment:
        return "ending in an apostrophe";
    case SkipReason::Duplicate:
        return "duplicates";
    }
    return "?";
}

WordVerdict ClassifyWord(std::string_view utf8Word, const FilterOptions& options)
{
    WordVerdict verdict;
    auto encoded = Utf8ToCp1252(utf8Word);
    if (!encoded) {
        verdict.reason = SkipReason::NotEncodable;
        return verdict;
    }
    const std::string& text = *encoded;

    std::size_t letters = 0;
    bool firstLetterUpper = false, innerCapital = false, space = false, apostrophe = false;
    for (char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        const Cp1252Char c = ClassifyCp1252(byte);
        switch (c.kind) {
        case CharKind::Other:
            verdict.reason = SkipReason::OtherCharacter;
            return verdict;
        case CharKind::LetterNoCapital:
            verdict.reason = SkipReason::NoSingleCapital;
            return verdict;
        case CharKind::Separator:
            space = space || byte == ' ';
            apostrophe = apostrophe || IsApostrophe(byte);
            break;
        case CharKind::Letter:
            (letters == 0 ? firstLetterUpper : innerCapital) |= c.upper;
            verdict.key += c.capital;
            ++letters;
            break;
        }
    }
    if (space)
        verdict.reason = SkipReason::Space;
    else if (letters < 2)
        verdict.reason = SkipReason::TooShort;
    else if (letters > TsdWriter::maxLetters || text.size() > TsdWriter::maxTextBytes)
        verdict.reason = SkipReason::TooLong;
    else if (IsApostrophe(static_cast<unsigned char>(text.back())))
        verdict.reason = SkipReason::Fragment;
    else if (firstLetterUpper && !options.keepProperNouns)
        verdict.reason = SkipReason::ProperNoun;
    else if (innerCapital && !options.keepProperNouns)
        verdict.reason = SkipReason::InnerCapital;
    else if (apostrophe && !options.keepPossessives)
        verdict.reason = SkipReason::Apostrophe;
    else
        verdict.text = text, verdict.plain = !firstLetterUpper && !innerCapital && text.size() == letters;
    if (verdict.reason != SkipReason::None)
        verdict.key.clear();
    return verdict;
}
